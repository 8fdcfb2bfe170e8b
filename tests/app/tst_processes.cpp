// The real program as a process, for what only a process shows: one instance per application folder, the command line's
// jobs (no display, no lock, exit status, French reasons on standard error), bad files named on its command line.
#include "app/SingleInstance.h"

#include "Metafiles.h"
#include "PdfTools.h"
#include "PrivateCups.h"
#include "TestSupport.h"

#include <QDir>
#include <QElapsedTimer>
#include <QLocalServer>
#include <QLockFile>
#include <QProcess>
#include <QRandomGenerator>
#include <QScopeGuard>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

using namespace Qt::StringLiterals;

namespace {

// A gradient card (blue on the left, green on the right) with a red label.
const QByteArray Project = "[FORMAT]\r\nLongueur=4762,8\r\nHauteur=3061,8\r\n[LABEL 1]\r\nCaption=Jeanne Duval\r\n"
                           "Font=DejaVu Sans\r\nFontSize=14\r\nForeColor=255\r\nTop=600\r\nLeft=600\r\n"
                           "[LABEL]\r\nNombre=1\r\n[LOGO]\r\nNombre=0\r\n[FOND]\r\nNumero=1\r\nColor1=16711680\r\n"
                           "Color2=16777215\r\nColor3=65280\r\nOption=7\r\n";

// Starts the program on `appDir`. With `display`, offscreen, its messages answered by their default button and written
// on standard error; without, with no display at all and the print server `cups` (none by default).
void start(QProcess &process, const QString &appDir, const QStringList &args, bool display, const QString &cups = {})
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    for (const char *name : {"BRIVADUNE_HOME", "QT_QPA_PLATFORM", "DISPLAY", "WAYLAND_DISPLAY"})
        env.remove(QString::fromLatin1(name));
    if (display) {
        env.insert(u"QT_QPA_PLATFORM"_s, u"offscreen"_s);
        env.insert(u"BRIVADUNE_AUTO_ANSWER"_s, u"1"_s);
    } else {
        env.insert(u"CUPS_SERVER"_s, cups.isEmpty() ? QDir::temp().filePath(u"aucun-cupsd/cups.sock"_s) : cups);
    }
    process.setProcessEnvironment(env);
    process.start(QDir(qEnvironmentVariable("BRIVADUNE_APP_BUILD_DIR")).filePath(u"Brivadune"_s),
                  QStringList({u"--app-dir"_s, appDir}) + args);
}

// A command-line job to its end: exit status (-1: crashed or hung) and standard error; standard output in `out`.
std::pair<int, QString> runJob(const QString &appDir, const QStringList &args, QString *out = nullptr,
                               const QString &cups = {})
{
    QProcess process;
    start(process, appDir, args, false, cups);
    if (!process.waitForFinished(60000))
        return process.kill(), process.waitForFinished(), std::pair(-1, QString());
    if (out)
        *out = QString::fromUtf8(process.readAllStandardOutput());
    return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
            QString::fromUtf8(process.readAllStandardError()).trimmed()};
}

// Reads standard error until it holds `text`, the program ends or the time is up.
bool waitFor(QProcess &run, QString &err, const QString &text)
{
    QElapsedTimer clock;
    clock.start();
    while (!err.contains(text) && run.state() != QProcess::NotRunning && clock.elapsed() < 30000) {
        run.waitForReadyRead(200);
        err += QString::fromUtf8(run.readAllStandardError());
    }
    return err.contains(text);
}

// The process id written in the folder's lock, 0 if none.
qint64 lockOwner(const QString &appDir)
{
    qint64 pid = 0;
    QString host, app;
    return QLockFile(SingleInstance::lockPathFor(appDir)).getLockInfo(&pid, &host, &app) ? pid : 0;
}

} // namespace

class tst_processes : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void oneInstancePerFolder();
    void jobs();
    void usageAndVersion();
    void refusals_data();
    void refusals();
    void outputsFollowLinksAndTheUmask();
    void printServers();
    void mergeJobs();
    void badFilesLeaveTheProgramUpAndTheFileAlone();
    void editsUndoneThenSaved();

private:
    QTemporaryDir m_runtime; // the lock's folder, also for the programs started
    TestSupport::TempAppDir m_dir;
    QString m_project = m_dir.filePath(u"carte.prj"_s);
};

