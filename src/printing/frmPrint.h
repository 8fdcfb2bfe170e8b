#pragma once

#include "FormatFilter.h"
#include "PrintSettings.h"
#include "SheetPrinter.h"
#include "SheetCards.h"
#include "document/CardData.h"
#include "platform/Services.h"

#include <QDialog>
#include <QPalette>
#include <QPointer>

#include <array>
#include <functional>

class CommonDialog;
class DigitField;
class frmPage;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QTabWidget;

// "Imprimer le projet": the print dialog. It holds every print setting
// while the program runs ("Annuler" hides it; the frame keeps it) and the
// card to print, and starts the preview, the print and the PDF. The
// settings and their rules live in PrintSettings; the dialog shows them.
class frmPrint : public QDialog {
    Q_OBJECT
public:
    // Shows a modal dialog (the preview window) the way the frame does.
    using ModalRunner = std::function<int(QDialog &)>;

    // `dialog` is the frame's common dialog (file name of the PDF, printer
    // set-up). Reads the formats file; a missing one is not reported.
    frmPrint(const Services &services, CommonDialog &dialog, ModalRunner runModal, QWidget *parent = nullptr);
    ~frmPrint() override;

    PrintSettings &settings() { return m_settings; }

    // The card to print (`Pct_Temp`), as the frame flattens it before each
    // use, with the caption of its window and the palette its system
    // colours resolve through.
    void setCard(const CardData &card, const QString &caption, const QPalette &palette);
    // The card's merge with a list: each place of each sheet gets its own
    // card; "Nombre total" then shows the sheets they fill and cannot be
    // typed. Nothing: every place shows the card.
    void setMerge(std::optional<SheetCards> cards);
    const CardData &card() const { return m_card; }

    // The buttons: 0 "Aperçu", 1 "Imprimer", 2 "Annuler", 3 "Aide". The
    // hourglass shows while one works.
    void Command1_Click(int index);

    // Renders the sheets onto preview pages and shows the preview window
    // modally. With `printButtons` false (the frame's "Aperçu avant
    // impression"), its "Configurer" and "Imprimer" are disabled. False
    // when the job or the preview was refused.
    bool Aperçu(bool printButtons = true);
    // Appends a page to the preview window being built.
    void Nouvelle_Page();
    // Prints the job on the chosen printer (the default one when none was
    // chosen or it has gone away). False when refused, failed or cancelled.
    bool Imprimer();

    // The printer set-up: the printer every later job goes to (remembered
    // in the settings file), the paper and its source, the orientation.
    void printerSetup();
    // The CUPS queue chosen; empty for the default one.
    const QString &printer() const { return m_printer; }
    // Where "Impression envoyée à ..." and a printer gone away are said.
    void setStatusReporter(std::function<void(const QString &)> report) { m_statusReport = std::move(report); }
    QPushButton *calibrateButton() const { return m_calibrate; }

    // Controls, named as the dialog's.
    QComboBox *Combo1() const { return m_combo1; }
    QComboBox *Combo2() const { return m_combo2; }
    DigitField *TextA(int index) const { return m_textA[std::size_t(index)]; }
    DigitField *Text1(int index) const { return m_text1[std::size_t(index)]; }
    DigitField *Text2(int index) const { return m_text2[std::size_t(index)]; }
    DigitField *Text3(int index) const { return m_text3[std::size_t(index)]; }
    QCheckBox *Check1() const { return m_check1; }
    QLabel *description() const { return m_description; }
    QPushButton *Command1(int index) const { return m_command1[std::size_t(index)]; }
    QPushButton *Command2(int index) const { return m_command2[std::size_t(index)]; }
    // The search of the formats list, after the "Format papier" tab's
    // other controls.
    QLineEdit *search() const { return m_search; }


protected:
    void showEvent(QShowEvent *event) override;

private:
    void showMergeSheets();
    // Messages of a refused preview, a failed print and a PDF that cannot
    // be written.
    static QString previewFailureText();
    static QString printFailureText();
    static QString pdfFailureText(const QString &path);

    // Jobs of more sheets than this show a progress dialog.
    static constexpr int ProgressThreshold = 3;
    // "PDF...": asks for a file name and writes the job there.
    void exportPdf();
    QWidget *buildPropertiesTab();
    QWidget *buildLayoutTab();
    QWidget *buildFormatsTab();
    // A label and a button (caption, tooltip) of the tabs.
    static QLabel *newLabel(const char *text, QWidget *parent);
    static QPushButton *newButton(const char *caption, const char *tip, QWidget *parent);
    void wire();
    // The "Format papier" tab's part of wire().
    void wireFormats();
    // Shows the settings in the controls.
    void showSettings();
    void showFormats();
    void showPaper();
    // The job of the current settings; on bad input the message is shown.
    std::optional<SheetJob> readJob();
    bool runJob(const SheetJob &job, const SheetPrinter::Destination &destination);
    void reportOutcome(SheetPrinter::Outcome outcome, const QString &pdfPath, const QString &detail = {});
    // "Calibrer l'imprimante...": the calibration sheet, then the measures.
    void calibratePrinter();
    // The queue jobs go to now: the chosen one while it exists, else the
    // default one; empty when there is none (the message is then shown).
    QString queueInUse();

    const Services m_services;
    CommonDialog &m_dialog;
    ModalRunner m_runModal;
    PrintSettings m_settings;
    CardData m_card;
    std::optional<SheetCards> m_merge;
    QString m_caption;
    QPalette m_palette;
    bool m_centred = false;
    bool m_busy = false;
    // The cut-mark outline drawn into the card picture by the last preview
    // or print started from the dialog: none yet, or white (true) or grey.
    std::optional<bool> m_outline;
    // The preview window while Aperçu builds it.
    QPointer<frmPage> m_preview;
    QString m_printer;
    QString m_paperSource;
    std::function<void(const QString &)> m_statusReport;

    QTabWidget *m_tabs = nullptr;
    QComboBox *m_combo1 = nullptr;
    QComboBox *m_combo2 = nullptr;
    QRadioButton *m_standard = nullptr;
    QRadioButton *m_custom = nullptr;
    // 0 to 3: brouillon, basse, normale, haute.
    std::array<QRadioButton *, 4> m_quality{};
    QRadioButton *m_monochrome = nullptr;
    QRadioButton *m_color = nullptr;
    QRadioButton *m_portrait = nullptr;
    QRadioButton *m_landscape = nullptr;
    std::array<QLabel *, 3> m_customLabels{};
    std::array<DigitField *, 2> m_textA{};
    std::array<DigitField *, 4> m_text1{};
    std::array<DigitField *, 2> m_text2{};
    std::array<DigitField *, 2> m_text3{};
    QCheckBox *m_check1 = nullptr;
    QLabel *m_description = nullptr;
    std::array<QPushButton *, 4> m_command1{};
    std::array<QPushButton *, 3> m_command2{};
    QPushButton *m_pdf = nullptr;
    QPushButton *m_calibrate = nullptr;
    QLineEdit *m_search = nullptr;
    // Which formats the list shows under the search.
    FormatFilter m_filter;
};
