#include "frmAssist.h"

#include "PreviewView.h"
#include "ResourceTree.h"
#include "platform/HelpOpener.h"
#include "platform/Shell.h"
#include "widgets/Line3D.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

namespace {

// Panels sit 150 twips (10 pixels) from the left of the tab strip.
constexpr int PanelMargin = 10;

QLabel *caption(const QString &text, QWidget *parent)
{
    return new QLabel(text, parent);
}

} // namespace

frmAssist::frmAssist(const QString &appDir, Prompts &prompts, Shell *shell, QWidget *frame)
    : QDialog(frame), m_wizard(appDir, prompts), m_appDir(appDir), m_prompts(prompts), m_shell(shell)
{
    setObjectName(QStringLiteral("frmAssist"));
    setWindowTitle(QStringLiteral("Nouveau projet"));
    setModal(true);

    m_tabs = new QTabWidget(this);
    m_tabs->setObjectName(QStringLiteral("tabs"));
    m_tabs->addTab(buildPropertiesPage(), QStringLiteral("Propriétés du projet"));
    m_tabs->addTab(buildLayoutPage(), QStringLiteral("Mise en page perso"));
    connect(m_tabs, &QTabWidget::currentChanged, this, &frmAssist::tabShown);

    m_picture1 = new PreviewView(m_wizard.preview(), this);
    m_picture1->setObjectName(QStringLiteral("Picture1"));

    auto *left = new QVBoxLayout;
    left->addWidget(m_tabs, 1);
    left->addSpacing(4);
    left->addWidget(caption(QStringLiteral("Aperçu :"), this));
    left->addWidget(m_picture1, 0, Qt::AlignHCenter);

    auto *top = new QHBoxLayout;
    top->addLayout(left);
    top->addSpacing(8);
    top->addWidget(buildResources(), 1);

    static const char *const Captions[3] = {"Créer", "Annuler", "Aide"};
    static const char *const Tips[3] = {"Créer le nouveau projet", "Retour menu", "Afficher l'aide"};
    auto *buttons = new QHBoxLayout;
    buttons->addStretch(1);
    for (int i = 0; i < 3; ++i) {
        auto *button = new QPushButton(QString::fromUtf8(Captions[i]), this);
        button->setObjectName(QStringLiteral("Command1_%1").arg(i));
        button->setToolTip(QString::fromUtf8(Tips[i]));
        // Enter acts as "Créer" only in the name field.
        button->setAutoDefault(false);
        button->setMinimumWidth(90);
        connect(button, &QPushButton::clicked, this, [this, i] { Command1_Click(i); });
        buttons->addWidget(button);
        m_command1[std::size_t(i)] = button;
    }

    auto *line = new Line3D(this);
    line->setObjectName(QStringLiteral("Line3D1"));

    auto *column = new QVBoxLayout(this);
    column->addLayout(top, 1);
    column->addSpacing(6);
    column->addWidget(line);
    column->addLayout(buttons);

    m_tree->fill(m_wizard.resources());
    m_tree->setMinimumWidth(m_tree->widestEntry());
    m_combo1->setCurrentIndex(m_wizard.formatIndex());
    formatChosen(m_wizard.formatIndex());
    m_tabs->setCurrentIndex(0);
    m_text1->setFocus(Qt::OtherFocusReason);

    adjustSize();
    setFixedSize(size());
    if (frame) {
        const QRect outer = frame->frameGeometry();
        move(outer.left() + outer.width() / 2 - width() / 2, outer.top() + outer.height() / 2 - height() / 2);
    }
}

frmAssist::~frmAssist() = default;

