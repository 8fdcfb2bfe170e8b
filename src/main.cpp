// Brivadune: reads the command line and starts the main frame.
#include "app/AutoAnswerPrompts.h"
#include "app/HeadlessExport.h"
#include "app/HeadlessPrint.h"
#include "app/StartupReport.h"
#include "app/frmMenu.h"
#include "platform/AppPaths.h"
#include "platform/Clipboard.h"
#include "platform/QtPrompts.h"
#include "platform/Services.h"
#include "platform/Shell.h"

#include <QApplication>
#include <QGuiApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>
#include <cstdio>
#include <cstdlib>
#include <memory>

namespace {

// The toolkit's own notices (a missing runtime folder, fonts) mean nothing
// to the user of a command: standard error carries our messages only.
void quietNotices(QtMsgType type, const QMessageLogContext &, const QString &message)
{
    if (type == QtCriticalMsg || type == QtFatalMsg)
        std::fprintf(stderr, "%s\n", message.toLocal8Bit().constData());
}

// The commands that write a file and end, without any window: they work
// with no display and take no single-instance lock.
int runHeadless(int argc, char *argv[])
{
    qInstallMessageHandler(quietNotices);
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    QGuiApplication::setApplicationName(QStringLiteral("Brivadune"));
    QStringList args = QGuiApplication::arguments();
    args.removeFirst();
    const QString appDir = AppPaths::resolveAppDir(args, QGuiApplication::applicationDirPath());
    const int status = HeadlessPrint::requested(args) ? HeadlessPrint::run(args, appDir) : HeadlessExport::run(args);
    // Every file is written and closed: tearing the toolkit down (fonts,
    // plug-ins) would only add to the command's time.
    std::fflush(nullptr);
    std::_Exit(status);
}

bool headlessRequested(int argc, char *argv[])
{
    QStringList args;
    for (int i = 1; i < argc; ++i)
        args.append(QString::fromLocal8Bit(argv[i]));
    return HeadlessExport::requested(args) || HeadlessPrint::requested(args);
}

} // namespace

int main(int argc, char *argv[])
{
    const long long startMs = StartupReport::steadyNowMs();
    if (headlessRequested(argc, argv))
        return runHeadless(argc, argv);

    QApplication app(argc, argv);
    QApplication::setStyle(QStringLiteral("Fusion"));
    QApplication::setApplicationName(QStringLiteral("Brivadune"));
    // The desktop matches the windows with the installed desktop entry.
    QGuiApplication::setDesktopFileName(QStringLiteral("org.brivadune.Brivadune"));

    // The standard buttons of Qt's dialogs in French.
    QTranslator qtFrench;
    if (qtFrench.load(QStringLiteral("qtbase_fr"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(&qtFrench);

    QStringList args = QApplication::arguments();
    args.removeFirst();
    const QString appDir = AppPaths::resolveAppDir(args, QApplication::applicationDirPath());
    const bool reportStartup = args.removeAll(QStringLiteral("--report-startup")) > 0;
    // What is left names project files to open.
    const QStringList files = args;

    // With BRIVADUNE_AUTO_ANSWER=1 no message box waits for a click (process
    // tests, measurements).
    std::unique_ptr<Prompts> prompts;
    QtPrompts *dialogs = nullptr;
    if (qEnvironmentVariable("BRIVADUNE_AUTO_ANSWER") == QLatin1String("1")) {
        prompts = std::make_unique<AutoAnswerPrompts>();
    } else {
        auto real = std::make_unique<QtPrompts>();
        dialogs = real.get();
        prompts = std::move(real);
    }
    DesktopShell shell;
    SystemClipboard clipboard;

    Services services;
    services.appDir = appDir;
    services.prompts = prompts.get();
    services.shell = &shell;
    services.clipboard = &clipboard;
    services.beep = [] { QApplication::beep(); };

    frmMenu frame(services);
    if (dialogs)
        dialogs->setParent(&frame);
    // A second start hands its files to the running program.
    frame.setStartupFiles(files);
    if (!frame.MDIForm_Load())
        return 0;
    frame.show();
    if (reportStartup)
        StartupReport::run(frame, startMs);
    return app.exec();
}
