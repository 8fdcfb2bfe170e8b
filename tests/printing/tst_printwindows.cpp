// The print dialog and its preview: digits-only fields, the settings
// following the controls and kept while hidden, buttons and refusals, the
// PDF and a long job's progress; the preview's navigation and placement
// arithmetic, the pages it renders, its window, scrolling and rulers.
#include "printing/DigitField.h"
#include "printing/PageNavigator.h"
#include "printing/PageSurface.h"
#include "printing/PreviewGeometry.h"
#include "printing/frmPage.h"
#include "printing/frmPrint.h"

#include "platform/CommonDialog.h"
#include "platform/ScriptedPrompts.h"
#include "platform/Shell.h"
#include "platform/Units.h"
#include "widgets/Ruler.h"

#include "PdfTools.h"
#include "TestSupport.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QProgressDialog>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTimer>
#include <QtTest>

using namespace Qt::StringLiterals;

namespace {

struct OpenedShell : Shell {
    QStringList opened;
    bool open(const QString &target) override { return opened.append(target), true; }
};

// A print dialog over a formats file; its card has a label, or (marked)
// only a red square logo in its top-left corner that shows where the cards
// are. Modal windows are recorded, the preview handed to onPreview.
struct Fixture {
    TestSupport::TempAppDir dir;
    ScriptedPrompts prompts;
    OpenedShell shell;
    CommonDialog dialog{&prompts};
    QWidget frame;
    QStringList modal;
    std::function<void(frmPage &)> onPreview;
    std::unique_ptr<frmPrint> print;

    explicit Fixture(const QByteArray &formats = {}, bool marked = false)
    {
        if (!formats.isNull())
            dir.writeFile(u"formats.ini"_s, formats);
        Services services{dir.path(), &prompts, &shell, nullptr, {}, nullptr};
        print = std::make_unique<frmPrint>(services, dialog, [this](QDialog &d) {
            modal.append(QString::fromLatin1(d.metaObject()->className()));
            if (auto *page = qobject_cast<frmPage *>(&d); page && onPreview)
                onPreview(*page);
            return int(QDialog::Rejected);
        }, &frame);
        CardData card = marked ? TestSupport::redCornerCard() : CardData();
        card.Label(1)->setCaption(u"Carte d'essai"_s);
        print->setCard(card, u"Essai"_s, QPalette());
    }
    void setSheets(int sheets) { print->settings().setSheetsText(QString::number(sheets)); }
    void type(QLineEdit *field, const QString &text)
    {
        field->setText(text);
        emit field->textEdited(text);
    }
    template <typename T>
    T *control(const QString &text) const
    {
        for (T *w : print->findChildren<T *>())
            if (w->text() == text)
                return w;
        return nullptr;
    }
    QString lastMessage() const { return prompts.messages.empty() ? QString() : prompts.messages.back().text; }
};

// Whether the preview page (15 twips per pixel) is red at a point in mm.
bool red(const QImage &page, double xMm, double yMm)
{
    const QRgb c = page.pixel(int(xMm * Units::TwipsPerMm / 15), int(yMm * Units::TwipsPerMm / 15));
    return qRed(c) > 230 && qGreen(c) < 30 && qBlue(c) < 30;
}

} // namespace

class TestPrintWindows : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void fieldsAndSettings();
    void buttonsAndRefusals();
    void searchingTheFormats();
    void pdfAndProgress();
    void navigationAndPlaces();
    void preview();
};

void TestPrintWindows::initTestCase()
{
    qputenv("CUPS_SERVER", QFile::encodeName(QDir::temp().filePath(u"aucun-cupsd/cups.sock"_s)));
}

