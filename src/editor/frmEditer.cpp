#include "frmEditer.h"

#include "ColorFieldView.h"
#include "platform/HelpOpener.h"
#include "platform/Shell.h"
#include "platform/Units.h"
#include "widgets/CentredBox.h"
#include "widgets/DialogFoot.h"
#include "widgets/DialogPlacement.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

namespace {

int px(double twips)
{
    return Units::toPixels(twips);
}

// Behind white text the preview is dark, so the text stays readable.
const QColor OpaqueBackground(64, 64, 64);

} // namespace

frmEditer::frmEditer(QWidget &frame, CommonDialog &dialog, Prompts &prompts, Shell *shell, const QString &appDir,
                     FontList fonts)
    : QDialog(&frame), m_editor(std::move(fonts)), m_dialog(dialog), m_prompts(prompts), m_shell(shell),
      m_appDir(appDir)
{
    setWindowTitle(QStringLiteral("Edition du contenu"));
    setModal(true);
    buildControls();
    wireControls();
    adjustSize();
    setFixedSize(size());
    centreOverFrame(*this, frame);
}

QLabel *frmEditer::Label1(int index) const
{
    return index >= 0 && index < int(m_captions.size()) ? m_captions.at(std::size_t(index)) : nullptr;
}

QPushButton *frmEditer::Command1(int index) const
{
    return m_foot->button(index);
}

Line3D *frmEditer::Line3D1() const
{
    return m_foot->line();
}

void frmEditer::buildControls()
{
    auto caption = [this](int index, const QString &text) {
        m_captions.at(std::size_t(index)) = new QLabel(text, this);
        return m_captions.at(std::size_t(index));
    };

    m_text = new QLineEdit(this);
    m_text->setMinimumWidth(px(3855));

    m_fonts = new QComboBox(this);
    m_fonts->setEditable(true);
    m_fonts->setInsertPolicy(QComboBox::NoInsert);
    m_fonts->setMinimumWidth(px(2775));
    m_fonts->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    m_fonts->setMinimumContentsLength(12);
    m_sizes = new QComboBox(this);
    m_sizes->setEditable(true);
    m_sizes->setInsertPolicy(QComboBox::NoInsert);
    m_sizes->setCompleter(nullptr);
    m_sizes->addItems(LabelEditor::sizes());
    m_sizes->setFixedWidth(px(975));

    // The field and the preview are as wide as the fields above them.
    m_field = new ColorFieldView(this);
    m_field->setMinimumSize(m_field->sizeHint());
    m_field->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    m_shape = new QFrame(this);
    m_shape->setFrameStyle(QFrame::Box | QFrame::Plain);
    m_shape->setFixedSize(px(735), px(195));
    m_shape->setAutoFillBackground(true);

    m_preview = new CentredBox(this);
    m_preview->setMinimumSize(px(3855), px(1215));
    m_preview->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    m_labelA = new QLabel(QStringLiteral("# # #"));
    m_labelA->setTextFormat(Qt::PlainText);
    m_preview->setChild(m_labelA);

    m_bold = new QCheckBox(QStringLiteral("Permuter l'affichage du texte en gras ou normal"), this);
    m_alignment = new QComboBox(this);
    m_alignment->setObjectName(QStringLiteral("Alignement"));
    m_alignment->addItems({QStringLiteral("À gauche"), QStringLiteral("Centré"), QStringLiteral("À droite")});

    m_foot = new DialogFoot(this);

    // Captions and fields 240 twips from the left; the separator and the
    // buttons 120.
    auto *fields = new QVBoxLayout;
    fields->setContentsMargins(px(120), 0, px(120), 0);
    fields->setSpacing(px(30));
    fields->addWidget(caption(0, QStringLiteral("Texte du contrôle :")));
    fields->addWidget(m_text);
    fields->addSpacing(px(240));
    auto *font = new QGridLayout;
    font->setHorizontalSpacing(px(105));
    font->setVerticalSpacing(px(30));
    font->addWidget(caption(1, QStringLiteral("Sélection de la police :")), 0, 0);
    font->addWidget(caption(2, QStringLiteral("Taille :")), 0, 1);
    font->addWidget(m_fonts, 1, 0);
    font->addWidget(m_sizes, 1, 1);
    font->setColumnStretch(0, 1);
    fields->addLayout(font);
    fields->addSpacing(px(240));
    auto *colour = new QHBoxLayout;
    colour->addWidget(caption(4, QStringLiteral("Couleur de la police :")));
    colour->addStretch(1);
    colour->addWidget(m_shape);
    fields->addLayout(colour);
    fields->addWidget(m_field);
    fields->addSpacing(px(180));
    fields->addWidget(caption(5, QStringLiteral("Aperçu du texte :")));
    fields->addWidget(m_preview);
    fields->addWidget(m_bold);
    auto *alignment = new QHBoxLayout;
    alignment->addWidget(new QLabel(QStringLiteral("Alignement du texte :"), this));
    alignment->addWidget(m_alignment, 1);
    fields->addLayout(alignment);

    auto *column = new QVBoxLayout(this);
    column->setContentsMargins(px(120), px(120), px(120), px(120));
    column->setSpacing(px(90));
    column->addLayout(fields);
    column->addSpacing(px(30));
    column->addWidget(m_foot);
}