void tst_processes::initTestCase()
{
    QVERIFY2(QFile::exists(qEnvironmentVariable("BRIVADUNE_APP_BUILD_DIR") + u"/Brivadune"_s),
             "build the Brivadune target");
    qputenv("XDG_RUNTIME_DIR", QFile::encodeName(m_runtime.path()));
    QVERIFY(m_dir.writeFile(u"carte.prj"_s, Project) && m_dir.writeFile(u"vide.prj"_s, "[AUTRE]\r\nx=1\r\n"));
    QVERIFY(m_dir.writeFile(u"fusion.prj"_s, QByteArray(Project).replace("Jeanne Duval", "{Nom} de {VILLE} {Fax}"))
            && m_dir.writeFile(u"equipe.csv"_s, "Nom;Ville\r\nAna;Brest\r\nBob;Vannes\r\nCyr;Rennes\r\n")
            && m_dir.writeFile(u"en-tete.csv"_s, "Nom;Ville\r\n"));
    QVERIFY(::mkfifo(QFile::encodeName(m_dir.filePath(u"tube.pdf"_s)).constData(), 0600) == 0
            && QDir(m_dir.path()).mkdir(u"dossier.bmp"_s) && m_dir.writeFile(u"liste.bmp"_s, "Nom\r\nAna\r\n")
            && (::geteuid() != 0 || ::mknod(QFile::encodeName(m_dir.filePath(u"nul.pdf"_s)).constData(), S_IFCHR | 0666,
                                            makedev(1, 3)) == 0));
    QVERIFY(m_dir.writeFile(u"formats.ini"_s, "Agipa lettre US | 5.6.0.0.2.4.889.508.1\r\navery | 10.15.0.0.2.5\r\n"
                                              "Avery | 20.20.0.0.1.1\r\nIncomplet | 10.15.x\r\n"));
}

void tst_processes::oneInstancePerFolder()
{
    TestSupport::TempAppDir dir, other;
    QProcess first, second, next;
    start(first, dir.path(), {}, true);
    QTRY_COMPARE_WITH_TIMEOUT(lockOwner(dir.path()), first.processId(), 20000);
    // A second start on the same folder, even through a link, says so and ends before doing anything else; the first
    // one is untouched.
    QVERIFY(QFile::link(dir.path(), other.filePath(u"lien"_s)));
    start(second, other.filePath(u"lien"_s), {}, true);
    QVERIFY(second.waitForFinished(30000));
    QCOMPARE(std::pair(second.exitStatus(), second.exitCode()), std::pair(QProcess::NormalExit, 0));
    const QString said = QString::fromUtf8(second.readAllStandardError());
    QVERIFY2(said.contains(u"[Message à l'utilisateur] Attention cette application est déjà active."_s),
             qPrintable(said));
    QVERIFY(!QFile::exists(dir.filePath(u"Brivadune.ini"_s)));
    QCOMPARE(std::pair(first.state(), lockOwner(dir.path())), std::pair(QProcess::Running, first.processId()));
    // Killed, it leaves its lock behind, which does not block the next start.
    first.kill();
    QVERIFY(first.waitForFinished(10000) && QFile::exists(SingleInstance::lockPathFor(dir.path())));
    start(next, dir.path(), {}, true);
    QTRY_COMPARE_WITH_TIMEOUT(lockOwner(dir.path()), next.processId(), 20000);
    next.kill();
    QVERIFY(next.waitForFinished(10000));
}