QWidget *frmAssist::buildPropertiesPage()
{
    auto *page = new QWidget;
    page->setObjectName(QStringLiteral("propertiesPage"));

    m_text1 = new QLineEdit(page);
    m_text1->setObjectName(QStringLiteral("Text1"));
    m_text1->setToolTip(QStringLiteral("Donner un nom à votre projet"));
    connect(m_text1, &QLineEdit::textChanged, this, [this](const QString &text) { m_wizard.setProjectName(text); });
    connect(m_text1, &QLineEdit::returnPressed, this, [this] { Command1_Click(0); });

    m_combo1 = new QComboBox(page);
    m_combo1->setObjectName(QStringLiteral("Combo1"));
    m_combo1->setToolTip(QStringLiteral("Sélectionnez votre format"));
    for (int i = 0; i < int(CardFormats::List.size()); ++i)
        m_combo1->addItem(CardFormats::text(i));
    connect(m_combo1, &QComboBox::currentIndexChanged, this, &frmAssist::formatChosen);

    m_customFrame = new QGroupBox(QStringLiteral("Format perso"), page);
    m_customFrame->setObjectName(QStringLiteral("Frame1"));
    auto *grid = new QGridLayout(m_customFrame);
    static const char *const FieldCaptions[2] = {"Longueur :", "Hauteur :"};
    for (int i = 0; i < 2; ++i) {
        auto *field = new QLineEdit(m_wizard.customText(i), m_customFrame);
        field->setObjectName(QStringLiteral("Text2_%1").arg(i));
        field->setMaximumWidth(70);
        field->installEventFilter(this);
        connect(field, &QLineEdit::textEdited, this, [this, i](const QString &text) { customEdited(i, text); });
        m_text2[std::size_t(i)] = field;
        grid->addWidget(caption(QString::fromUtf8(FieldCaptions[i]), m_customFrame), i, 0);
        grid->addWidget(field, i, 1);
        grid->addWidget(caption(QStringLiteral("centimètres"), m_customFrame), i, 2);
    }
    grid->setColumnStretch(3, 1);
    m_note = caption(QStringLiteral("Pour des raisons techniques le format perso a été limité dans les "
                                    "dimensions. Vous ne pouvez donc pas créer de projet avec un format "
                                    "dépassant le 23 x 23 cm."),
                     m_customFrame);
    m_note->setWordWrap(true);
    m_note->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    // A tab page does not ask its wrapped texts how tall they get at the
    // width they are given: the note takes at least the width of its first
    // line and the height of all its lines at that width.
    const int noteWidth = m_note->fontMetrics().horizontalAdvance(QStringLiteral("Pour des raisons techniques le format perso a"));
    m_note->setMinimumSize(noteWidth, m_note->heightForWidth(noteWidth));
    grid->addWidget(m_note, 2, 0, 1, 4);

    auto *layout = new QGridLayout(page);
    layout->setContentsMargins(PanelMargin, PanelMargin, PanelMargin, PanelMargin);
    layout->addWidget(caption(QStringLiteral("Nom du projet :"), page), 0, 0);
    layout->addWidget(m_text1, 0, 1);
    layout->addWidget(caption(QStringLiteral("Format :"), page), 1, 0);
    layout->addWidget(m_combo1, 1, 1);
    layout->addWidget(m_customFrame, 2, 0, 1, 2);
    layout->setRowStretch(3, 1);
    return page;
}

QWidget *frmAssist::buildLayoutPage()
{
    auto *page = new QWidget;
    page->setObjectName(QStringLiteral("layoutPage"));

    m_customize = new QCheckBox(QStringLiteral("Personnaliser les champs"), page);
    m_customize->setObjectName(QStringLiteral("customizeFields"));
    connect(m_customize, &QCheckBox::toggled, this, &frmAssist::customizeToggled);

    auto *layout = new QGridLayout(page);
    layout->setContentsMargins(PanelMargin, PanelMargin, PanelMargin, PanelMargin);
    layout->addWidget(m_customize, 0, 0, 1, 2);
    static const char *const FieldCaptions[4] = {"Nom prénom :", "Adresse :", "Fonction :", "Téléphone :"};
    for (int i = 1; i <= 4; ++i) {
        auto *label = caption(QString::fromUtf8(FieldCaptions[i - 1]), page);
        auto *field = new QLineEdit(page);
        field->setObjectName(QStringLiteral("Text3_%1").arg(i));
        label->setBuddy(field);
        label->setEnabled(false);
        field->setEnabled(false);
        connect(field, &QLineEdit::textChanged, this, [this, i](const QString &text) {
            m_wizard.setFieldText(i, text);
            m_picture1->update();
        });
        m_text3Labels[std::size_t(i - 1)] = label;
        m_text3[std::size_t(i - 1)] = field;
        layout->addWidget(label, i, 0);
        layout->addWidget(field, i, 1);
    }

    m_noLabels = new QCheckBox(QStringLiteral("Ne pas créer les labels par défaut"), page);
    m_noLabels->setObjectName(QStringLiteral("noDefaultLabels"));
    connect(m_noLabels, &QCheckBox::toggled, this, [this](bool on) {
        m_wizard.setNoDefaultLabels(on);
        m_picture1->update();
    });
    layout->addWidget(m_noLabels, 5, 0, 1, 2);
    layout->setRowStretch(6, 1);
    return page;
}

