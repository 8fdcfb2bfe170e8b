// The print dialog: its controls, their input rules, the settings it keeps,
// its buttons, and the PDF it writes.
#include "printing/DigitField.h"
#include "printing/PaperSizes.h"
#include "printing/PrintProgress.h"
#include "printing/frmPrint.h"

#include "platform/CommonDialog.h"
#include "platform/ScriptedPrompts.h"
#include "platform/Shell.h"

#include "PdfTools.h"
#include "TestSupport.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QProgressDialog>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTimer>
#include <QtTest>

using namespace Qt::StringLiterals;

namespace {

struct OpenedShell : Shell {
    QStringList opened;
    bool open(const QString &target) override { return opened.append(target), true; }
};

struct Fixture {
    TestSupport::TempAppDir dir;
    ScriptedPrompts prompts;
    OpenedShell shell;
    CommonDialog dialog{&prompts};
    QWidget frame;
    std::unique_ptr<frmPrint> print;

    explicit Fixture(const QByteArray &formats = {})
    {
        if (!formats.isNull())
            dir.writeFile(u"formats.ini"_s, formats);
        Services services;
        services.appDir = dir.path();
        services.prompts = &prompts;
        services.shell = &shell;
        print = std::make_unique<frmPrint>(services, dialog, [](QDialog &) { return 0; }, &frame);
        CardDocument card;
        card.Label(1)->setCaption(u"Carte d'essai"_s);
        print->setCard(card, u"Essai"_s, QPalette());
    }
    void type(QLineEdit *field, const QString &text)
    {
        field->setText(text);
        emit field->textEdited(text);
    }
    QString lastMessage() const { return prompts.messages.empty() ? QString() : prompts.messages.back().text; }
};

} // namespace

class TestPrintDialog : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void controlsAndInitialTexts();
    void numericFieldsTakeOnlyDigits();
    void settingsFollowTheControls();
    void settingsKeptWhileHidden();
    void formatButtonsAndRefusals();
    void pdfButton();
    void longJobShowsProgressAndCancels();
};

void TestPrintDialog::initTestCase()
{
    // No printer: a scheduler that does not exist.
    qputenv("CUPS_SERVER", QFile::encodeName(QDir::temp().filePath(u"aucun-cupsd/cups.sock"_s)));
}

void TestPrintDialog::controlsAndInitialTexts()
{
    Fixture f;
    frmPrint &p = *f.print;
    QCOMPARE(p.windowTitle(), u"Imprimer le projet"_s);
    QStringList tabs;
    for (int i = 0; i < p.tabs()->count(); ++i)
        tabs << p.tabs()->tabText(i);
    QCOMPARE(tabs, QStringList({u"Propriétés"_s, u"Mise en page"_s, u"Format papier"_s}));
    QCOMPARE(p.tabs()->currentIndex(), 0);

    QStringList papers;
    for (int i = 0; i < p.Combo1()->count(); ++i)
        papers << p.Combo1()->itemText(i);
    QCOMPARE(papers, PaperSizes::itemTexts());
    QCOMPARE(p.Combo1()->currentText(), u"Format A4 (210 x 297 mm)"_s);
    QVERIFY(p.standardOption()->isChecked() && !p.TextA(0)->isEnabled());
    QCOMPARE(p.TextA(0)->text() + p.TextA(1)->text(), u"210297"_s);
    QCOMPARE(p.qualityOption(2)->text(), u"Résolution normale"_s);
    QVERIFY(p.qualityOption(2)->isChecked() && p.colorOption(true)->isChecked());
    QVERIFY(p.orientationOption(false)->isChecked() && !p.Check1()->isChecked());
    const QStringList fields = {p.Text3(0)->text(), p.Text3(1)->text(), p.Text1(0)->text(), p.Text1(1)->text(),
                                p.Text1(2)->text(), p.Text1(3)->text(), p.Text2(0)->text(), p.Text2(1)->text()};
    QCOMPARE(fields.join(u','), u"1,100,10,10,10,10,1,1"_s);
    QCOMPARE(p.description()->text(), SheetFormats::initialDescription());
    QVERIFY(f.prompts.messages.empty()); // a missing formats file says nothing

    const QList<std::pair<QPushButton *, QString>> buttons = {
        {p.Command1(0), u"Aperçu|Aperçu avant impression"_s},
        {p.Command1(1), u"Imprimer|Imprimer le projet"_s},
        {p.pdfButton(), u"PDF...|Enregistrer les planches dans un fichier PDF"_s},
        {p.Command1(2), u"Annuler|Retour menu"_s},
        {p.Command1(3), u"Aide|Afficher l'aide"_s},
        {p.Command2(0), u"Editer|Editer le fichier des formats"_s},
        {p.Command2(1), u"Sauver|Enregistrer un nouveau format"_s},
        {p.Command2(2), u"Charger|Charger le fichier des formats"_s},
    };
    for (const auto &[button, texts] : buttons)
        QCOMPARE(button->text() + u'|' + button->toolTip(), texts);
}

