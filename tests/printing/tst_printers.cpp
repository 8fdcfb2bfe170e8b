// Real printers through a CUPS scheduler of the test's own, with two
// cups-pdf queues: the printer chosen in the set-up is the one jobs land
// on, from one run to the next, and a printer gone away falls back to the
// default one; a refused job says why; a printer's calibration moves and
// scales what it prints, and only that.
#include "printing/PrinterCalibration.h"
#include "printing/SheetPrinter.h"
#include "printing/frmCalibration.h"
#include "printing/frmPrint.h"

#include "platform/AppPaths.h"
#include "platform/CommonDialog.h"
#include "platform/ProfileFile.h"
#include "platform/ScriptedPrompts.h"

#include "PdfTools.h"
#include "PrivateCups.h"
#include "TestSupport.h"

#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

using namespace Qt::StringLiterals;

namespace {

// A print dialog on its own application folder; its card is a red square
// logo in its top-left corner that shows where the cards land.
struct Fixture {
    TestSupport::TempAppDir dir;
    ScriptedPrompts prompts;
    CommonDialog dialog{&prompts};
    std::function<int(QDialog &)> onModal;
    QStringList said;
    std::unique_ptr<frmPrint> print;

    Fixture()
    {
        dir.writeFile(u"formats.ini"_s, "Avery | 15.13.10.0.2.5.850.540.9\r\n");
        open();
    }
    // A new print dialog on the same folder: the program started again.
    void open()
    {
        Services services{dir.path(), &prompts, nullptr, nullptr, {}, nullptr};
        print = std::make_unique<frmPrint>(services, dialog, [this](QDialog &d) {
            return onModal ? onModal(d) : int(QDialog::Rejected);
        });
        print->setStatusReporter([this](const QString &text) { said.append(text); });
        print->setCard(TestSupport::redCornerCard(), u"Essai"_s, QPalette());
    }
    QString setting(const QString &section, const QString &key) const
    {
        return ProfileFile::readOne(AppPaths::settingsFile(dir.path()), section, key);
    }
    QString lastMessage() const { return prompts.messages.empty() ? QString() : prompts.messages.back().text; }
};

// The top-left corner of the first red area of a page rendered at `dpi`,
// in millimetres.
QPointF redCorner(const QImage &page, int dpi)
{
    int left = page.width(), top = page.height();
    for (int y = 0; y < page.height(); ++y) {
        for (int x = 0; x < page.width(); ++x) {
            const QRgb c = page.pixel(x, y);
            if (qRed(c) > 200 && qGreen(c) < 80 && qBlue(c) < 80)
                left = std::min(left, x), top = std::min(top, y);
        }
    }
    return QPointF(left, top) * 25.4 / dpi;
}

// The PDF cups-pdf makes of a job titled `title` (its name starts with
// the title), once it is whole.
QString printedPdf(const QString &title)
{
    for (int i = 0; i < 300; ++i) {
        const QDir folder(PrivateCups::outputFolder());
        for (const QString &name : folder.entryList({title + u"*.pdf"_s}, QDir::Files)) {
            if (PdfTools::pageCount(folder.filePath(name)) >= 1)
                return folder.filePath(name);
        }
        QTest::qWait(100);
    }
    return {};
}

} // namespace

class TestPrinters : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void calibrationArithmetic();
    void choiceSurvivesARestart();
    void calibratedJob();
    void refusedJobSaysWhy();
    void gonePrinterFallsBack();

private:
    PrivateCups m_cups;
};

void TestPrinters::initTestCase()
{
    if (!PrivateCups::unavailableReason().isEmpty())
        QSKIP(qPrintable(PrivateCups::unavailableReason()));
    QString error;
    QVERIFY2(m_cups.start(u"Essai"_s, 30000, error) && m_cups.addQueue(u"Bureau"_s, error), qPrintable(error));
    // Before the first question to CUPS: libcups reads it once.
    qputenv("CUPS_SERVER", QFile::encodeName(m_cups.socketPath()));
    QDir(PrivateCups::outputFolder()).removeRecursively();
}