void TestPrintWindows::fieldsAndSettings()
{
    Fixture f("Avery | 15.13.10.0.2.5.850.540.9\r\nLettre | 5.6.0.0.2.4.889.508.1\r\n");
    frmPrint &p = *f.print;
    f.frame.setGeometry(100, 80, 900, 700);
    f.frame.show();
    p.show();
    QVERIFY(QTest::qWaitForWindowExposed(&p));
    DigitField *x = p.Text1(0);
    x->setFocus();
    x->setCursorPosition(2);
    QTest::keyClicks(x, u"1.2,3a-"_s);
    QTest::keyClick(x, Qt::Key_Backspace);
    QCOMPARE(x->text(), u"15123"_s);
    QCOMPARE(p.settings().formats().fields()[SheetFields::X], u"15123"_s);
    emit p.Combo2()->activated(1);
    QVERIFY(p.Text1(1)->text() == u"6"_s && p.Combo1()->currentIndex() == 0 && p.settings().paperCode() == 1);
    f.control<QRadioButton>(u"Personnalisé :"_s)->click();
    QVERIFY(p.TextA(0)->isEnabled() && !p.Combo1()->isEnabled() && p.settings().paperCode() == 256);
    f.control<QRadioButton>(u"Paysage"_s)->click();
    f.control<QRadioButton>(u"Noir et blanc"_s)->click();
    p.Check1()->click();
    f.type(p.Text3(0), u"4"_s);
    p.Command1(2)->click();
    QVERIFY(!p.isVisible());
    const PrintSettings &s = p.settings();
    QVERIFY(s.colorMode() == 1 && s.orientation() == 2 && s.noCutMarks() && s.paperCode() == 256);
    p.show();
    QCOMPARE(p.Text3(0)->text(), u"4"_s);
}

void TestPrintWindows::buttonsAndRefusals()
{
    Fixture f;
    frmPrint &p = *f.print;
    p.Command2(0)->click(); // "Editer"
    QVERIFY(f.dir.writeFile(u"Aide/impression.html"_s, "<html>"));
    p.Command1(3)->click(); // "Aide": its own page
    QCOMPARE(f.shell.opened, QStringList({f.dir.filePath(u"formats.ini"_s), f.dir.filePath(u"Aide/impression.html"_s)}));
    f.type(p.Text1(2), QString());
    p.Command1(1)->click();
    QCOMPARE(f.lastMessage(), u"Le champ \"Séparateur horizontal\" doit contenir un nombre entier de 0 à 32767."_s);
    f.type(p.Text1(2), u"0"_s);
    p.Command1(1)->click(); // no print server
    QCOMPARE(f.lastMessage(), u"Le serveur d'impression est injoignable."_s);
    QVERIFY(f.prompts.messages.back().style == (Msg::OkOnly | Msg::Critical) && !QGuiApplication::overrideCursor());
}

void TestPrintWindows::searchingTheFormats()
{
    // The search hides lines: a shown row selects its own format, Enter the
    // first shown; "Sauver" still writes every format of the file.
    const QByteArray file("Avery 5371 | 19.13.0.0.2.5.889.508.1\r\nGeha P68 | 15.13.10.18.2.4.850.540.9\r\n"
                          "Geha P70 | 15.13.10.0.2.5.850.540.9\r\n");
    Fixture f(file);
    frmPrint &p = *f.print;
    QCOMPARE(p.search()->placeholderText(), u"Rechercher (code ou mots)"_s);
    p.search()->setText(u"geha"_s);
    QVERIFY(p.Combo2()->count() == 2 && p.Combo2()->currentIndex() == -1);
    QCOMPARE(p.Combo2()->placeholderText(), u"2 formats trouvés : choisissez-en un dans la liste."_s);
    emit p.Combo2()->activated(1);
    QVERIFY(p.settings().formats().selectedIndex() == 2 && p.Text1(3)->text() == u"0"_s);
    p.search()->setText(u"P68"_s);
    emit p.search()->returnPressed();
    QVERIFY(p.settings().formats().selectedIndex() == 1 && p.Combo2()->currentIndex() == 0);
    f.prompts.queueInput(u"Nouveau"_s);
    p.Command2(1)->click();
    QCOMPARE(f.dir.readFile(u"formats.ini"_s), file + "Nouveau | 15.13.10.18.2.4.850.540.9\r\n");
    QVERIFY(p.Combo2()->count() == 1 && p.settings().formats().items().size() == 4);
}