void tst_processes::jobs()
{
    // While the program runs on the same folder (its lock held here), with no display: the flattened card as a 24-bit
    // BMP at 15 twips a pixel, or a PNG at 600 dpi (options after the file, the extension in capitals).
    SingleInstance running(m_dir.path());
    QVERIFY(running.tryAcquire());
    const QString bmp = m_dir.filePath(u"carte.bmp"_s), png = m_dir.filePath(u"CARTE.PNG"_s);
    const QString pdf = m_dir.filePath(u"job.pdf"_s);
    QCOMPARE(runJob(m_dir.path(), {u"--export"_s, bmp, m_project}), std::pair(0, QString()));
    const QImage screen(bmp);
    QVERIFY(TestSupport::readBytes(bmp).mid(28, 1) == QByteArray(1, 24) && screen.size() == QSize(318, 204));
    const OleColor left = TestSupport::pixel(screen, 3, 150);
    QVERIFY(Colors::blue(left) > 240 && Colors::red(left) < 16 && Colors::green(TestSupport::pixel(screen, 314,
            150)) > 240);
    QCOMPARE(runJob(m_dir.path(), {m_project, u"--dpi"_s, u"600"_s, u"--export"_s, png}).first, 0);
    QCOMPARE(QImage(png, "PNG").size(), QSize(1985, 1276));
    // A WMF logo, read by the helper beside the program.
    const QString wmf = Metafiles::writeProject(m_dir.path());
    QCOMPARE(runJob(m_dir.path(), {u"--export"_s, bmp, wmf}).first, 0);
    QCOMPARE(TestSupport::pixel(QImage(bmp), 38, 38), Colors::rgb(255, 0, 0));
    if (!PdfTools::available())
        QSKIP("poppler-utils is not installed: run scripts/deps.sh");
    // A PDF: any case for the format's name, the first "avery" of the sorted list (10 cards a sheet) on A4; without
    // one, the first line, on Letter.
    QCOMPARE(runJob(m_dir.path(), {m_project, u"--print-pdf"_s, pdf, u"--format"_s, u"AVERY"_s, u"--sheets=3"_s}),
             std::pair(0, QString()));
    QVERIFY(PdfTools::pageCount(pdf) == 3 && PdfTools::text(pdf).count(u"Jeanne Duval"_s) == 30);
    QCOMPARE(PdfTools::pageSizeMm(pdf).toSize(), QSize(210, 297));
    QCOMPARE(runJob(m_dir.path(), {u"--print-pdf="_s + pdf, m_project}).first, 0);
    QCOMPARE(PdfTools::pageSizeMm(pdf).toSize(), QSize(216, 279));
}

void tst_processes::usageAndVersion()
{
    // Without a display, anywhere before "--": the usage with every form on standard output, or the version the about
    // box shows; nothing else happens.
    QString out;
    for (const QStringList &args : {QStringList{u"--help"_s}, QStringList{m_project, u"-h"_s, u"--version"_s}}) {
        QCOMPARE(runJob(m_dir.path(), args, &out), std::pair(0, QString()));
        QVERIFY2(out.startsWith(u"Utilisation :\n"_s) && out.contains(u"--merge LISTE [--copies N]"_s), qPrintable(out));
    }
    QCOMPARE(runJob(m_dir.path(), {u"--version"_s}, &out), std::pair(0, QString()));
    QCOMPARE(out, u"Brivadune %1\n"_s.arg(qEnvironmentVariable("BRIVADUNE_VERSION")));
    QVERIFY(!QFile::exists(m_dir.filePath(u"Brivadune.ini"_s)));
}

void tst_processes::refusals_data()
{
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<QString>("message");
    const QString out = m_dir.filePath(u"refus.bmp"_s), pdf = m_dir.filePath(u"refus.pdf"_s);
    const QString vide = m_dir.filePath(u"vide.prj"_s);
    const auto row = [](const char *name, const QStringList &args,
                        const QString &message) { QTest::newRow(name) << args << message; };
    row("export as JPEG", {u"--export"_s, m_dir.filePath(u"x.jpg"_s), m_project},
        u"doit se terminer par .bmp, .png ou .pdf"_s);
    row("bleed beyond 5 mm", {u"--export"_s, pdf, u"--bleed"_s, u"5,5"_s, m_project},
        u"Le fond perdu (--bleed) doit être un nombre de millimètres de 0 à 5."_s);
    row("crop marks on a picture", {u"--export"_s, m_dir.filePath(u"x.png"_s), u"--crop-marks"_s, m_project},
        u"Les options --bleed et --crop-marks ne vont qu'avec un fichier .pdf."_s);
    row("unknown option", {u"--print-pdf"_s, pdf, u"--couleur"_s, m_project}, u"Option inconnue : --couleur"_s);
    row("unknown format", {u"--print-pdf"_s, pdf, u"--format"_s, u"Herma"_s, m_project},
        u"Le format \"Herma\" n'existe pas dans %1."_s.arg(m_dir.filePath(u"formats.ini"_s)));
    row("unwritable PDF", {u"--print-pdf"_s, m_dir.filePath(u"absent/x.pdf"_s), m_project},
        u"Le fichier PDF n'a pas pu être enregistré : %1"_s.arg(m_dir.filePath(u"absent/x.pdf"_s)));
    row("no project in the file", {u"--print-pdf"_s, pdf, vide},
        u"Le fichier \"%1\" ne contient pas de projet."_s.arg(vide));
    row("no print server", {u"--print"_s, m_project}, u"Le serveur d'impression est injoignable."_s);
    row("list without records", {u"--print-pdf"_s, pdf, u"--merge"_s, m_dir.filePath(u"en-tete.csv"_s), m_project},
        u"La liste \"en-tete.csv\" ne contient aucune fiche."_s);
    row("list that is a folder", {u"--export"_s, out, u"--merge"_s, m_dir.path(), m_project},
        u"n'est pas un fichier ordinaire"_s);
    // Outputs that exist and are no regular file, or that are the project read: refused, left as they are.
    const QString notReplaced = u"n'est pas un fichier ordinaire : il ne peut pas être remplacé."_s;
    row("PDF onto a pipe", {u"--print-pdf"_s, m_dir.filePath(u"tube.pdf"_s), m_project}, notReplaced);
    row("picture onto a folder", {u"--export"_s, m_dir.filePath(u"dossier.bmp"_s), m_project}, notReplaced);
    if (::geteuid() == 0)
        row("PDF onto a device", {u"--print-pdf"_s, m_dir.filePath(u"nul.pdf"_s), m_project}, notReplaced);
    row("PDF onto the project", {u"--print-pdf"_s, m_project, m_project},
        u"Le fichier \"%1\" est lu pour ce travail : il ne peut pas en être aussi le résultat."_s.arg(m_project));
    row("picture onto the list", {u"--export"_s, m_dir.filePath(u"liste.bmp"_s), u"--merge"_s,
        m_dir.filePath(u"liste.bmp"_s), m_project}, u"est lu pour ce travail"_s);
    // A window start: an option it does not know is no file name; without a display it says why instead of aborting.
    row("unknown window option", {m_project, u"-x"_s}, u"Option inconnue : -x\n« brivadune --help »"_s);
    row("no display", {u"--"_s, m_project}, u"Aucun affichage graphique n'est disponible : ni DISPLAY ni WAYLAND"_s);
}

