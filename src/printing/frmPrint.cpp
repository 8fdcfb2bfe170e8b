// The print dialog's controls and how they follow the settings.
#include "frmPrint.h"

#include "DigitField.h"
#include "PaperSizes.h"
#include "PrinterChoice.h"
#include "platform/Shell.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QShowEvent>
#include <QTabWidget>
#include <QVBoxLayout>

namespace {

DigitField *digitField(const QString &text, QWidget *parent, int width = 56)
{
    auto *field = new DigitField(text, parent);
    field->setFixedWidth(width);
    return field;
}

} // namespace

QLabel *frmPrint::newLabel(const char *text, QWidget *parent)
{
    return new QLabel(QString::fromUtf8(text), parent);
}

QPushButton *frmPrint::newButton(const char *caption, const char *tip, QWidget *parent)
{
    auto *b = new QPushButton(QString::fromUtf8(caption), parent);
    b->setToolTip(QString::fromUtf8(tip));
    b->setAutoDefault(false);
    return b;
}

frmPrint::frmPrint(const Services &services, CommonDialog &dialog, ModalRunner runModal, QWidget *parent)
    : QDialog(parent),
      m_services(services),
      m_dialog(dialog),
      m_runModal(std::move(runModal)),
      m_settings(services.appDir, *services.prompts),
      m_printer(PrinterChoice::remembered(services.appDir))
{
    setWindowTitle(QStringLiteral("Imprimer le projet"));
    setModal(true);

    m_tabs = new QTabWidget(this);
    m_tabs->addTab(buildPropertiesTab(), QStringLiteral("Propriétés"));
    m_tabs->addTab(buildLayoutTab(), QStringLiteral("Mise en page"));
    m_tabs->addTab(buildFormatsTab(), QStringLiteral("Format papier"));

    m_command1[0] = newButton("Aperçu", "Aperçu avant impression", this);
    m_command1[1] = newButton("Imprimer", "Imprimer le projet", this);
    m_pdf = newButton("PDF...", "Enregistrer les planches dans un fichier PDF", this);
    m_command1[2] = newButton("Annuler", "Retour menu", this);
    m_command1[3] = newButton("Aide", "Afficher l'aide", this);

    auto *buttons = new QHBoxLayout;
    buttons->addWidget(m_command1[0]);
    buttons->addWidget(m_command1[1]);
    buttons->addWidget(m_pdf);
    buttons->addStretch(1);
    buttons->addWidget(m_command1[2]);
    buttons->addWidget(m_command1[3]);

    auto *column = new QVBoxLayout(this);
    column->addWidget(m_tabs);
    column->addLayout(buttons);

    // The dialog loads: the formats file (a missing one says nothing), the
    // first tab.
    m_settings.Charger_Formats(false);
    showSettings();
    wire();
    m_tabs->setCurrentIndex(0);
    adjustSize();
    setFixedSize(sizeHint());
}

frmPrint::~frmPrint() = default;

QWidget *frmPrint::buildPropertiesTab()
{
    auto *page = new QWidget;

    auto *paper = new QGroupBox(QStringLiteral("Taille de la page"), page);
    m_standard = new QRadioButton(QStringLiteral("Papier standard :"), paper);
    m_custom = new QRadioButton(QStringLiteral("Personnalisé :"), paper);
    m_combo1 = new QComboBox(paper);
    m_combo1->addItems(PaperSizes::itemTexts());
    m_customLabels = {newLabel("Largeur :", paper), newLabel("Hauteur :", paper), newLabel("Mm", paper)};
    m_textA = {digitField(m_settings.customText(0), paper), digitField(m_settings.customText(1), paper)};
    auto *paperGrid = new QGridLayout(paper);
    paperGrid->addWidget(m_standard, 0, 0);
    paperGrid->addWidget(m_combo1, 0, 1, 1, 5);
    paperGrid->addWidget(m_custom, 1, 0);
    paperGrid->addWidget(m_customLabels[0], 1, 1);
    paperGrid->addWidget(m_textA[0], 1, 2);
    paperGrid->addWidget(m_customLabels[1], 1, 3);
    paperGrid->addWidget(m_textA[1], 1, 4);
    paperGrid->addWidget(m_customLabels[2], 1, 5);
    auto *paperOptions = new QButtonGroup(paper);
    paperOptions->addButton(m_standard);
    paperOptions->addButton(m_custom);

    auto *quality = new QGroupBox(QStringLiteral("Qualité d'impression"), page);
    auto *qualityColumn = new QVBoxLayout(quality);
    const char *qualities[] = {"Résolution brouillon", "Basse résolution", "Résolution normale", "Haute résolution"};
    for (std::size_t i = 0; i < m_quality.size(); ++i) {
        m_quality[i] = new QRadioButton(QString::fromUtf8(qualities[i]), quality);
        qualityColumn->addWidget(m_quality[i]);
    }

    auto *output = new QGroupBox(QStringLiteral("Format de sortie"), page);
    m_monochrome = new QRadioButton(QStringLiteral("Noir et blanc"), output);
    m_color = new QRadioButton(QStringLiteral("Couleur"), output);
    auto *outputColumn = new QVBoxLayout(output);
    outputColumn->addWidget(m_monochrome);
    outputColumn->addWidget(m_color);
    outputColumn->addStretch(1);

    auto *orientation = new QGroupBox(QStringLiteral("Orientation"), page);
    m_portrait = new QRadioButton(QStringLiteral("Portrait"), orientation);
    m_landscape = new QRadioButton(QStringLiteral("Paysage"), orientation);
    auto *orientationColumn = new QVBoxLayout(orientation);
    orientationColumn->addWidget(m_portrait);
    orientationColumn->addWidget(m_landscape);
    orientationColumn->addStretch(1);

    auto *grid = new QGridLayout(page);
    grid->addWidget(paper, 0, 0, 1, 3);
    grid->addWidget(quality, 1, 0);
    grid->addWidget(output, 1, 1);
    grid->addWidget(orientation, 1, 2);
    return page;
}

