#include "Settings.h"

#include "TabStrip.h"
#include "frmMenu.h"
#include "platform/AppPaths.h"
#include "platform/ProfileFile.h"
#include "platform/TextConv.h"
#include "platform/Units.h"

#include <QAction>
#include <QCheckBox>
#include <QGuiApplication>
#include <QScreen>
#include <cmath>
#include <optional>

namespace {

const QString Menu = QStringLiteral("MENU");
const QString Options = QStringLiteral("OPTIONS");
const QString Divers = QStringLiteral("DIVERS");

// Lengths beyond this many twips (about 65 000 pixels) are not a window.
constexpr double LargestLength = 1.0e6;

std::optional<bool> readBool(const ProfileFile &file, const QString &section, const QString &key)
{
    return TextConv::toBool(file.readString(section, key));
}

std::optional<int> readInt(const ProfileFile &file, const QString &section, const QString &key)
{
    const auto value = TextConv::toInt16(file.readString(section, key));
    if (!value)
        return std::nullopt;
    return int(*value);
}

// A check box value: 0 clear, 1 ticked.
std::optional<bool> readCheck(const ProfileFile &file, const QString &key)
{
    const auto value = readInt(file, Options, key);
    if (!value || (*value != 0 && *value != 1))
        return std::nullopt;
    return *value == 1;
}

// A length or position in twips, as a single-precision number.
std::optional<double> readTwips(const ProfileFile &file, const QString &key, bool mustBePositive)
{
    const auto value = TextConv::toNumber(file.readString(Divers, key));
    if (!value || !std::isfinite(*value) || std::fabs(*value) > LargestLength)
        return std::nullopt;
    const double twips = double(float(*value));
    if (mustBePositive && twips <= 0)
        return std::nullopt;
    return twips;
}

// True when at least a corner of the frame's title area is on a screen.
bool reachable(const QRect &frame)
{
    const QRect grip(frame.topLeft(), QSize(qMax(1, frame.width()), 30));
    const auto screens = QGuiApplication::screens();
    for (const QScreen *screen : screens) {
        if (screen->geometry().intersects(grip))
            return true;
    }
    return screens.isEmpty();
}

void readAll(frmMenu &frame, const ProfileFile &file)
{
    const QString bars[] = {QStringLiteral("Outils"), QStringLiteral("Gestion"), QStringLiteral("Statut")};
    for (int i = 0; i < 3; ++i) {
        const auto shown = readBool(file, Menu, bars[i]);
        if (!shown)
            return;
        frame.showBar(i, *shown);
    }

    const std::pair<int, QString> boxes[] = {
        {0, QStringLiteral("BulleAide")}, {2, QStringLiteral("Verouiller")}, {3, QStringLiteral("Palette2D")}};
    for (const auto &[box, key] : boxes) {
        const auto ticked = readCheck(file, key);
        if (!ticked)
            return;
        frame.Check1(box)->setChecked(*ticked);
    }

    const auto tab = readInt(file, Options, QStringLiteral("Onglet"));
    if (!tab || *tab < 1 || *tab > frame.Tab1()->count())
        return;
    frame.selectTab(*tab);

    const auto mode = readInt(file, Divers, QStringLiteral("Windows"));
    if (!mode)
        return;
    frame.setWindowMode(*mode);
    if (*mode == 2) {
        frame.setWindowState(frame.windowState() | Qt::WindowMaximized);
        return;
    }
    if (*mode != 0 && *mode != 1)
        return;
    // A minimised frame comes back normal, at its last normal size and
    // place. "PositionX" is the top edge, "PositionY" the left edge.
    const auto height = readTwips(file, QStringLiteral("Hauteur"), true);
    if (!height)
        return;
    frame.resize(frame.width(), Units::toPixels(*height));
    const auto width = readTwips(file, QStringLiteral("Largeur"), true);
    if (!width)
        return;
    frame.resize(Units::toPixels(*width), frame.height());
    const auto top = readTwips(file, QStringLiteral("PositionX"), false);
    if (!top)
        return;
    frame.move(frame.x(), Units::toPixels(*top));
    const auto left = readTwips(file, QStringLiteral("PositionY"), false);
    if (!left)
        return;
    frame.move(Units::toPixels(*left), frame.y());
}

} // namespace

namespace Settings {

QString filePath(const QString &appDir)
{
    return AppPaths::join(appDir, QStringLiteral("\\Brivadune.ini"));
}

void read(frmMenu &frame)
{
    const ProfileFile file(filePath(frame.appDir()));
    readAll(frame, file);
    // A place saved on a screen that is gone would leave the frame out of
    // reach: it is centred again.
    if (!frame.isMaximized() && !reachable(QRect(frame.pos(), frame.size()))) {
        if (const QScreen *screen = QGuiApplication::primaryScreen()) {
            const QRect area = screen->geometry();
            frame.move(area.left() + (area.width() - frame.width()) / 2,
                       area.top() + (area.height() - frame.height()) / 2);
        }
    }
}

bool write(frmMenu &frame)
{
    ProfileFile file;
    // A file that is there but could not be read is never replaced by one
    // holding only these keys.
    if (!file.load(filePath(frame.appDir())) && file.loadError() != GuardedFile::Error::Missing)
        return false;
    file.writeString(Menu, QStringLiteral("Outils"), TextConv::fromBool(frame.barShown(0)));
    file.writeString(Menu, QStringLiteral("Gestion"), TextConv::fromBool(frame.barShown(1)));
    file.writeString(Menu, QStringLiteral("Statut"), TextConv::fromBool(frame.barShown(2)));

    auto box = [&frame](int index) { return frame.Check1(index)->isChecked() ? QStringLiteral("1") : QStringLiteral("0"); };
    file.writeString(Options, QStringLiteral("BulleAide"), box(0));
    file.writeString(Options, QStringLiteral("Verouiller"), box(2));
    file.writeString(Options, QStringLiteral("Palette2D"), box(3));
    file.writeString(Options, QStringLiteral("Onglet"), QString::number(frame.selectedTab()));

    const int mode = frame.isMinimized() ? 1 : frame.isMaximized() ? 2 : 0;
    frame.setWindowMode(mode);
    file.writeString(Divers, QStringLiteral("Windows"), QString::number(mode));
    if (mode == 0) {
        auto twips = [](int pixels) { return TextConv::fromSingle(float(Units::fromPixels(pixels))); };
        file.writeString(Divers, QStringLiteral("Hauteur"), twips(frame.height()));
        file.writeString(Divers, QStringLiteral("Largeur"), twips(frame.width()));
        file.writeString(Divers, QStringLiteral("PositionX"), twips(frame.y()));
        file.writeString(Divers, QStringLiteral("PositionY"), twips(frame.x()));
    }
    return file.save();
}

} // namespace Settings