void tst_processes::refusals()
{
    QFETCH(QStringList, args);
    QFETCH(QString, message);
    const auto [status, error] = runJob(m_dir.path(), args);
    QCOMPARE(status, 1);
    QVERIFY2(error.contains(message), qPrintable(error));
    QVERIFY(!QFile::exists(m_dir.filePath(u"refus.pdf"_s)) && !QFile::exists(m_dir.filePath(u"refus.bmp"_s)));
    QCOMPARE(TestSupport::readBytes(m_project), Project);
    struct stat info {};
    if (::geteuid() == 0)
        QVERIFY(::stat(QFile::encodeName(m_dir.filePath(u"nul.pdf"_s)).constData(), &info) == 0 && S_ISCHR(info.st_mode));
    QVERIFY(::stat(QFile::encodeName(m_dir.filePath(u"tube.pdf"_s)).constData(), &info) == 0 && S_ISFIFO(info.st_mode));
}

void tst_processes::outputsFollowLinksAndTheUmask()
{
    // A link is followed to its target and stays a link; a new PDF follows the umask, an existing one keeps its
    // permissions.
    const QString link = m_dir.filePath(u"lien.pdf"_s), target = m_dir.filePath(u"cible.pdf"_s);
    QVERIFY(QFile::link(u"cible.pdf"_s, link));
    const auto restore = qScopeGuard([saved = ::umask(077)] { ::umask(saved); });
    QCOMPARE(runJob(m_dir.path(), {u"--print-pdf"_s, link, m_project}), std::pair(0, QString()));
    QVERIFY(QFileInfo(link).isSymLink() && TestSupport::readBytes(target).startsWith("%PDF"));
    QCOMPARE(QFileInfo(target).permissions() & 0x7077, QFile::ReadOwner | QFile::WriteOwner);
    QVERIFY(QFile::setPermissions(target, QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup));
    QCOMPARE(runJob(m_dir.path(), {u"--print-pdf"_s, target, m_project}).first, 0);
    QCOMPARE(QFileInfo(target).permissions() & 0x7077, QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup);
}

