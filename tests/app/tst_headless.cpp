// The picture export of the command line, through the real program: no
// window, no display, no single-instance lock; the formats, resolutions and
// failures it answers with.
#include "AppTestFrame.h"

#include <QDir>
#include <QImage>
#include <QProcess>

namespace {

QString program()
{
    return QDir(qEnvironmentVariable("BRIVADUNE_APP_BUILD_DIR")).filePath(QStringLiteral("Brivadune"));
}

struct Run {
    int status = -1;
    QString errors;
};

// Runs the program with no display at all.
Run run(const QStringList &args)
{
    QProcess process;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.remove(QStringLiteral("DISPLAY"));
    env.remove(QStringLiteral("WAYLAND_DISPLAY"));
    env.remove(QStringLiteral("QT_QPA_PLATFORM"));
    env.remove(QStringLiteral("BRIVADUNE_HOME"));
    process.setProcessEnvironment(env);
    process.start(program(), args);
    if (!process.waitForFinished(30000)) {
        process.kill();
        process.waitForFinished();
        return {};
    }
    return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
            QString::fromUtf8(process.readAllStandardError())};
}

const QByteArray Project = "[FORMAT]\r\nLongueur=4762,8\r\nHauteur=3061,8\r\n"
                           "[LABEL 1]\r\nCaption=Atelier du Port\r\nFont=DejaVu Sans\r\nFontSize=14\r\n"
                           "ForeColor=255\r\nTop=600\r\nLeft=600\r\n"
                           "[LABEL]\r\nNombre=1\r\n[LOGO]\r\nNombre=0\r\n"
                           "[FOND]\r\nNumero=1\r\nColor1=16711680\r\nColor2=16777215\r\nColor3=65280\r\nOption=7\r\n";

} // namespace

class tst_headless : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void writesTheFlattenedCard();
    void failuresSayWhyInFrench();
};

void tst_headless::initTestCase()
{
    QVERIFY2(QFile::exists(program()), qPrintable(program() + QStringLiteral(" is missing")));
}

void tst_headless::writesTheFlattenedCard()
{
    TestSupport::TempAppDir dir;
    QVERIFY(dir.writeFile(QStringLiteral("carte.prj"), Project));
    const QString project = dir.filePath(QStringLiteral("carte.prj"));
    // While the program runs on the same folder (its lock held here).
    FrameFixture running(dir.path());
    QVERIFY(running.frame->MDIForm_Load());

    // 15 twips per pixel by default: the screen's 318 x 204, a 24-bit BMP.
    const QString bmp = dir.filePath(QStringLiteral("carte.bmp"));
    Run r = run({QStringLiteral("--app-dir"), dir.path(), QStringLiteral("--export"), bmp, project});
    QCOMPARE(r.status, 0);
    QVERIFY(r.errors.isEmpty());
    const QByteArray bytes = TestSupport::readBytes(bmp);
    QCOMPARE(quint8(bytes.at(28)), quint8(24));
    const QImage screen(bmp);
    QCOMPARE(screen.size(), QSize(318, 204));
    // The gradient from the project: blue (stop 0) on the left, green on
    // the right; the red label drawn over it.
    const OleColor left = TestSupport::pixel(screen, 3, 150);
    QVERIFY(Colors::blue(left) > 240 && Colors::red(left) < 16);
    QVERIFY(Colors::green(TestSupport::pixel(screen, 314, 150)) > 240);
    bool red = false;
    for (int x = 40; x < 200 && !red; ++x)
        for (int y = 40; y < 60 && !red; ++y)
            red = TestSupport::pixel(screen, x, y) == Colors::rgb(255, 0, 0);
    QVERIFY(red);

    // A PNG at 600 dpi, options after the file and the extension in
    // capitals.
    const QString png = dir.filePath(QStringLiteral("CARTE.PNG"));
    r = run({project, QStringLiteral("--dpi"), QStringLiteral("600"), QStringLiteral("--export"), png});
    QCOMPARE(r.status, 0);
    const QImage printer(png);
    QCOMPARE(printer.size(), QSize(1985, 1276));
    QVERIFY(TestSupport::readBytes(png).startsWith("\x89PNG"));
}

void tst_headless::failuresSayWhyInFrench()
{
    TestSupport::TempAppDir dir;
    QVERIFY(dir.writeFile(QStringLiteral("carte.prj"), Project));
    QVERIFY(dir.writeFile(QStringLiteral("texte.prj"), "une liste de courses\r\n"));
    const QString project = dir.filePath(QStringLiteral("carte.prj"));
    const QString out = dir.filePath(QStringLiteral("sortie.bmp"));
    const QString e = QStringLiteral("--export");
    const QList<std::pair<QStringList, QString>> cases = {
        {{e, dir.filePath(QStringLiteral("sortie.jpg")), project}, QStringLiteral("doit se terminer par .bmp ou .png")},
        {{e, out, dir.filePath(QStringLiteral("absent.prj"))}, QStringLiteral("ne peut pas être ouvert")},
        {{e, out, dir.filePath(QStringLiteral("texte.prj"))}, QStringLiteral("ne contient pas de projet")},
        {{e, dir.filePath(QStringLiteral("carte.prj/x.bmp")), project}, QStringLiteral("n'a pas pu être enregistrée")},
        {{e, out, QStringLiteral("--dpi"), QStringLiteral("50"), project}, QStringLiteral("de 72 à 1200")},
        {{e, out, QStringLiteral("--dpi"), QStringLiteral("cent"), project}, QStringLiteral("de 72 à 1200")},
        {{e, out, QStringLiteral("--couleur"), project}, QStringLiteral("Option inconnue : --couleur")},
        {{e, out, project, project}, QStringLiteral("Un seul fichier projet")},
        {{e, out}, QStringLiteral("Indiquez le fichier projet")},
        {{project, e}, QStringLiteral("demande le nom du fichier image")},
    };
    for (const auto &[args, message] : cases) {
        const Run r = run(args);
        QCOMPARE(r.status, 1);
        QVERIFY2(r.errors.contains(message), qPrintable(args.join(u' ') + QStringLiteral(" -> ") + r.errors));
    }
    QVERIFY(!QFile::exists(out));
}

QTEST_MAIN(tst_headless)
#include "tst_headless.moc"