QWidget *frmAssist::buildResources()
{
    auto *box = new QWidget(this);
    auto *layout = new QVBoxLayout(box);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(caption(QStringLiteral("Ressources :"), box));
    m_tree = new ResourceTree(box);
    m_tree->setObjectName(QStringLiteral("Tree1"));
    connect(m_tree, &ResourceTree::entryChosen, this, &frmAssist::resourceChosen);
    layout->addWidget(m_tree, 1);
    return box;
}

QLineEdit *frmAssist::Text2(int index) const
{
    return index == 0 || index == 1 ? m_text2[std::size_t(index)] : nullptr;
}

QLineEdit *frmAssist::Text3(int index) const
{
    return index >= 1 && index <= 4 ? m_text3[std::size_t(index - 1)] : nullptr;
}

QPushButton *frmAssist::Command1(int index) const
{
    return index >= 0 && index <= 2 ? m_command1[std::size_t(index)] : nullptr;
}

void frmAssist::formatChosen(int position)
{
    m_wizard.selectFormat(position);
    // The frame, its captions and both fields follow the custom position.
    m_customFrame->setEnabled(m_wizard.customEnabled());
    m_picture1->update();
}

void frmAssist::customEdited(int field, const QString &text)
{
    m_wizard.setCustomText(field, text);
    // A refused text was replaced by the field's initial one.
    QLineEdit *edit = m_text2[std::size_t(field)];
    if (edit->text() != m_wizard.customText(field))
        edit->setText(m_wizard.customText(field));
    m_picture1->update();
}

void frmAssist::customizeToggled(bool on)
{
    for (int i = 0; i < 4; ++i) {
        m_text3Labels[std::size_t(i)]->setEnabled(on);
        m_text3[std::size_t(i)]->setEnabled(on);
    }
    if (on)
        m_text3[0]->setFocus(Qt::OtherFocusReason);
}

void frmAssist::resourceChosen(const QString &key)
{
    m_wizard.chooseResource(key);
    m_picture1->update();
}

void frmAssist::tabShown(int index)
{
    if (index == 0)
        m_text1->setFocus(Qt::OtherFocusReason);
}

void frmAssist::Command1_Click(int index)
{
    switch (index) {
    case 0: {
        std::optional<NewProject> project = m_wizard.create();
        if (!project) {
            m_tabs->setCurrentIndex(0);
            m_text1->setFocus(Qt::OtherFocusReason);
            return;
        }
        m_project = std::move(project);
        accept();
        break;
    }
    case 1:
        reject();
        break;
    case 2:
        if (m_shell)
            HelpOpener(*m_shell, &m_prompts).openHelp(m_appDir, QStringLiteral("assistant"));
        break;
    default:
        break;
    }
}

bool frmAssist::eventFilter(QObject *watched, QEvent *event)
{
    // "." typed in a custom size field is refused with its advice.
    if (event->type() == QEvent::KeyPress) {
        for (int i = 0; i < 2; ++i) {
            if (watched != m_text2[std::size_t(i)])
                continue;
            const QString typed = static_cast<QKeyEvent *>(event)->text();
            if (typed.size() == 1 && !m_wizard.customKeyPress(i, typed.at(0)))
                return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}