void tst_processes::printServers()
{
    // A server that takes the connection and never answers: given up after 30 s.
    QLocalServer silent;
    QVERIFY(silent.listen(m_dir.filePath(u"muet.sock"_s)));
    const qint64 started = QDateTime::currentMSecsSinceEpoch();
    QCOMPARE(runJob(m_dir.path(), {u"--print"_s, m_project}, nullptr, silent.fullServerName()),
             std::pair(1, u"Le serveur d'impression ne répond pas."_s));
    QVERIFY(QDateTime::currentMSecsSinceEpoch() - started > 29000);
    // One that answers tells which printer it does not know.
    if (!PrivateCups::unavailableReason().isEmpty())
        QSKIP(qPrintable(PrivateCups::unavailableReason()));
    PrivateCups cups;
    QString error;
    QVERIFY2(cups.start(u"Essai"_s, 30000, error), qPrintable(error));
    QCOMPARE(runJob(m_dir.path(), {u"--print"_s, u"--printer"_s, u"Bureau"_s, m_project}, nullptr, cups.socketPath()),
             std::pair(1, u"L'imprimante \"Bureau\" n'existe pas."_s));
    // Without --printer, the one chosen in the program; gone, the default one.
    QVERIFY(TestSupport::writeBytes(m_dir.filePath(u"Brivadune.ini"_s), "[IMPRESSION]\r\nImprimante=Bureau\r\n"));
    QCOMPARE(runJob(m_dir.path(), {u"--print"_s, m_project}, nullptr, cups.socketPath()),
             std::pair(0, u"L'imprimante \"Bureau\" n'existe plus : l'impression est allée à \"Essai\"."_s));
    QFile::remove(m_dir.filePath(u"Brivadune.ini"_s));
}

void tst_processes::mergeJobs()
{
    if (!PdfTools::available())
        QSKIP("poppler-utils is not installed: run scripts/deps.sh");
    // One card per record and copy, 10 a sheet whatever --sheets says; a
    // field the list lacks is named on standard error and prints empty.
    const QString pdf = m_dir.filePath(u"equipe.pdf"_s), list = m_dir.filePath(u"equipe.csv"_s);
    const QString project = m_dir.filePath(u"fusion.prj"_s);
    QCOMPARE(runJob(m_dir.path(), {project, u"--merge"_s, list, u"--copies"_s, u"4"_s, u"--print-pdf"_s, pdf,
                                   u"--format"_s, u"avery"_s, u"--sheets=9"_s}),
             std::pair(0, u"Champs absents de la liste : {Fax}"_s));
    const QString text = PdfTools::text(pdf).simplified();
    QVERIFY2(PdfTools::pageCount(pdf) == 2 && text.count(u"Ana de Brest"_s) == 4 && text.count(u"Cyr de Rennes"_s) == 4
                 && !text.contains(u'{'),
             qPrintable(text));
    // Exports: one file per record, numbered after the output's name.
    QCOMPARE(runJob(m_dir.path(), {u"--export"_s, m_dir.filePath(u"equipe.png"_s), u"--merge="_s + list, project}).first,
             0);
    const QStringList files = QDir(m_dir.path()).entryList({u"equipe*.png"_s}, QDir::Files);
    QCOMPARE(files, QStringList({u"equipe-001.png"_s, u"equipe-002.png"_s, u"equipe-003.png"_s}));
    QVERIFY(QImage(m_dir.filePath(files[0])) != QImage(m_dir.filePath(files[1])));
}

void tst_processes::badFilesLeaveTheProgramUpAndTheFileAlone()
{
    // A pipe, a device and a file of noise named on the command line (the message ends with the name as given): said at
    // once, the program stays up, the file stays as it was and nothing is written beside it.
    QByteArray noise(8192, '\0');
    QRandomGenerator(7).fillRange(reinterpret_cast<quint32 *>(noise.data()), noise.size() / 4);
    for (const auto &[name, said] : {std::pair(u"tube.prj"_s, u"tube.prj\" ne peut pas être ouvert."_s),
                                     {u"/dev/zero"_s, u"/dev/zero\" ne peut pas être ouvert."_s},
                                     {u"bruit.prj"_s, u"bruit.prj\" ne contient pas de projet"_s}}) {
        TestSupport::TempAppDir app;
        const QString path = name.startsWith(u'/') ? name : app.filePath(u"Projets/"_s + name);
        QVERIFY(QDir().mkpath(app.filePath(u"Projets"_s)));
        QVERIFY(name == u"tube.prj" ? ::mkfifo(QFile::encodeName(path).constData(), 0600) == 0
                                    : name.startsWith(u'/') || TestSupport::writeBytes(path, noise));
        QProcess run;
        start(run, app.path(), {path}, true);
        const auto stop = qScopeGuard([&run] { run.kill(), run.waitForFinished(10000); });
        QString err;
        QVERIFY2(waitFor(run, err, said), qPrintable(err));
        QTest::qWait(500);
        QCOMPARE(run.state(), QProcess::Running);
        run.kill();
        QVERIFY(run.waitForFinished(10000));
        struct stat info {};
        if (name == u"bruit.prj")
            QCOMPARE(TestSupport::readBytes(path), noise);
        else if (name == u"tube.prj")
            QVERIFY(::stat(QFile::encodeName(path).constData(), &info) == 0 && S_ISFIFO(info.st_mode));
        const QDir projects(app.filePath(u"Projets"_s));
        QVERIFY(projects.entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot).size() <= 1);
    }
}

