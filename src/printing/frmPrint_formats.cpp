// The print dialog's "Format papier" tab: the formats list and its search,
// the buttons of the formats file, the format's description and the
// cut-mark box.
#include "frmPrint.h"

#include "platform/Shell.h"

#include <QCheckBox>
#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

QWidget *frmPrint::buildFormatsTab()
{
    auto *page = new QWidget;
    m_combo2 = new QComboBox(page);
    m_combo2->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    m_combo2->setMinimumContentsLength(40);
    m_command2[0] = newButton("Editer", "Editer le fichier des formats", page);
    m_command2[1] = newButton("Sauver", "Enregistrer un nouveau format", page);
    m_command2[2] = newButton("Charger", "Charger le fichier des formats", page);
    m_description = new QLabel(page);
    m_description->setWordWrap(true);
    m_description->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_description->setFrameShape(QFrame::StyledPanel);
    m_description->setMinimumHeight(m_description->fontMetrics().lineSpacing() * 7);
    m_check1 = new QCheckBox(
        QStringLiteral("Ne pas imprimer les marques de pliage et de découpe lors de l'impression."), page);
    m_search = new QLineEdit(page);
    m_search->setPlaceholderText(QStringLiteral("Rechercher (code ou mots)"));
    m_search->setToolTip(QStringLiteral("Ne montrer dans la liste que les formats dont le nom contient tous les mots "
                                        "tapés ; Entrée choisit le premier"));
    m_search->setClearButtonEnabled(true);

    auto *row = new QHBoxLayout;
    row->addStretch(1);
    for (QPushButton *b : m_command2)
        row->addWidget(b);
    auto *searchRow = new QHBoxLayout;
    searchRow->addWidget(newLabel("Rechercher :", page));
    searchRow->addWidget(m_search, 1);

    auto *column = new QVBoxLayout(page);
    column->addWidget(newLabel("Sélection du format", page));
    column->addWidget(m_combo2);
    column->addLayout(row);
    column->addWidget(newLabel("Propriétés du format :", page));
    column->addWidget(m_description, 1);
    column->addWidget(newLabel("Option de découpage :", page));
    column->addWidget(m_check1);
    column->addLayout(searchRow);
    return page;
}

void frmPrint::wireFormats()
{
    // The list shows the lines the search leaves: its rows are mapped back
    // to the formats file's list.
    connect(m_combo2, &QComboBox::activated, this, [this](int row) {
        m_settings.selectFormat(m_filter.indexAt(row));
        showSettings();
    });
    connect(m_search, &QLineEdit::textChanged, this, [this](const QString &text) {
        m_filter.setQuery(text);
        showFormats();
    });
    connect(m_search, &QLineEdit::returnPressed, this, [this] {
        if (m_filter.rows().isEmpty())
            return;
        m_settings.selectFormat(m_filter.indexAt(0));
        showFormats();
        showSettings();
    });
    connect(m_command2[0], &QPushButton::clicked, this, [this] {
        if (m_services.shell)
            m_services.shell->open(m_settings.formats().filePath());
    });
    connect(m_command2[1], &QPushButton::clicked, this, [this] {
        // A save reloads the list and selects its first format.
        if (m_settings.formats().Enregistrer_Format())
            m_settings.selectFormat(m_settings.formats().selectedIndex());
        showFormats();
        showSettings();
    });
    connect(m_command2[2], &QPushButton::clicked, this, [this] {
        m_settings.Charger_Formats(true);
        showFormats();
        showSettings();
    });
}

void frmPrint::showFormats()
{
    const QSignalBlocker blocker(m_combo2);
    const QStringList &items = m_settings.formats().items();
    m_filter.apply(items);
    m_combo2->clear();
    for (int index : m_filter.rows())
        m_combo2->addItem(items.at(index));
    // Shown while the selected format is hidden by the search.
    m_combo2->setPlaceholderText(m_filter.summary());
    m_combo2->setCurrentIndex(m_filter.rowOf(m_settings.formats().selectedIndex()));
}