void TestPrintWindows::pdfAndProgress()
{
    if (!PdfTools::available())
        QSKIP("poppler-utils is not installed: run scripts/deps.sh");
    Fixture f;
    frmPrint &p = *f.print;
    QPushButton *pdf = f.control<QPushButton>(u"PDF..."_s);
    f.type(p.Text3(0), u"2"_s);
    f.prompts.queueFile(f.dir.filePath(u"planches"_s));
    pdf->click();
    const QString path = f.dir.filePath(u"planches.pdf"_s);
    QCOMPARE(PdfTools::pageCount(path), 2);
    QVERIFY(PdfTools::text(path).contains(u"Carte d'essai"_s));
    QCOMPARE(f.prompts.dialogs.back().snapshot.FileName, u"Essai.pdf"_s);
    QVERIFY(TestSupport::writeBytes(path, "gardé"));
    f.prompts.queueFile(f.dir.filePath(u"planches"_s));
    f.prompts.queueMessage(Msg::No);
    pdf->click();
    QCOMPARE(f.lastMessage(), u"Le fichier \"planches.pdf\" existe déjà.\r\nVoulez-vous le remplacer ?"_s);
    QCOMPARE(TestSupport::readBytes(path), QByteArray("gardé"));
    const QString lost = f.dir.filePath(u"absent/carte.pdf"_s);
    f.prompts.queueFile(lost);
    pdf->click();
    QVERIFY(f.lastMessage().contains(lost));

    p.show();
    QVERIFY(QTest::qWaitForWindowExposed(&p));
    f.type(p.Text3(0), u"50"_s);
    const QString longPdf = f.dir.filePath(u"long.pdf"_s);
    f.prompts.queueFile(longPdf);
    QString label;
    Qt::CursorShape shape = Qt::ArrowCursor;
    QTimer::singleShot(0, &p, [&] {
        auto *progress = p.findChild<QProgressDialog *>();
        QVERIFY(progress);
        label = progress->labelText();
        shape = QGuiApplication::overrideCursor() ? QGuiApplication::overrideCursor()->shape() : Qt::ArrowCursor;
        progress->cancel();
    });
    const size_t messages = f.prompts.messages.size();
    pdf->click();
    QVERIFY(label.contains(u"1"_s) && label.contains(u"50"_s) && shape == Qt::WaitCursor);
    QVERIFY(!QFile::exists(longPdf) && f.prompts.messages.size() == messages);
    QVERIFY(!QGuiApplication::overrideCursor() && !p.findChild<QProgressDialog *>());
}

void TestPrintWindows::navigationAndPlaces()
{
    // N sheets have N + 1 surfaces, the last not shown; one sheet has one.
    PageNavigator three(4), one(1);
    QVERIFY(three.navigate(PageNavigator::Last) == 3 && three.navigate(7) == 3 && three.navigate(PageNavigator::Next) == 3);
    QVERIFY(one.navigate(PageNavigator::Last) == 1 && one.counterText() == u"Page 01/01"_s);
    QCOMPARE(PageNavigator::counterText(7, 120), u"Page 07/120"_s);

    const PreviewGeometry g(QSizeF(11907, 16839), QSizeF(19200, 14400));
    QCOMPARE(g.pageRect(0), QRectF(3646.5, 700, 11907, 16839));
    QCOMPARE(g.horizontalRuler(0), QRectF(3646.5, 350, 11907, 300));
    QCOMPARE(g.verticalRuler(1000), QRectF(3286.5, -300, 300, 16839));
    QCOMPARE(g.scrollMaximum(), 700 + 16839 + 700 - 14400);
    QVERIFY(g.smallStep() == 3839 / 20 + 1 && g.largeStep() == 3839 / 5 + 1 && g.scrollEnabled());
    const PreviewGeometry shortPage(QSizeF(8000, 5000), QSizeF(19200, 14400));
    QVERIFY(shortPage.scrollMaximum() == 0 && !shortPage.scrollEnabled());
    const PreviewGeometry::Navigation n = PreviewGeometry::navigation(19200, 1500, 450);
    QCOMPARE(QList<double>({n.first, n.previous, n.counter, n.next, n.last}),
             QList<double>({7600, 8200, 8850, 10550, 11150}));
}