void TestPrintDialog::numericFieldsTakeOnlyDigits()
{
    Fixture f;
    f.print->show();
    QVERIFY(QTest::qWaitForWindowExposed(f.print.get()));
    f.print->tabs()->setCurrentIndex(1);
    DigitField *x = f.print->Text1(0);
    x->setFocus();
    x->setCursorPosition(2);
    QTest::keyClicks(x, u"1.2,3a-"_s);
    QTest::keyClick(x, Qt::Key_Backspace);
    QTest::keyClick(x, Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(x->text(), u"10123"_s);
    QCOMPARE(f.print->settings().formats().field(SheetFields::X), u"10123"_s);
    // A click selects the whole field: typing replaces it. Delete works.
    QTest::mouseClick(x, Qt::LeftButton, {}, QPoint(4, x->height() / 2));
    QCOMPARE(x->selectedText(), u"10123"_s);
    QTest::keyClicks(x, u"7"_s);
    QTest::keyClick(x, Qt::Key_Home);
    QTest::keyClick(x, Qt::Key_Delete);
    QCOMPARE(x->text(), QString());
}

void TestPrintDialog::settingsFollowTheControls()
{
    Fixture f("Avery | 15.13.10.0.2.5.850.540.9\r\nLettre | 5.6.0.0.2.4.889.508.1\r\n");
    frmPrint &p = *f.print;
    QCOMPARE(p.Combo2()->count(), 2);
    QCOMPARE(p.Text1(0)->text(), u"15"_s);
    QVERIFY(p.description()->text().endsWith(u"\r\nFormat de la carte : 85 x 54 mm\r\nPapier : Format A4 (210 x 297 mm)"_s));
    // Choosing a line fills the fields and chooses its paper.
    emit p.Combo2()->activated(1);
    QCOMPARE(p.Text1(1)->text(), u"6"_s);
    QCOMPARE(p.Combo1()->currentIndex(), 0);
    // The custom option enables its fields and makes the code 256.
    p.customOption()->click();
    QVERIFY(p.TextA(0)->isEnabled() && !p.Combo1()->isEnabled());
    QCOMPARE(p.settings().paperCode(), 256);
    p.standardOption()->click();
    emit p.Combo1()->activated(10);
    QCOMPARE(p.settings().paperCode(), 11);
    p.qualityOption(3)->click();
    p.colorOption(false)->click();
    p.orientationOption(true)->click();
    p.Check1()->click();
    const PrintSettings &s = p.settings();
    QVERIFY(s.quality() == -4 && s.colorMode() == 1 && s.orientation() == 2 && s.noCutMarks());
}

void TestPrintDialog::settingsKeptWhileHidden()
{
    Fixture f;
    f.frame.setGeometry(100, 80, 900, 700);
    f.frame.show();
    frmPrint &p = *f.print;
    p.show();
    QVERIFY(QTest::qWaitForWindowExposed(&p));
    // Centred over the frame.
    const QRect frame = f.frame.frameGeometry();
    QVERIFY(qAbs(p.x() - (frame.left() + frame.width() / 2 - p.width() / 2)) <= 1);
    QVERIFY(qAbs(p.y() - (frame.top() + frame.height() / 2 - p.height() / 2)) <= 1);

    f.type(p.Text3(0), u"4"_s);
    p.qualityOption(0)->click();
    p.Command1(2)->click(); // "Annuler" hides it
    QVERIFY(!p.isVisible());
    p.show();
    QCOMPARE(p.Text3(0)->text(), u"4"_s);
    QVERIFY(p.qualityOption(0)->isChecked());
}

void TestPrintDialog::formatButtonsAndRefusals()
{
    Fixture f;
    frmPrint &p = *f.print;
    p.Command2(2)->click(); // "Charger" without a file
    QCOMPARE(f.lastMessage(), u"le fichier des formats est inexistant."_s);
    f.prompts.queueCancel();
    p.Command2(1)->click(); // "Sauver", cancelled
    QVERIFY(!QFile::exists(f.dir.filePath(u"formats.ini"_s)));
    f.prompts.queueInput(u"Maison"_s);
    p.Command2(1)->click();
    QCOMPARE(f.dir.readFile(u"formats.ini"_s), QByteArray("Maison | 10.10.10.10.1.1\r\n"));
    QCOMPARE(p.Combo2()->itemText(0), u"Maison | 10.10.10.10.1.1"_s);
    p.Command2(0)->click();
    p.Command1(3)->click();
    QCOMPARE(f.shell.opened, QStringList({f.dir.filePath(u"formats.ini"_s), f.dir.filePath(u"Aide.chm"_s)}));

    // A field left empty is named; without a printer the job fails.
    f.type(p.Text1(2), QString());
    p.Command1(1)->click();
    QCOMPARE(f.lastMessage(), u"Le champ \"Séparateur horizontal\" doit contenir un nombre entier de 0 à 32767."_s);
    QCOMPARE(f.prompts.messages.back().style, Msg::OkOnly | Msg::Exclamation);
    f.type(p.Text1(2), u"0"_s);
    p.Command1(1)->click();
    QCOMPARE(f.lastMessage(), frmPrint::printFailureText());
    QCOMPARE(f.prompts.messages.back().title, u"Erreur"_s);
    QCOMPARE(f.prompts.messages.back().style, Msg::OkOnly | Msg::Critical);
    QVERIFY(!QGuiApplication::overrideCursor());
}

void TestPrintDialog::pdfButton()
{
    if (!PdfTools::available())
        QSKIP("poppler-utils is not installed: run scripts/deps.sh");
    Fixture f;
    frmPrint &p = *f.print;
    f.type(p.Text3(0), u"2"_s);
    // ".pdf" is added to a name typed without it.
    f.prompts.queueFile(f.dir.filePath(u"planches"_s));
    p.pdfButton()->click();
    const QString pdf = f.dir.filePath(u"planches.pdf"_s);
    QCOMPARE(PdfTools::pageCount(pdf), 2);
    QVERIFY(PdfTools::text(pdf).contains(u"Carte d'essai"_s));
    const CommonDialog &asked = f.prompts.dialogs.back().snapshot;
    QCOMPARE(asked.FileName + u'|' + asked.DialogTitle + u'|' + asked.Filter,
             u"Essai.pdf|Enregistrer les planches au format PDF|Document PDF (*.pdf)|*.pdf|"_s);

    // Then it asks before replacing that file; "Non" keeps it.
    QVERIFY(TestSupport::writeBytes(pdf, "gardé"));
    f.prompts.queueFile(f.dir.filePath(u"planches"_s));
    f.prompts.queueMessage(Msg::No);
    p.pdfButton()->click();
    QCOMPARE(f.lastMessage(), u"Le fichier \"planches.pdf\" existe déjà.\r\nVoulez-vous le remplacer ?"_s);
    QCOMPARE(TestSupport::readBytes(pdf), QByteArray("gardé"));
    const QString lost = f.dir.filePath(u"absent/carte.pdf"_s);
    f.prompts.queueFile(lost);
    p.pdfButton()->click();
    QCOMPARE(f.lastMessage(), frmPrint::pdfFailureText(lost));
}

void TestPrintDialog::longJobShowsProgressAndCancels()
{
    Fixture f;
    frmPrint &p = *f.print;
    p.show();
    QVERIFY(QTest::qWaitForWindowExposed(&p));
    f.type(p.Text3(0), u"50"_s);
    const QString pdf = f.dir.filePath(u"long.pdf"_s);
    f.prompts.queueFile(pdf);
    // Between sheets the events run: the progress shows under the
    // hourglass, and its "Annuler" stops the job.
    QString label;
    Qt::CursorShape shape = Qt::ArrowCursor;
    QTimer::singleShot(0, &p, [&] {
        auto *progress = p.findChild<QProgressDialog *>();
        QVERIFY(progress);
        label = progress->labelText();
        shape = QGuiApplication::overrideCursor() ? QGuiApplication::overrideCursor()->shape() : Qt::ArrowCursor;
        progress->cancel();
    });
    p.pdfButton()->click();
    QCOMPARE(label, PrintProgress::labelText(1, 50));
    QCOMPARE(shape, Qt::WaitCursor);
    QVERIFY(!QFile::exists(pdf) && f.prompts.messages.empty());
    QVERIFY(!QGuiApplication::overrideCursor() && !p.findChild<QProgressDialog *>());
    // Three sheets or fewer show none.
    QVERIFY(!PrintProgress(3, frmPrint::ProgressThreshold, &p).dialog());
}

QTEST_MAIN(TestPrintDialog)
#include "tst_printdialog.moc"
