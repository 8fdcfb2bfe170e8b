// The command line's print jobs through the real program: --print-pdf and
// --print, their options and their refusals, and one job printed through a
// CUPS scheduler of the test's own to its cups-pdf queue.
#include "PdfTools.h"
#include "PrivateCups.h"
#include "TestSupport.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QProcess>
#include <QRandomGenerator>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QtTest>

using namespace Qt::StringLiterals;

namespace {

QString program()
{
    return QDir(qEnvironmentVariable("BRIVADUNE_APP_BUILD_DIR")).filePath(u"Brivadune"_s);
}

// A white "Grand format" card with one label.
const QByteArray Project = "[FORMAT]\r\nLongueur=4762,8\r\nHauteur=3061,8\r\n"
                           "[LABEL 1]\r\nCaption=Jeanne Duval\r\nFont=DejaVu Sans\r\nFontSize=12\r\n"
                           "ForeColor=0\r\nTop=600\r\nLeft=1500\r\n"
                           "[FOND]\r\nNumero=0\r\n[LABEL]\r\nNombre=1\r\n[LOGO]\r\nNombre=0\r\n";

const QByteArray Formats = "Agipa lettre US | 5.6.0.0.2.4.889.508.1\r\n"
                           "avery | 10.15.0.0.2.5\r\n"
                           "Avery | 20.20.0.0.1.1\r\n"
                           "Incomplet | 10.15.x\r\n";

struct Run {
    int status = -1;
    QString error;
};

Run runProgram(const QString &appDir, const QStringList &args, const QString &cupsServer = {})
{
    QProcess process;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.remove(u"BRIVADUNE_HOME"_s);
    env.remove(u"QT_QPA_PLATFORM"_s); // the command needs no display
    env.remove(u"DISPLAY"_s);
    // Qt warns on standard error without a runtime folder.
    static const QTemporaryDir runtime;
    env.insert(u"XDG_RUNTIME_DIR"_s, runtime.path());
    env.insert(u"CUPS_SERVER"_s,
               cupsServer.isEmpty() ? QDir::temp().filePath(u"aucun-cupsd/cups.sock"_s) : cupsServer);
    process.setProcessEnvironment(env);
    process.start(program(), QStringList({u"--app-dir"_s, appDir}) + args);
    if (!process.waitForFinished(60000)) {
        process.kill();
        process.waitForFinished();
        return {};
    }
    return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
            QString::fromUtf8(process.readAllStandardError()).trimmed()};
}

} // namespace

class tst_printcommand : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void pdfJobs();
    void refusals_data();
    void refusals();
    void printsThroughCups();

private:
    TestSupport::TempAppDir m_dir;
};

void tst_printcommand::initTestCase()
{
    QVERIFY2(QFile::exists(program()), qPrintable(u"build the Brivadune target first: %1 is missing"_s.arg(program())));
    QVERIFY(m_dir.writeFile(u"carte.prj"_s, Project));
    QVERIFY(m_dir.writeFile(u"formats.ini"_s, Formats));
    QVERIFY(m_dir.writeFile(u"vide.prj"_s, "[AUTRE]\r\nx=1\r\n"));
    if (!PdfTools::available())
        QSKIP("poppler-utils is not installed: run scripts/deps.sh");
}

