#include "frmCode.h"

#include "platform/DialogRunner.h"
#include "platform/Units.h"
#include "widgets/DialogFoot.h"
#include "widgets/DialogPlacement.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStackedWidget>
#include <QVBoxLayout>

namespace {

int px(double twips)
{
    return Units::toPixels(twips);
}

using Field = CodeContent::Contact::Field;
using Mode = CodeContent::Mode;

} // namespace

frmCode::frmCode(QWidget &frame, CommonDialog &dialog, Prompts &prompts)
    : QDialog(&frame), m_dialog(dialog), m_prompts(prompts)
{
    setWindowTitle(QStringLiteral("Code"));
    setModal(true);
    buildControls();
    wireControls();
    setCode(CardCode(), true);
    adjustSize();
    setFixedSize(size());
    centreOverFrame(*this, frame);
}

std::optional<CardCode> frmCode::edit(DialogRunner &runner, QWidget &frame, CommonDialog &dialog, Prompts &prompts,
                                      const CardCode &code, bool isNew)
{
    frmCode window(frame, dialog, prompts);
    window.setCode(code, isNew);
    if (runner.run(window) != QDialog::Accepted)
        return std::nullopt;
    return window.editor().code();
}

QPushButton *frmCode::button(int index) const
{
    return index == 0 || index == 1 ? m_foot->button(index) : nullptr;
}

void frmCode::buildControls()
{
    m_kinds = new QComboBox(this);
    m_kinds->addItems(CodeEditor::kindNames());
    m_corrections = new QComboBox(this);
    m_corrections->addItems(CodeEditor::correctionNames());

    auto *modeRow = new QHBoxLayout;
    auto *modeGroup = new QButtonGroup(this);
    for (int i = 0; i < int(m_modes.size()); ++i) {
        m_modes.at(size_t(i)) = new QRadioButton(CodeEditor::modeNames().at(i), this);
        modeGroup->addButton(m_modes.at(size_t(i)), i);
        modeRow->addWidget(m_modes.at(size_t(i)));
    }
    modeRow->addStretch(1);

    m_text = new QPlainTextEdit(this);
    m_text->setTabChangesFocus(true);
    m_text->setMinimumWidth(px(4800));
    auto *contactPage = new QWidget(this);
    auto *contactForm = new QFormLayout(contactPage);
    contactForm->setContentsMargins(0, 0, 0, 0);
    for (int i = 0; i < CodeContent::Contact::FieldCount; ++i) {
        m_fields.at(size_t(i)) = new QLineEdit(contactPage);
        contactForm->addRow(CodeContent::fieldLabels().at(i) + QStringLiteral(" :"), m_fields.at(size_t(i)));
    }
    m_pages = new QStackedWidget(this);
    m_pages->addWidget(m_text);
    m_pages->addWidget(contactPage);

    m_color = new QPushButton(QStringLiteral("Couleur..."), this);
    m_color->setAutoDefault(false);
    m_sample = new QFrame(this);
    m_sample->setFrameStyle(QFrame::Box | QFrame::Plain);
    m_sample->setFixedSize(px(735), px(285));
    m_sample->setAutoFillBackground(true);
    m_transparent = new QCheckBox(QStringLiteral("Fond transparent"), this);

    m_size = new QLineEdit(this);
    m_height = new QLineEdit(this);
    m_size->setFixedWidth(px(975));
    m_height->setFixedWidth(px(975));

    m_foot = new DialogFoot(this);
    m_foot->button(2)->hide();

    auto *top = new QGridLayout;
    top->addWidget(new QLabel(QStringLiteral("Type de code :"), this), 0, 0);
    top->addWidget(m_kinds, 0, 1);
    top->addWidget(new QLabel(QStringLiteral("Correction d'erreurs :"), this), 0, 2);
    top->addWidget(m_corrections, 0, 3);
    top->setColumnStretch(1, 1);

    auto *look = new QHBoxLayout;
    look->addWidget(m_color);
    look->addWidget(m_sample);
    look->addSpacing(px(240));
    look->addWidget(m_transparent);
    look->addStretch(1);

    auto *size = new QHBoxLayout;
    size->addWidget(new QLabel(QStringLiteral("Taille (mm)"), this));
    size->addWidget(m_size);
    size->addSpacing(px(240));
    size->addWidget(new QLabel(QStringLiteral("Hauteur (mm)"), this));
    size->addWidget(m_height);
    size->addStretch(1);

    auto *column = new QVBoxLayout(this);
    column->setContentsMargins(px(240), px(120), px(240), px(120));
    column->setSpacing(px(120));
    column->addLayout(top);
    column->addLayout(modeRow);
    column->addWidget(m_pages);
    column->addLayout(look);
    column->addLayout(size);
    column->addWidget(m_foot);
}