void TestPrinters::calibrationArithmetic()
{
    // Measured 21.5 mm, 19 mm and a 101 mm square: drawn 1.5 mm left, 1 mm
    // lower, at 990 per mille.
    QString error;
    const auto c = PrinterCalibration::fromMeasures(u"21,5"_s, u"19"_s, u"101.0"_s, &error);
    QVERIFY(c && c->offsetX == -15 && c->offsetY == 10 && c->scale == 990);
    QCOMPARE(c->transform(10).map(QPointF(1000, 500)), QPointF(-15 + 990, 10 + 495));
    for (const auto &[x, side] : {std::pair(u"vingt"_s, u"100"_s), {u"71"_s, u"100"_s}, {u"-1"_s, u"100"_s}, {u"20"_s, u"79"_s}}) {
        QVERIFY(!PrinterCalibration::fromMeasures(x, u"20"_s, side, &error));
        QCOMPARE(error, u"Les mesures sont des millimètres : de 0 à 70 pour les distances aux lignes, "
                        "de 80 à 125 pour le côté du carré."_s);
    }
    // Stored per queue beside the other settings; none removes the section;
    // a value out of bounds is no calibration.
    Fixture f;
    QVERIFY(ProfileFile::writeOne(AppPaths::settingsFile(f.dir.path()), u"MENU"_s, u"Outils"_s, u"Vrai"_s));
    QVERIFY(c->write(f.dir.path(), u"Bureau"_s));
    QCOMPARE(f.setting(u"CALIBRATION Bureau"_s, u"DecalageX"_s) + f.setting(u"CALIBRATION Bureau"_s, u"Echelle"_s),
             u"-15990"_s);
    QCOMPARE(PrinterCalibration::read(f.dir.path(), u"Bureau"_s).offsetY, 10);
    QVERIFY(PrinterCalibration::read(f.dir.path(), u"Essai"_s).isNone());
    QVERIFY(PrinterCalibration().write(f.dir.path(), u"Bureau"_s));
    const ProfileFile file(AppPaths::settingsFile(f.dir.path()));
    QCOMPARE(file.sections(), QStringList({u"MENU"_s}));
    QVERIFY(ProfileFile::writeOne(AppPaths::settingsFile(f.dir.path()), u"CALIBRATION Bureau"_s, u"Echelle"_s, u"5000"_s));
    QVERIFY(PrinterCalibration::read(f.dir.path(), u"Bureau"_s).isNone());
}

void TestPrinters::choiceSurvivesARestart()
{
    // The set-up lists both queues, the default one selected, with the
    // print dialog's paper and orientation; the choice comes back into it.
    Fixture f;
    f.print->settings().setOrientation(2);
    f.prompts.queueDialog([](CommonDialog &d) {
        d.PrinterName = u"Bureau"_s, d.PaperSize = 11, d.Orientation = 1;
        return true;
    });
    f.print->printerSetup();
    const CommonDialog &shown = f.prompts.dialogs.back().snapshot;
    QVERIFY(shown.Printers.contains(u"Essai"_s) && shown.Printers.contains(u"Bureau"_s));
    QVERIFY(shown.PrinterName == u"Essai"_s && shown.PaperSize == 9 && shown.Orientation == 2 && shown.Flags == 0x240);
    QVERIFY(f.print->settings().paperCode() == 11 && f.print->settings().orientation() == 1);
    QCOMPARE(f.setting(u"IMPRESSION"_s, u"Imprimante"_s), u"Bureau"_s);

    // Started again: the remembered printer is selected and prints.
    f.open();
    f.print->printerSetup();
    QCOMPARE(f.prompts.dialogs.back().snapshot.PrinterName, u"Bureau"_s);
    const int before = int(m_cups.jobs(u"Bureau"_s).size());
    QVERIFY(f.print->Imprimer());
    QCOMPARE(int(m_cups.jobs(u"Bureau"_s).size()), before + 1);
    QCOMPARE(f.said, QStringList({u"Impression envoyée à Bureau (1 planche(s))."_s}));
}