void tst_printcommand::pdfJobs()
{
    const QString project = m_dir.filePath(u"carte.prj"_s);
    const QString pdf = m_dir.filePath(u"sortie.pdf"_s);

    // Options after the file, any case for the format's name: the first
    // "avery" of the sorted list (10.15.0.0.2.5), on A4.
    Run run = runProgram(m_dir.path(), {project, u"--print-pdf"_s, pdf, u"--format"_s, u"AVERY"_s,
                                        u"--sheets=3"_s, u"--quality"_s, u"brouillon"_s});
    QCOMPARE(run.error, QString());
    QCOMPARE(run.status, 0);
    QCOMPARE(PdfTools::pageCount(pdf), 3);
    // Qt writes the page size in whole points.
    QSizeF size = PdfTools::pageSizeMm(pdf);
    QVERIFY(qAbs(size.width() - 210) < 0.4 && qAbs(size.height() - 297) < 0.4);
    QCOMPARE(PdfTools::text(pdf).count(u"Jeanne Duval"_s), 30);
    // Printed positions: 10 and 98 mm across, rows from 15 mm by 56.
    const QImage page = PdfTools::render(pdf, 1, 254);
    const QRgb outline = page.pixel(101, 200);
    QVERIFY2(qRed(outline) < 240 && qRed(outline) > 200, qPrintable(QString::number(qRed(outline))));
    QVERIFY(qRed(page.pixel(98, 200)) > 250);
    QVERIFY(qRed(page.pixel(981, 200)) < 240);
    QVERIFY(qRed(page.pixel(200, 711)) < 240);

    // Without --format: the first line of the sorted list, its paper US
    // Letter; --no-cut-marks leaves the card's edge white.
    run = runProgram(m_dir.path(), {u"--no-cut-marks"_s, u"--print-pdf="_s + pdf, project});
    QCOMPARE(run.status, 0);
    QCOMPARE(PdfTools::pageCount(pdf), 1);
    size = PdfTools::pageSizeMm(pdf);
    QVERIFY(qAbs(size.width() - 215.9) < 0.4 && qAbs(size.height() - 279.4) < 0.4);
    QVERIFY(qRed(PdfTools::render(pdf, 1, 254).pixel(51, 200)) > 250);

    // A folder without formats file: the initial fields on A4.
    TestSupport::TempAppDir empty;
    run = runProgram(empty.path(), {u"--print-pdf"_s, pdf, project});
    QCOMPARE(run.status, 0);
    QCOMPARE(PdfTools::text(pdf).count(u"Jeanne Duval"_s), 1);
}

void tst_printcommand::refusals_data()
{
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<QString>("message");
    const QString project = m_dir.filePath(u"carte.prj"_s);
    const QString pdf = m_dir.filePath(u"refus.pdf"_s);
    QTest::newRow("unknown option") << QStringList{u"--print-pdf"_s, pdf, u"--couleur"_s, project}
                                    << u"Option inconnue : --couleur"_s;
    QTest::newRow("unknown format") << QStringList{u"--print-pdf"_s, pdf, u"--format"_s, u"Herma"_s, project}
                                    << u"Le format \"Herma\" n'existe pas dans %1."_s.arg(m_dir.filePath(u"formats.ini"_s));
    QTest::newRow("incomplete format")
        << QStringList{u"--print-pdf"_s, pdf, u"--format"_s, u"incomplet"_s, project}
        << u"Le format choisi ne peut pas être imprimé : Ce format est incomplet : il ne peut pas être imprimé."_s;
    QTest::newRow("no project in the file") << QStringList{u"--print-pdf"_s, pdf, m_dir.filePath(u"vide.prj"_s)}
                                            << u"Le fichier \"%1\" ne contient pas de projet."_s.arg(m_dir.filePath(u"vide.prj"_s));
    QTest::newRow("missing file") << QStringList{u"--print-pdf"_s, pdf, m_dir.filePath(u"absent.prj"_s)}
                                  << u"Le fichier \"%1\" ne peut pas être ouvert."_s.arg(m_dir.filePath(u"absent.prj"_s));
    QTest::newRow("unwritable output")
        << QStringList{u"--print-pdf"_s, m_dir.filePath(u"absent/x.pdf"_s), project}
        << u"Le fichier PDF n'a pas pu être enregistré : %1"_s.arg(m_dir.filePath(u"absent/x.pdf"_s));
    QTest::newRow("zero sheets") << QStringList{u"--print-pdf"_s, pdf, u"--sheets"_s, u"0"_s, project}
                                 << u"Le nombre de planches (--sheets) doit être un nombre entier de 1 à 32767."_s;
    QTest::newRow("bad quality") << QStringList{u"--print-pdf"_s, pdf, u"--quality"_s, u"ultra"_s, project}
                                 << u"La qualité (--quality) est brouillon, basse, normale ou haute."_s;
    QTest::newRow("two projects") << QStringList{u"--print-pdf"_s, pdf, project, project}
                                  << u"Un seul fichier projet peut être imprimé à la fois."_s;
    QTest::newRow("no project") << QStringList{u"--print-pdf"_s, pdf} << u"Indiquez le fichier projet à imprimer."_s;
    QTest::newRow("both outputs") << QStringList{u"--print"_s, u"--print-pdf"_s, pdf, project}
                                  << u"Choisissez soit --print, soit --print-pdf."_s;
    QTest::newRow("printer for a PDF") << QStringList{u"--print-pdf"_s, pdf, u"--printer"_s, u"x"_s, project}
                                       << u"L'option --printer ne s'emploie qu'avec --print."_s;
    QTest::newRow("missing value") << QStringList{project, u"--print-pdf"_s}
                                   << u"L'option --print-pdf demande le nom du fichier PDF à écrire."_s;
    QTest::newRow("no printer") << QStringList{u"--print"_s, project}
                                << u"Aucune imprimante par défaut n'est installée : nommez-en une avec --printer."_s;
    QTest::newRow("unknown printer") << QStringList{u"--print"_s, u"--printer"_s, u"Bureau"_s, project}
                                     << u"L'imprimante \"Bureau\" n'existe pas."_s;
}

