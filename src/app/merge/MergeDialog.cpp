#include "MergeDialog.h"

#include "document/MergeFields.h"

#include <QAbstractTableModel>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QHeaderView>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QSpinBox>
#include <QTableView>
#include <QVBoxLayout>

namespace {

// The list's records, a box to tick in the first column.
class RecordModel : public QAbstractTableModel {
public:
    explicit RecordModel(CardMerge &list, QObject *parent) : QAbstractTableModel(parent), m_list(list) {}

    int rowCount(const QModelIndex &parent) const override { return parent.isValid() ? 0 : m_list.count(); }
    int columnCount(const QModelIndex &parent) const override
    {
        return parent.isValid() ? 0 : int(m_list.columns().size()) + 1;
    }
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override
    {
        if (role != Qt::DisplayRole)
            return {};
        if (orientation == Qt::Vertical)
            return section + 1;
        return section == 0 ? QStringLiteral("Imprimer") : m_list.columns().value(section - 1);
    }
    QVariant data(const QModelIndex &index, int role) const override
    {
        if (index.column() == 0)
            return role == Qt::CheckStateRole ? QVariant(m_list.ticked(index.row()) ? Qt::Checked : Qt::Unchecked)
                                              : QVariant();
        return role == Qt::DisplayRole ? QVariant(m_list.record(index.row()).value(index.column() - 1)) : QVariant();
    }
    Qt::ItemFlags flags(const QModelIndex &index) const override
    {
        const Qt::ItemFlags flags = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
        return index.column() == 0 ? flags | Qt::ItemIsUserCheckable : flags;
    }
    bool setData(const QModelIndex &index, const QVariant &value, int role) override
    {
        if (index.column() != 0 || role != Qt::CheckStateRole)
            return false;
        m_list.setTicked(index.row(), value.toInt() == Qt::Checked);
        emit dataChanged(index, index);
        return true;
    }
    void reload()
    {
        beginResetModel();
        endResetModel();
    }

private:
    CardMerge &m_list;
};

} // namespace

MergeDialog::MergeDialog(MergeSetup &setup, std::function<void(const QString &)> insertField, QWidget *parent)
    : QDialog(parent), m_setup(setup), m_insertField(std::move(insertField))
{
    setWindowTitle(QStringLiteral("Fusion avec une liste"));
    resize(720, 480);

    m_file = new QLabel(this);
    m_file->setWordWrap(true);
    auto *browse = new QPushButton(QStringLiteral("Parcourir..."), this);
    connect(browse, &QPushButton::clicked, this, [this] {
        if (m_setup.browse())
            showList();
    });

    m_table = new QTableView(this);
    m_table->setModel(new RecordModel(m_setup.list(), m_table));
    m_table->verticalHeader()->setDefaultSectionSize(20);

    m_copies = new QSpinBox(this);
    m_copies->setRange(1, 1000);
    m_copies->setValue(m_setup.copies());
    connect(m_copies, &QSpinBox::valueChanged, this, [this](int copies) { m_setup.setCopies(copies); });

    m_fields = new QListWidget(this);
    m_fields->setMaximumHeight(110);
    auto *insert = new QPushButton(QStringLiteral("Insérer dans le label"), this);
    connect(insert, &QPushButton::clicked, this, [this] {
        if (const QListWidgetItem *field = m_fields->currentItem(); field && m_insertField)
            m_insertField(field->text());
    });

    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    QPushButton *none = buttons->addButton(QStringLiteral("Sans fusion"), QDialogButtonBox::DestructiveRole);
    connect(buttons, &QDialogButtonBox::accepted, this, [this] { done(Merged); });
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(none, &QPushButton::clicked, this, [this] { done(Unmerged); });

    auto *grid = new QGridLayout;
    grid->addWidget(new QLabel(QStringLiteral("Liste :"), this), 0, 0);
    grid->addWidget(m_file, 0, 1);
    grid->addWidget(browse, 0, 2);
    grid->addWidget(new QLabel(QStringLiteral("Exemplaires de chaque fiche :"), this), 1, 0);
    grid->addWidget(m_copies, 1, 1, Qt::AlignLeft);
    grid->setColumnStretch(1, 1);
    auto *column = new QVBoxLayout(this);
    column->addLayout(grid);
    column->addWidget(m_table, 1);
    column->addWidget(new QLabel(QStringLiteral("Champs de la liste :"), this));
    column->addWidget(m_fields);
    column->addWidget(insert, 0, Qt::AlignLeft);
    column->addWidget(buttons);
    showList();
}

void MergeDialog::showList()
{
    const CardMerge &list = m_setup.list();
    m_file->setText(list.active() ? list.path() : QStringLiteral("(aucune)"));
    static_cast<RecordModel *>(m_table->model())->reload();
    m_fields->clear();
    for (const QString &column : list.columns())
        m_fields->addItem(QLatin1Char('{') + MergeFields::fieldName(column) + QLatin1Char('}'));
}
