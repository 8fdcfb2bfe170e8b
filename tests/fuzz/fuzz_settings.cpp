// Fuzz target: any bytes as the frame's settings file (Brivadune.ini), read
// as the frame reads it at start. Reading stops at the first missing or
// unconvertible value, so the values read are always a leading run of the
// file's keys; every value is in range; and values written back the way the
// frame writes them read back, unchanged from the second save on.
#include "FuzzSupport.h"
#include "app/Settings.h"
#include "platform/Encoding.h"
#include "platform/ProfileFile.h"
#include "platform/TextConv.h"

#include <QByteArray>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <vector>

namespace {

using FuzzSupport::check;

// The frame has six tabs.
constexpr int TabCount = 6;

// Whether each value was read, in reading order.
std::vector<bool> presence(const Settings::Values &v)
{
    std::vector<bool> out;
    for (const auto &b : v.bars)
        out.push_back(b.has_value());
    for (const auto &b : v.boxes)
        out.push_back(b.has_value());
    for (const bool present : {v.tab.has_value(), v.windowMode.has_value(), v.height.has_value(),
                               v.width.has_value(), v.top.has_value(), v.left.has_value()})
        out.push_back(present);
    return out;
}

void checkLength(const std::optional<double> &twips, bool positive)
{
    if (twips)
        check(std::isfinite(*twips) && std::fabs(*twips) <= 1.0e6 && (!positive || *twips > 0));
}

// The file the frame writes for these values (those read only).
ProfileFile written(const Settings::Values &v)
{
    ProfileFile out;
    const char *bars[] = {"Outils", "Gestion", "Statut"};
    for (int i = 0; i < 3; ++i) {
        if (v.bars[std::size_t(i)])
            out.writeString(QStringLiteral("MENU"), QLatin1String(bars[i]), TextConv::fromBool(*v.bars[std::size_t(i)]));
    }
    const char *boxes[] = {"BulleAide", "Verouiller", "Palette2D"};
    for (int i = 0; i < 3; ++i) {
        if (v.boxes[std::size_t(i)])
            out.writeString(QStringLiteral("OPTIONS"), QLatin1String(boxes[i]),
                            QString::number(*v.boxes[std::size_t(i)] ? 1 : 0));
    }
    if (v.tab)
        out.writeString(QStringLiteral("OPTIONS"), QStringLiteral("Onglet"), QString::number(*v.tab));
    if (v.windowMode)
        out.writeString(QStringLiteral("DIVERS"), QStringLiteral("Windows"), QString::number(*v.windowMode));
    const std::pair<const char *, std::optional<double>> lengths[] = {
        {"Hauteur", v.height}, {"Largeur", v.width}, {"PositionX", v.top}, {"PositionY", v.left}};
    for (const auto &[key, value] : lengths) {
        if (value)
            out.writeString(QStringLiteral("DIVERS"), QLatin1String(key), TextConv::fromSingle(float(*value)));
    }
    return out;
}

bool same(const Settings::Values &a, const Settings::Values &b)
{
    return a.bars == b.bars && a.boxes == b.boxes && a.tab == b.tab && a.windowMode == b.windowMode
        && a.height == b.height && a.width == b.width && a.top == b.top && a.left == b.left;
}

Settings::Values reread(const Settings::Values &v)
{
    ProfileFile again;
    again.fromText(Encoding::decode(Encoding::encode(written(v).toText())));
    return Settings::readValues(again, TabCount);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    ProfileFile file;
    file.fromText(Encoding::decode(bytes));
    const Settings::Values values = Settings::readValues(file, TabCount);

    // A leading run: once a value is missing, so are all later ones.
    const std::vector<bool> read = presence(values);
    check(std::is_sorted(read.begin(), read.end(), [](bool a, bool b) { return a > b; }));

    if (values.tab)
        check(*values.tab >= 1 && *values.tab <= TabCount);
    if (values.windowMode)
        check(*values.windowMode >= -32768 && *values.windowMode <= 32767);
    if (values.height)
        check(values.windowMode == 0 || values.windowMode == 1);
    checkLength(values.height, true);
    checkLength(values.width, true);
    checkLength(values.top, false);
    checkLength(values.left, false);

    // Written as the frame writes them, every value reads back; a length
    // is written with at most seven significant digits, as the Windows
    // program writes a single, so it may come back a little changed once.
    // Written and read again, nothing changes.
    const Settings::Values once = reread(values);
    check(presence(once) == read);
    check(same(reread(once), once));
    return 0;
}