QWidget *frmPrint::buildLayoutTab()
{
    auto *page = new QWidget;

    auto *output = new QGroupBox(QStringLiteral("Sortie papier"), page);
    m_text3 = {digitField(m_settings.sheetsText(), output), digitField(m_settings.zoomText(), output)};
    auto *outputGrid = new QGridLayout(output);
    outputGrid->addWidget(newLabel("Nombre total :", output), 0, 0);
    outputGrid->addWidget(m_text3[0], 0, 1);
    outputGrid->addWidget(newLabel("Page(s)", output), 0, 2);
    outputGrid->addWidget(newLabel("Zoom défaut :", output), 1, 0);
    outputGrid->addWidget(m_text3[1], 1, 1);
    outputGrid->addWidget(newLabel("[ % ]", output), 1, 2);
    outputGrid->setColumnStretch(3, 1);

    const SheetFields::Texts &fields = m_settings.formats().fields();
    auto *count = new QGroupBox(QStringLiteral("Nbr sur une planche"), page);
    m_text2 = {digitField(fields[SheetFields::Across], count), digitField(fields[SheetFields::Down], count)};
    auto *countGrid = new QGridLayout(count);
    countGrid->addWidget(newLabel("Horizontal :", count), 0, 0);
    countGrid->addWidget(m_text2[0], 0, 1);
    countGrid->addWidget(newLabel("Vertical :", count), 1, 0);
    countGrid->addWidget(m_text2[1], 1, 1);
    countGrid->setColumnStretch(2, 1);

    auto *arrangement = new QGroupBox(QStringLiteral("Agencement"), page);
    for (int i = 0; i < 4; ++i)
        m_text1[std::size_t(i)] = digitField(fields[std::size_t(i)], arrangement);
    auto *arrangementGrid = new QGridLayout(arrangement);
    arrangementGrid->addWidget(newLabel("Position de la première étiquette", arrangement), 0, 0, 1, 3);
    arrangementGrid->addWidget(newLabel("Abcisse  X :", arrangement), 1, 0);
    arrangementGrid->addWidget(m_text1[0], 1, 1);
    arrangementGrid->addWidget(newLabel("Ordonnée  Y :", arrangement), 2, 0);
    arrangementGrid->addWidget(m_text1[1], 2, 1);
    arrangementGrid->addWidget(newLabel("Séparateur entre chaque étiquette", arrangement), 0, 3, 1, 3);
    arrangementGrid->addWidget(newLabel("Horizontal :", arrangement), 1, 3);
    arrangementGrid->addWidget(m_text1[2], 1, 4);
    arrangementGrid->addWidget(newLabel("Vertical :", arrangement), 2, 3);
    arrangementGrid->addWidget(m_text1[3], 2, 4);
    arrangementGrid->setColumnMinimumWidth(2, 24);
    arrangementGrid->setColumnStretch(5, 1);

    auto *grid = new QGridLayout(page);
    grid->addWidget(output, 0, 0);
    grid->addWidget(count, 0, 1);
    grid->addWidget(arrangement, 1, 0, 1, 2);
    m_calibrate = newButton("Calibrer l'imprimante...", "Corriger le décalage de l'imprimante", page);
    connect(m_calibrate, &QPushButton::clicked, this, &frmPrint::calibratePrinter);
    grid->addWidget(m_calibrate, 2, 0, Qt::AlignLeft);
    grid->setRowStretch(3, 1);
    return page;
}