void TestPrintWindows::preview()
{
    Fixture f("Grille | 10.15.0.0.2.5\r\n", true);
    f.setSheets(3);
    QList<QImage> sheets;
    QString caption;
    int printed = 0;
    f.onPreview = [&](frmPage &page) {
        sheets.clear();
        for (int i = 1; i <= page.pageCount(); ++i)
            sheets << page.Page(i)->grab().toImage().convertToFormat(QImage::Format_RGB32);
        caption = page.windowTitle();
        if (sheets.size() < 4)
            return;
        page.onPrint = [&printed] { ++printed; };
        page.show();
        QVERIFY(QTest::qWaitForWindowExposed(&page));
        QTest::mouseClick(page.Bouton(5), Qt::LeftButton);
        QVERIFY(page.LabelA()->text() == u"Page 03/03"_s && page.Page(3)->isVisible() && !page.Page(1)->isVisible());
        QTest::mouseClick(page.Bouton(2), Qt::LeftButton);
        QVERIFY(page.LabelA()->text() == u"Page 01/03"_s && page.Page(1)->isVisible());
        PageSurface *sheet = page.Page(1);
        Ruler *across = page.Regle(0);
        QVERIFY(sheet->y() == 47 && across->geometry() == QRect(sheet->x(), 23, sheet->width(), 20));
        QCOMPARE(page.Regle(1)->geometry(), QRect(sheet->x() - 24, 47, 20, sheet->height()));
        page.VScroll1()->setValue(1500);
        QVERIFY(sheet->y() == 47 - 100 && across->y() == 23 - 100);
        QTest::mouseClick(page.Check1(), Qt::LeftButton, {}, QPoint(5, page.Check1()->height() / 2));
        QVERIFY(across->isMovable());
        across->move(across->pos() + QPoint(30, 200));
        page.VScroll1()->setValue(0);
        QCOMPARE(across->pos(), QPoint(sheet->x() + 30, 23 - 100 + 200));
        QTest::mouseDClick(sheet, Qt::LeftButton, {}, QPoint(100, 100));
        QCOMPARE(across->geometry(), QRect(sheet->x(), 23, sheet->width(), 20));
        QTest::mouseClick(page.Bouton(1), Qt::LeftButton);
        QTest::mouseClick(page.Bouton(6), Qt::LeftButton);
        QVERIFY(!page.isVisible());
    };
    QVERIFY(f.print->Aperçu());
    QVERIFY(printed == 1 && !QGuiApplication::overrideCursor());
    QCOMPARE(f.modal, QStringList({u"frmPage"_s}));
    QCOMPARE(caption, u"Aperçu avant impression - [Essai]"_s);
    QCOMPARE(sheets.size(), 4);
    QVERIFY(sheets[1] == sheets[0] && sheets[2] == sheets[0] && sheets[3] != sheets[0]);
    const QImage &first = sheets[0];
    QCOMPARE(first.size(), QSize(794, 1123));
    for (double x : {10, 94})
        for (double y : {15, 69, 123, 177, 231})
            QVERIFY(red(first, x + 0.5, y + 0.5) && !red(first, x - 0.5, y + 0.5) && !red(first, x + 0.5, y - 0.5));
    QCOMPARE(first.pixel(5, 5), qRgb(255, 255, 255));
    f.setSheets(1);
    f.print->settings().setOrientation(PrintSettings::Landscape);
    QVERIFY(f.print->Aperçu() && sheets.size() == 1 && sheets[0].size() == QSize(1123, 794));

    f.print->settings().setCustomText(0, u"5000"_s);
    f.print->settings().setCustomText(1, u"5000"_s);
    QVERIFY(!f.print->Aperçu());
    QVERIFY(f.prompts.messages.back().text.startsWith(u"L'aperçu avant impression n'est pas possible."_s));
    f.print->settings().setCustomPaper(false);
    f.print->settings().setSheetsText(u"0"_s);
    QVERIFY(!f.print->Aperçu() && f.prompts.messages.back().text.startsWith(u"Le champ \"Nombre total de pages\""_s));
    QCOMPARE(f.modal.size(), 2);
}

QTEST_MAIN(TestPrintWindows)
#include "tst_printwindows.moc"
