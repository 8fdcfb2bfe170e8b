// Brivadune: reads the command line and starts the main frame.
#include "app/AutoAnswerPrompts.h"
#include "app/DisplayStart.h"
#include "app/HeadlessExport.h"
#include "app/HeadlessPrint.h"
#include "app/StartOptions.h"
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

QStringList rawArguments(int argc, char *argv[])
{
    QStringList args;
    for (int i = 1; i < argc; ++i)
        args.append(QString::fromLocal8Bit(argv[i]));
    return args;
}

void print(std::FILE *stream, const QString &text)
{
    std::fputs(text.toLocal8Bit().constData(), stream);
    std::fputc('\n', stream);
}

} // namespace

int main(int argc, char *argv[])
{
    const long long startMs = StartupReport::steadyNowMs();
    // Answered before the toolkit starts: they need no display.
    const QStringList raw = rawArguments(argc, argv);
    switch (StartOptions::request(raw)) {
    case StartOptions::Request::Help: print(stdout, StartOptions::usage()); return 0;
    case StartOptions::Request::Version: print(stdout, StartOptions::versionLine()); return 0;
    case StartOptions::Request::Start: break;
    }
    if (HeadlessExport::requested(raw) || HeadlessPrint::requested(raw))
        return runHeadless(argc, argv);
    if (const QString unknown = StartOptions::unknownOption(raw); !unknown.isEmpty()) {
        print(stderr, StartOptions::unknownOptionMessage(unknown));
        return 1;
    }

    const std::unique_ptr<QApplication> application = DisplayStart::open(argc, argv);
    QApplication &app = *application;
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
    StartOptions::dropOptionsEnd(args);
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