void frmEditer::wireControls()
{
    connect(m_text, &QLineEdit::textChanged, this, [this](const QString &text) {
        if (m_loading)
            return;
        m_editor.setText(text);
        showLabelA();
    });
    connect(m_fonts, &QComboBox::editTextChanged, this, [this](const QString &text) {
        if (m_loading)
            return;
        m_editor.setFontText(text);
        showLabelA();
    });
    connect(m_sizes, &QComboBox::editTextChanged, this, [this](const QString &text) {
        if (m_loading)
            return;
        m_editor.setSizeText(text);
        showLabelA();
    });
    connect(m_bold, &QCheckBox::toggled, this, [this](bool on) {
        if (m_loading)
            return;
        m_editor.setBold(on);
        showLabelA();
    });
    connect(m_alignment, &QComboBox::currentIndexChanged, this, [this](int index) {
        if (!m_loading && index >= 0)
            m_editor.setAlignment(CardLabel::Alignment(index));
    });
    connect(m_field, &ColorFieldView::pointed, this, [this](OleColor color, Qt::MouseButtons buttons) {
        const bool right = buttons.testFlag(Qt::RightButton);
        m_editor.pointed(color, right);
        showShape();
        if (right)
            showLabelA();
    });
    connect(m_field, &ColorFieldView::clicked, this, [this] {
        m_editor.click();
        showLabelA();
    });
    connect(m_field, &ColorFieldView::doubleClicked, this, [this] {
        if (m_editor.doubleClick(m_dialog))
            showLabelA();
    });
    connect(m_foot, &DialogFoot::clicked, this, &frmEditer::Command1_Click);
}

void frmEditer::Control_Texte(int index, const CardLabel &label)
{
    m_editor.Control_Texte(index, label);
    m_loading = true;
    m_text->setText(m_editor.text());
    m_fonts->clear();
    m_fonts->addItems(m_editor.fonts().names());
    m_fonts->setCurrentIndex(m_fonts->findText(m_editor.labelA().FontName(), Qt::MatchFixedString));
    m_fonts->setEditText(m_editor.fontText());
    m_sizes->setCurrentIndex(m_sizes->findText(m_editor.sizeText()));
    m_sizes->setEditText(m_editor.sizeText());
    m_bold->setChecked(m_editor.labelA().FontBold());
    m_alignment->setCurrentIndex(int(m_editor.labelA().alignment()));
    m_loading = false;
    showShape();
    showLabelA();
}

void frmEditer::showLabelA()
{
    const CardLabel &look = m_editor.labelA();
    m_labelA->setText(look.Caption());
    m_labelA->setFont(look.font());
    QPalette colours = m_labelA->palette();
    colours.setColor(QPalette::WindowText, Colors::toQColor(look.ForeColor, palette()));
    colours.setColor(QPalette::Window, OpaqueBackground);
    m_labelA->setPalette(colours);
    m_labelA->setAutoFillBackground(m_editor.opaque());
    m_labelA->adjustSize();
    m_preview->recentre();
}

void frmEditer::showShape()
{
    QPalette colours = m_shape->palette();
    colours.setColor(QPalette::Window, Colors::toQColor(m_editor.shapeColor(), palette()));
    m_shape->setPalette(colours);
}

void frmEditer::Command1_Click(int index)
{
    switch (index) {
    case 0:
        if (m_editor.validate(m_prompts))
            accept();
        break;
    case 1: reject(); break;
    case 2:
        if (m_shell)
            HelpOpener(*m_shell, &m_prompts).openHelp(m_appDir, QStringLiteral("editeur"));
        break;
    default: break;
    }
}