void frmCode::wireControls()
{
    // Each change goes to the editor, unless the controls are being filled
    // from it.
    const auto forward = [this](auto &&apply) {
        return [this, apply](auto &&...value) {
            if (!m_loading)
                apply(value...);
        };
    };
    connect(m_kinds, &QComboBox::currentIndexChanged, this, forward([this](int index) {
                if (index < 0)
                    return;
                m_editor.setKind(CardCode::Kind(index));
                showEditor(); // the sizes of a new code follow its kind
            }));
    connect(m_corrections, &QComboBox::currentIndexChanged, this, forward([this](int index) {
                if (index >= 0)
                    m_editor.setCorrection(CardCode::Correction(index));
            }));
    for (size_t i = 0; i < m_modes.size(); ++i) {
        connect(m_modes.at(i), &QRadioButton::toggled, this, forward([this, i](bool on) {
                    if (!on)
                        return;
                    m_editor.setMode(Mode(i));
                    m_pages->setCurrentIndex(Mode(i) == Mode::Contact ? 1 : 0);
                }));
    }
    connect(m_text, &QPlainTextEdit::textChanged, this,
            forward([this] { m_editor.setText(m_text->toPlainText()); }));
    for (size_t i = 0; i < m_fields.size(); ++i) {
        connect(m_fields.at(i), &QLineEdit::textChanged, this,
                forward([this, i](const QString &text) { m_editor.setContactField(Field(i), text); }));
    }
    connect(m_color, &QPushButton::clicked, this, [this] {
        if (m_editor.chooseColor(m_dialog))
            showColor();
    });
    connect(m_transparent, &QCheckBox::toggled, this, forward([this](bool on) { m_editor.setTransparent(on); }));
    connect(m_size, &QLineEdit::textChanged, this,
            forward([this](const QString &text) { m_editor.setSizeText(text); }));
    connect(m_height, &QLineEdit::textChanged, this,
            forward([this](const QString &text) { m_editor.setHeightText(text); }));
    connect(m_foot, &DialogFoot::clicked, this, &frmCode::buttonClicked);
}

void frmCode::setCode(const CardCode &code, bool isNew)
{
    m_editor.setCode(code, isNew);
    showEditor();
}

void frmCode::showEditor()
{
    m_loading = true;
    m_kinds->setCurrentIndex(int(m_editor.kind()));
    m_corrections->setCurrentIndex(int(m_editor.correction()));
    m_corrections->setEnabled(m_editor.correctionEnabled());
    m_modes.at(size_t(m_editor.mode()))->setChecked(true);
    m_pages->setCurrentIndex(m_editor.mode() == Mode::Contact ? 1 : 0);
    if (m_text->toPlainText() != m_editor.text())
        m_text->setPlainText(m_editor.text());
    for (size_t i = 0; i < m_fields.size(); ++i)
        m_fields.at(i)->setText(m_editor.contact()[Field(i)]);
    m_transparent->setChecked(m_editor.transparent());
    m_size->setText(m_editor.sizeText());
    m_height->setText(m_editor.heightText());
    m_height->setEnabled(m_editor.heightEnabled());
    m_loading = false;
    showColor();
}

void frmCode::showColor()
{
    QPalette colours = m_sample->palette();
    colours.setColor(QPalette::Window, Colors::toQColor(m_editor.foreColor(), palette()));
    m_sample->setPalette(colours);
}

void frmCode::buttonClicked(int index)
{
    if (index == 0 && m_editor.validate(m_prompts))
        accept();
    else if (index == 1)
        reject();
}