void frmPrint::wire()
{
    for (std::size_t i = 0; i < m_command1.size(); ++i)
        connect(m_command1[i], &QPushButton::clicked, this, [this, i] { Command1_Click(int(i)); });
    connect(m_pdf, &QPushButton::clicked, this, &frmPrint::exportPdf);

    connect(m_combo1, &QComboBox::activated, this, [this](int index) {
        m_settings.selectPaper(index);
        showSettings();
    });
    connect(m_standard, &QRadioButton::clicked, this, [this] {
        m_settings.setCustomPaper(false);
        showSettings();
    });
    connect(m_custom, &QRadioButton::clicked, this, [this] {
        m_settings.setCustomPaper(true);
        showSettings();
    });
    for (int i = 0; i < 2; ++i) {
        connect(m_textA[std::size_t(i)], &QLineEdit::textEdited, this, [this, i](const QString &text) {
            m_settings.setCustomText(i, text);
            showSettings();
        });
    }
    const int qualities[] = {SheetJob::Draft, SheetJob::Low, SheetJob::Normal, SheetJob::High};
    for (std::size_t i = 0; i < m_quality.size(); ++i) {
        const int code = qualities[i];
        connect(m_quality[i], &QRadioButton::clicked, this, [this, code] { m_settings.setQuality(code); });
    }
    connect(m_monochrome, &QRadioButton::clicked, this,
            [this] { m_settings.setColorMode(PrintSettings::Monochrome); });
    connect(m_color, &QRadioButton::clicked, this, [this] { m_settings.setColorMode(PrintSettings::Color); });
    connect(m_portrait, &QRadioButton::clicked, this, [this] {
        m_settings.setOrientation(PrintSettings::Portrait);
        showSettings();
    });
    connect(m_landscape, &QRadioButton::clicked, this, [this] {
        m_settings.setOrientation(PrintSettings::Landscape);
        showSettings();
    });

    connect(m_text3[0], &QLineEdit::textEdited, this, [this](const QString &t) { m_settings.setSheetsText(t); });
    connect(m_text3[1], &QLineEdit::textEdited, this, [this](const QString &t) {
        m_settings.setZoomText(t);
        showSettings();
    });
    const auto fieldEdited = [this](SheetFields::Field field) {
        return [this, field](const QString &text) {
            m_settings.formats().setField(field, text);
            showSettings();
        };
    };
    for (int i = 0; i < 4; ++i)
        connect(m_text1[std::size_t(i)], &QLineEdit::textEdited, this, fieldEdited(SheetFields::Field(i)));
    connect(m_text2[0], &QLineEdit::textEdited, this, fieldEdited(SheetFields::Across));
    connect(m_text2[1], &QLineEdit::textEdited, this, fieldEdited(SheetFields::Down));
    connect(m_check1, &QCheckBox::toggled, this, [this](bool on) { m_settings.setNoCutMarks(on); });

    wireFormats();
}

void frmPrint::showPaper()
{
    const bool custom = m_settings.customPaper();
    m_standard->setChecked(!custom);
    m_custom->setChecked(custom);
    m_combo1->setCurrentIndex(m_settings.paperIndex());
    m_combo1->setEnabled(!custom);
    for (QLabel *l : m_customLabels)
        l->setEnabled(custom);
    for (int i = 0; i < 2; ++i) {
        DigitField *field = m_textA[std::size_t(i)];
        field->setEnabled(custom);
        if (field->text() != m_settings.customText(i))
            field->setText(m_settings.customText(i));
    }
}

void frmPrint::showSettings()
{
    if (m_filter.apply(m_settings.formats().items()))
        showFormats();
    showPaper();
    const int qualities[] = {SheetJob::Draft, SheetJob::Low, SheetJob::Normal, SheetJob::High};
    for (std::size_t i = 0; i < m_quality.size(); ++i)
        m_quality[i]->setChecked(m_settings.quality() == qualities[i]);
    m_color->setChecked(m_settings.colorMode() == PrintSettings::Color);
    m_monochrome->setChecked(m_settings.colorMode() == PrintSettings::Monochrome);
    m_portrait->setChecked(m_settings.orientation() == PrintSettings::Portrait);
    m_landscape->setChecked(m_settings.orientation() == PrintSettings::Landscape);

    // Fields change under the user's typing only when a format fills them.
    const SheetFields::Texts &fields = m_settings.formats().fields();
    DigitField *layoutFields[] = {m_text1[0], m_text1[1], m_text1[2], m_text1[3], m_text2[0], m_text2[1]};
    for (std::size_t i = 0; i < fields.size(); ++i) {
        if (layoutFields[i]->text() != fields[i])
            layoutFields[i]->setText(fields[i]);
    }
    m_description->setText(m_settings.description());
    showMergeSheets();
}

void frmPrint::setCard(const CardData &card, const QString &caption, const QPalette &palette)
{
    m_card = card;
    m_caption = caption;
    m_palette = palette;
    // A new card picture has no cut-mark outline yet.
    m_outline.reset();
    m_settings.setCardSize(SheetJob::cardSize(card));
    showSettings();
}

void frmPrint::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    // Centred over the frame when it first shows; it keeps its place after.
    if (!m_centred && parentWidget()) {
        const QRect outer = parentWidget()->frameGeometry();
        move(outer.left() + outer.width() / 2 - width() / 2, outer.top() + outer.height() / 2 - height() / 2);
        m_centred = true;
    }
}