void TestPrinters::calibratedJob()
{
    if (!PdfTools::available())
        QSKIP("poppler-utils is not installed: run scripts/deps.sh");
    // Through the dialog: the calibration sheet is printed, then the
    // measures are refused until they make sense, then saved.
    Fixture f;
    QString error;
    bool sheetPrinted = false;
    f.onModal = [&](QDialog &d) {
        auto &calibration = dynamic_cast<frmCalibration &>(d);
        calibration.printButton()->click();
        sheetPrinted = !f.said.isEmpty() && f.said.back().startsWith(u"Impression envoyée à Essai"_s);
        calibration.measure(0)->setText(u"15"_s);
        calibration.measure(1)->setText(u"23"_s);
        calibration.saveButton()->click();
        calibration.measure(2)->setText(u"90,9"_s);
        calibration.saveButton()->click();
        return calibration.result();
    };
    f.print->calibrateButton()->click();
    QVERIFY(sheetPrinted);
    // Its lines 20 mm from the left and top edges, its 100 mm square from 40 mm.
    const QImage sheet = PdfTools::render(printedPdf(u"Calibration"_s), 1, 100);
    const auto dark = [&sheet](double xMm, double yMm) {
        for (int dx = -2; dx <= 2; ++dx) {
            for (int dy = -2; dy <= 2; ++dy) {
                if (qGray(sheet.pixel(int(xMm / 25.4 * 100) + dx, int(yMm / 25.4 * 100) + dy)) < 100)
                    return true;
            }
        }
        return false;
    };
    QVERIFY(dark(20, 10) && dark(10, 20) && dark(90, 40) && dark(140, 90) && dark(90, 140) && !dark(30, 30)
            && !dark(25, 10) && !dark(90, 45));
    QCOMPARE(f.prompts.messages.size(), size_t(1));
    QCOMPARE(f.prompts.messages.back().title, u"Calibrer l'imprimante"_s);
    const PrinterCalibration c = PrinterCalibration::read(f.dir.path(), u"Essai"_s);
    QVERIFY(c.offsetX == 50 && c.offsetY == -30 && c.scale == 1100);

    // The printed page: every point at (5 + 1.1 x, -3 + 1.1 y) mm; a PDF file
    // is never calibrated.
    f.print->setCard(f.print->card(), u"calibree"_s, QPalette());
    QVERIFY(f.print->Imprimer());
    const QString pdf = QDir(f.dir.path()).filePath(u"plain.pdf"_s);
    const std::optional<SheetJob> job = f.print->settings().job(&error);
    SheetPrinter::Destination file{QString(), pdf};
    file.calibrationOf = [](const QString &) { return PrinterCalibration{200, 200, 900}; };
    QCOMPARE(SheetPrinter::print(*job, f.print->card(), QPalette(), file, u"plain"_s), SheetPrinter::Outcome::Done);
    const QPointF plain = redCorner(PdfTools::render(pdf, 1, 100), 100);
    const QPointF printed = redCorner(PdfTools::render(printedPdf(u"calibree"_s), 1, 100), 100);
    QVERIFY2(std::abs(printed.x() - (5 + 1.1 * plain.x())) < 0.6 && std::abs(printed.y() - (-3 + 1.1 * plain.y())) < 0.6,
             qPrintable(u"%1,%2 -> %3,%4"_s.arg(plain.x()).arg(plain.y()).arg(printed.x()).arg(printed.y())));

    // "Remettre à zéro" clears it.
    f.onModal = [](QDialog &d) {
        dynamic_cast<frmCalibration &>(d).resetButton()->click();
        return d.result();
    };
    f.print->calibrateButton()->click();
    QVERIFY(!ProfileFile(AppPaths::settingsFile(f.dir.path())).sections().contains(u"CALIBRATION Essai"_s));
}

void TestPrinters::refusedJobSaysWhy()
{
    Fixture f;
    QString error;
    QVERIFY2(m_cups.admin({u"Essai"_s}, error, QDeadlineTimer(10000), u"cupsreject"_s), qPrintable(error));
    QVERIFY(!f.print->Imprimer());
    QVERIFY(m_cups.admin({u"Essai"_s}, error, QDeadlineTimer(10000), u"cupsaccept"_s));
    const QString text = f.lastMessage();
    const QString part = u"L'impression du projet n'est pas possible.\r\n\r\nFormat de papier non pris en charge par l'imprimante."_s;
    QVERIFY2(text.startsWith(part + u"\r\n\r\n"_s) && text.size() > part.size() + 8, qPrintable(text));
    QVERIFY(f.said.isEmpty());
}

void TestPrinters::gonePrinterFallsBack()
{
    // The remembered printer deleted: the default one prints, and says so.
    Fixture f;
    QVERIFY(ProfileFile::writeOne(AppPaths::settingsFile(f.dir.path()), u"IMPRESSION"_s, u"Imprimante"_s, u"Bureau"_s));
    f.open();
    QString error;
    QVERIFY2(m_cups.admin({u"-x"_s, u"Bureau"_s}, error), qPrintable(error));
    const int before = int(m_cups.jobs(u"Essai"_s).size());
    QVERIFY(f.print->Imprimer());
    QCOMPARE(int(m_cups.jobs(u"Essai"_s).size()), before + 1);
    QCOMPARE(f.said, QStringList({u"L'imprimante \"Bureau\" n'existe plus : l'imprimante par défaut est employée. "
                                  "Impression envoyée à Essai (1 planche(s))."_s}));
    // The set-up then offers the default one.
    f.print->printerSetup();
    QCOMPARE(f.prompts.dialogs.back().snapshot.PrinterName, u"Essai"_s);
}

QTEST_MAIN(TestPrinters)
#include "tst_printers.moc"