void tst_printcommand::refusals()
{
    QFETCH(QStringList, args);
    QFETCH(QString, message);
    const Run run = runProgram(m_dir.path(), args);
    QCOMPARE(run.error, message);
    QCOMPARE(run.status, 1);
    QVERIFY(!QFile::exists(m_dir.filePath(u"refus.pdf"_s)));
}

void tst_printcommand::printsThroughCups()
{
    const QString reason = PrivateCups::unavailableReason();
    if (!reason.isEmpty())
        QSKIP(qPrintable(reason));
    PrivateCups cups;
    QString error;
    QVERIFY2(cups.start(u"BrivadunePDF"_s, 30000, error), qPrintable(error));

    // The job's title is the project's name: cups-pdf names its file after it.
    const QString token = u"brivadune-cups-%1"_s.arg(QRandomGenerator::global()->generate(), 8, 16, QChar(u'0'));
    const QString project = m_dir.filePath(token + u".prj"_s);
    QVERIFY(TestSupport::writeBytes(project, Project));
    const Run run = runProgram(m_dir.path(), {u"--print"_s, u"--format"_s, u"avery"_s, u"--sheets"_s, u"2"_s, project},
                               cups.socketPath());
    QCOMPARE(run.error, QString());
    QCOMPARE(run.status, 0);

    // cups-pdf writes the file once the whole job went through the filters.
    const QDir out(PrivateCups::outputFolder());
    QString found;
    const QDeadlineTimer deadline(90000);
    while (found.isEmpty() && !deadline.hasExpired()) {
        const QStringList files = out.entryList({u"*"_s + token + u"*.pdf"_s}, QDir::Files);
        if (!files.isEmpty() && PdfTools::pageCount(out.filePath(files.first())) > 0)
            found = out.filePath(files.first());
        else
            QTest::qWait(250);
    }
    QVERIFY2(!found.isEmpty(), qPrintable(u"no PDF from cups-pdf in %1\n%2"_s.arg(out.path(), cups.errorLog())));
    const auto removeFound = qScopeGuard([&found] { QFile::remove(found); });
    QCOMPARE(PdfTools::pageCount(found), 2);
    const QSizeF size = PdfTools::pageSizeMm(found);
    QVERIFY(qAbs(size.width() - 210) < 0.4 && qAbs(size.height() - 297) < 0.4);
    // The scheduler's filters turn text into pictures of glyphs: the
    // sheet is read from its pixels. Cut marks at 10 and 98 mm across,
    // 127 mm down; the label's dark text 27.75 mm into the first card.
    const QImage page = PdfTools::render(found, 1, 254);
    QVERIFY(qRed(page.pixel(98, 1500)) > 250);
    QVERIFY(qRed(page.pixel(101, 1500)) < 240);
    QVERIFY(qRed(page.pixel(981, 1500)) < 240);
    QVERIFY(qRed(page.pixel(500, 1271)) < 240);
    int dark = 0;
    for (int y = 250; y < 320; ++y)
        for (int x = 377; x < 600; ++x)
            dark += qRed(page.pixel(x, y)) < 100;
    QVERIFY2(dark > 200, qPrintable(QString::number(dark)));
}

QTEST_GUILESS_MAIN(tst_printcommand)
#include "tst_printcommand.moc"