void tst_processes::editsUndoneThenSaved()
{
    // The program on a private X server, driven from the keyboard: a label
    // added, its text cut, both undone, then saved: the file holds the card
    // as it was saved before the edits.
    const QString xvfb = QStandardPaths::findExecutable(u"Xvfb"_s);
    const QString xdotool = QStandardPaths::findExecutable(u"xdotool"_s);
    if (xvfb.isEmpty() || xdotool.isEmpty())
        QSKIP("Xvfb and xdotool are needed");
    int number = 90 + int(QRandomGenerator::global()->bounded(100));
    while (QFile::exists(u"/tmp/.X11-unix/X%1"_s.arg(number)))
        ++number;
    const QString display = u":%1"_s.arg(number);
    QProcess server;
    server.start(xvfb, {display, u"-screen"_s, u"0"_s, u"1280x900x24"_s, u"-nolisten"_s, u"tcp"_s});
    const auto stopServer = qScopeGuard([&server] { server.kill(), server.waitForFinished(10000); });
    QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(u"/tmp/.X11-unix/X%1"_s.arg(number)), 10000);

    TestSupport::TempAppDir app;
    const QString path = app.filePath(u"Projets/carte.prj"_s);
    QVERIFY(TestSupport::writeBytes(path, Project));
    QProcess run;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.remove(u"QT_QPA_PLATFORM"_s);
    env.insert(u"DISPLAY"_s, display);
    env.insert(u"BRIVADUNE_AUTO_ANSWER"_s, u"1"_s);
    run.setProcessEnvironment(env);
    run.start(QDir(qEnvironmentVariable("BRIVADUNE_APP_BUILD_DIR")).filePath(u"Brivadune"_s),
              {u"--app-dir"_s, app.path(), path});
    const auto stop = qScopeGuard([&run] { run.kill(), run.waitForFinished(10000); });
    const auto tool = [&](const QStringList &arguments) {
        QProcess run;
        run.setProcessEnvironment(env);
        run.start(xdotool, arguments);
        run.waitForFinished(20000);
        return run.exitCode() == 0 ? QString::fromUtf8(run.readAllStandardOutput()).trimmed() : QString();
    };
    // Without a window manager the frame gets the keyboard's focus by hand.
    QString frame;
    QTRY_VERIFY_WITH_TIMEOUT(!(frame = tool({u"search"_s, u"--onlyvisible"_s, u"--pid"_s, QString::number(run.processId()),
                                             u"--name"_s, u"^Brivadune$"_s})).isEmpty(), 20000);
    frame = frame.section(u'\n', 0, 0);
    const auto keys = [&](const QStringList &names) {
        tool({u"windowfocus"_s, u"--sync"_s, frame});
        return run.state() == QProcess::Running
               && tool(QStringList({u"key"_s, u"--clearmodifiers"_s, u"--delay"_s, u"150"_s}) + names).isEmpty();
    };
    // Saving again is harmless, so a key press that came before the card
    // window was up (a loaded machine) is simply repeated.
    const auto savedAgain = [&] {
        QFile::remove(path);
        for (int attempt = 0; attempt < 4; ++attempt) {
            if (!keys({u"ctrl+s"_s}))
                return false;
            if (QTest::qWaitFor([&] { return QFile::exists(path); }, 10000))
                return true;
        }
        return false;
    };
    // The card as opened, saved as the program writes it.
    QVERIFY(savedAgain());
    const QByteArray opened = TestSupport::readBytes(path);
    QVERIFY(keys({u"alt+o"_s, u"Return"_s, u"ctrl+x"_s}));
    QVERIFY(savedAgain());
    QVERIFY(TestSupport::readBytes(path) != opened);
    QVERIFY(keys({u"ctrl+z"_s, u"ctrl+z"_s}));
    QVERIFY(savedAgain());
    QCOMPARE(TestSupport::readBytes(path), opened);
    QCOMPARE(run.state(), QProcess::Running);
}

QTEST_GUILESS_MAIN(tst_processes)
#include "tst_processes.moc"
