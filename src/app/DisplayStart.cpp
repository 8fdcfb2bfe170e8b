#include "DisplayStart.h"

#include <QApplication>
#include <cstdio>
#include <cstdlib>

namespace DisplayStart {

namespace {

// While the toolkit starts: its notices about the display mean nothing to
// the user, and its fatal error (no platform could start) becomes our
// message and status instead of an abort.
void startingNotices(QtMsgType type, const QMessageLogContext &, const QString &)
{
    if (type != QtFatalMsg)
        return;
    std::fprintf(stderr, "%s\n", noDisplayMessage().toLocal8Bit().constData());
    std::fflush(stderr);
    std::_Exit(1);
}

} // namespace

std::unique_ptr<QApplication> open(int &argc, char **argv)
{
    const QtMessageHandler previous = qInstallMessageHandler(startingNotices);
    auto app = std::make_unique<QApplication>(argc, argv);
    qInstallMessageHandler(previous);
    return app;
}

QString noDisplayMessage()
{
    const QString platform = qEnvironmentVariable("QT_QPA_PLATFORM");
    const QString display = qEnvironmentVariable("DISPLAY");
    const QString wayland = qEnvironmentVariable("WAYLAND_DISPLAY");
    QString reason;
    if (!platform.isEmpty() && !platform.startsWith(QLatin1String("xcb"))
        && !platform.startsWith(QLatin1String("wayland")))
        reason = QStringLiteral("la plate-forme graphique « %1 » (QT_QPA_PLATFORM) n'a pas pu démarrer.").arg(platform);
    else if (display.isEmpty() && wayland.isEmpty())
        reason = QStringLiteral("ni DISPLAY ni WAYLAND_DISPLAY n'est défini.");
    else
        reason = QStringLiteral("la connexion à l'affichage « %1 » a échoué.").arg(display.isEmpty() ? wayland : display);
    return QStringLiteral("Aucun affichage graphique n'est disponible : ") + reason
           + QStringLiteral("\nLes formes --export, --print-pdf et --print fonctionnent sans affichage "
                            "(« brivadune --help » les décrit).");
}

} // namespace DisplayStart
