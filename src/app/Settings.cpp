#include "Settings.h"

#include "frmMenu.h"
#include "panel/TabStrip.h"
#include "panel/ToolPanel.h"
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

const QString MenuSection = QStringLiteral("MENU");
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

void applyValues(frmMenu &frame, const Settings::Values &v)
{
    for (int i = 0; i < 3; ++i) {
        if (!v.bars[std::size_t(i)])
            return;
        frame.showBar(i, *v.bars[std::size_t(i)]);
    }
    const int boxes[] = {0, 2, 3};
    for (int i = 0; i < 3; ++i) {
        if (!v.boxes[std::size_t(i)])
            return;
        frame.panel().Check1(boxes[i])->setChecked(*v.boxes[std::size_t(i)]);
    }
    if (!v.tab)
        return;
    frame.panel().selectTab(*v.tab);
    if (!v.windowMode)
        return;
    if (*v.windowMode == 2) {
        frame.setWindowState(frame.windowState() | Qt::WindowMaximized);
        return;
    }
    // A minimised frame comes back normal, at its last normal size and
    // place. "PositionX" is the top edge, "PositionY" the left edge.
    if (!v.height)
        return;
    frame.resize(frame.width(), Units::toPixels(*v.height));
    if (!v.width)
        return;
    frame.resize(Units::toPixels(*v.width), frame.height());
    if (!v.top)
        return;
    frame.move(frame.x(), Units::toPixels(*v.top));
    if (!v.left)
        return;
    frame.move(Units::toPixels(*v.left), frame.y());
}

} // namespace

namespace Settings {

QString filePath(const QString &appDir)
{
    return AppPaths::settingsFile(appDir);
}

Values readValues(const ProfileFile &file, int tabCount)
{
    Values v;
    const QString bars[] = {QStringLiteral("Outils"), QStringLiteral("Gestion"), QStringLiteral("Statut")};
    for (int i = 0; i < 3; ++i) {
        v.bars[std::size_t(i)] = readBool(file, MenuSection, bars[i]);
        if (!v.bars[std::size_t(i)])
            return v;
    }
    const QString boxes[] = {QStringLiteral("BulleAide"), QStringLiteral("Verouiller"), QStringLiteral("Palette2D")};
    for (int i = 0; i < 3; ++i) {
        v.boxes[std::size_t(i)] = readCheck(file, boxes[i]);
        if (!v.boxes[std::size_t(i)])
            return v;
    }
    const auto tab = readInt(file, Options, QStringLiteral("Onglet"));
    if (!tab || *tab < 1 || *tab > tabCount)
        return v;
    v.tab = tab;
    v.windowMode = readInt(file, Divers, QStringLiteral("Windows"));
    if (v.windowMode != 0 && v.windowMode != 1)
        return v;
    if (!(v.height = readTwips(file, QStringLiteral("Hauteur"), true)))
        return v;
    if (!(v.width = readTwips(file, QStringLiteral("Largeur"), true)))
        return v;
    if (!(v.top = readTwips(file, QStringLiteral("PositionX"), false)))
        return v;
    v.left = readTwips(file, QStringLiteral("PositionY"), false);
    return v;
}

void read(frmMenu &frame)
{
    const ProfileFile file(filePath(frame.services().appDir));
    applyValues(frame, readValues(file, frame.panel().Tab1()->count()));
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
    if (!file.load(filePath(frame.services().appDir)) && file.loadError() != GuardedFile::Error::Missing)
        return false;
    file.writeString(MenuSection, QStringLiteral("Outils"), TextConv::fromBool(frame.barShown(0)));
    file.writeString(MenuSection, QStringLiteral("Gestion"), TextConv::fromBool(frame.barShown(1)));
    file.writeString(MenuSection, QStringLiteral("Statut"), TextConv::fromBool(frame.barShown(2)));

    auto box = [&frame](int index) {
        return frame.panel().Check1(index)->isChecked() ? QStringLiteral("1") : QStringLiteral("0");
    };
    file.writeString(Options, QStringLiteral("BulleAide"), box(0));
    file.writeString(Options, QStringLiteral("Verouiller"), box(2));
    file.writeString(Options, QStringLiteral("Palette2D"), box(3));
    file.writeString(Options, QStringLiteral("Onglet"), QString::number(frame.panel().selectedTab()));

    const int mode = frame.isMinimized() ? 1 : frame.isMaximized() ? 2 : 0;
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
