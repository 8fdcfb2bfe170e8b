// Fuzz target: any bytes as the frame's settings file (Brivadune.ini): the
// values read are a leading run of the keys, each in range; written back as
// the frame writes them they read back, unchanged from the second save on.
#include "FuzzSupport.h"
#include "app/Settings.h"
#include "platform/Encoding.h"
#include "platform/ProfileFile.h"
#include "platform/TextConv.h"

#include <cmath>
#include <cstdint>
#include <tuple>
#include <vector>

namespace {

using FuzzSupport::check;

constexpr int TabCount = 6; // the frame's tabs

// Whether each value was read, in reading order.
std::vector<bool> presence(const Settings::Values &v)
{
    return {v.bars[0].has_value(),  v.bars[1].has_value(),  v.bars[2].has_value(),  v.boxes[0].has_value(),
            v.boxes[1].has_value(), v.boxes[2].has_value(), v.tab.has_value(),      v.windowMode.has_value(),
            v.height.has_value(),   v.width.has_value(),    v.top.has_value(),      v.left.has_value()};
}

bool length(const std::optional<double> &twips, bool positive)
{
    return !twips || (std::isfinite(*twips) && std::fabs(*twips) <= 1.0e6 && (!positive || *twips > 0));
}

// The file the frame writes for these values (those read only).
ProfileFile written(const Settings::Values &v)
{
    ProfileFile out;
    const char *bars[] = {"Outils", "Gestion", "Statut"}, *boxes[] = {"BulleAide", "Verouiller", "Palette2D"};
    for (std::size_t i = 0; i < 3; ++i) {
        if (v.bars[i])
            out.writeString(QStringLiteral("MENU"), QLatin1String(bars[i]), TextConv::fromBool(*v.bars[i]));
        if (v.boxes[i])
            out.writeString(QStringLiteral("OPTIONS"), QLatin1String(boxes[i]), QString::number(*v.boxes[i] ? 1 : 0));
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
    return std::tie(a.bars, a.boxes, a.tab, a.windowMode, a.height, a.width, a.top, a.left)
        == std::tie(b.bars, b.boxes, b.tab, b.windowMode, b.height, b.width, b.top, b.left);
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

    const std::vector<bool> read = presence(values);
    check(std::is_sorted(read.begin(), read.end(), [](bool a, bool b) { return a > b; }));

    check(!values.tab || (*values.tab >= 1 && *values.tab <= TabCount));
    check(!values.windowMode || (*values.windowMode >= -32768 && *values.windowMode <= 32767));
    check(!values.height || values.windowMode == 0 || values.windowMode == 1);
    check(length(values.height, true) && length(values.width, true) && length(values.top, false)
          && length(values.left, false));

    // Written as the frame writes them, every value reads back; a length is
    // written with at most seven significant digits, as project files
    // written on Windows write a single, so it may change once, then no more.
    const Settings::Values once = reread(values);
    check(presence(once) == read && same(reread(once), once));
    return 0;
}
