#include "SaneScanSettings.h"

#include "ScanOptionChoice.h"

#include <sane/saneopts.h>

#include <QByteArray>
#include <QStringList>

#include <cmath>
#include <cstring>
#include <optional>

namespace {

constexpr double WantedResolution = 300;
constexpr int WantedDepth = 8;

// The index of the settable, active option called `name`; nothing when the
// device has no such option or it cannot be set now.
std::optional<SANE_Int> findSettable(SANE_Handle handle, const char *name)
{
    // Option 0 holds the number of options.
    SANE_Int count = 0;
    const SANE_Option_Descriptor *first = sane_get_option_descriptor(handle, 0);
    if (!first || first->type != SANE_TYPE_INT || first->size != sizeof(SANE_Int)
        || sane_control_option(handle, 0, SANE_ACTION_GET_VALUE, &count, nullptr) != SANE_STATUS_GOOD)
        return std::nullopt;
    for (SANE_Int i = 1; i < count; ++i) {
        const SANE_Option_Descriptor *d = sane_get_option_descriptor(handle, i);
        if (d && d->name && std::strcmp(d->name, name) == 0) {
            if (SANE_OPTION_IS_ACTIVE(d->cap) && SANE_OPTION_IS_SETTABLE(d->cap))
                return i;
            return std::nullopt;
        }
    }
    return std::nullopt;
}

bool refused(SANE_Status status, const char *name, QString *error)
{
    if (status == SANE_STATUS_GOOD)
        return false;
    if (error)
        *error = QStringLiteral("Le scanner refuse le réglage « %1 » : %2.")
                     .arg(QLatin1String(name), QString::fromUtf8(sane_strstatus(status)));
    return true;
}

bool setMode(SANE_Handle handle, QString *error)
{
    const auto index = findSettable(handle, SANE_NAME_SCAN_MODE);
    if (!index)
        return true;
    const SANE_Option_Descriptor *d = sane_get_option_descriptor(handle, *index);
    if (!d || d->type != SANE_TYPE_STRING || d->size <= 0 || d->constraint_type != SANE_CONSTRAINT_STRING_LIST)
        return true;
    QStringList modes;
    for (const SANE_String_Const *s = d->constraint.string_list; s && *s; ++s)
        modes << QString::fromUtf8(*s);
    const auto mode = ScanOptionChoice::colourMode(modes);
    if (!mode)
        return true;
    const QByteArray wanted = mode->toUtf8();
    if (wanted.size() >= d->size)
        return true;
    QByteArray value(d->size, '\0');
    if (sane_control_option(handle, *index, SANE_ACTION_GET_VALUE, value.data(), nullptr) == SANE_STATUS_GOOD
        && wanted == value.constData())
        return true;
    value.fill('\0');
    std::memcpy(value.data(), wanted.constData(), size_t(wanted.size()));
    SANE_Int info = 0;
    return !refused(sane_control_option(handle, *index, SANE_ACTION_SET_VALUE, value.data(), &info),
                    SANE_NAME_SCAN_MODE, error);
}

// Sets a one-word numeric option to the allowed value nearest to `wanted`
// (when `exact`, only to `wanted` itself).
bool setNumber(SANE_Handle handle, const char *name, double wanted, bool exact, QString *error)
{
    const auto index = findSettable(handle, name);
    if (!index)
        return true;
    const SANE_Option_Descriptor *d = sane_get_option_descriptor(handle, *index);
    if (!d || (d->type != SANE_TYPE_INT && d->type != SANE_TYPE_FIXED) || d->size != sizeof(SANE_Word))
        return true;
    const bool fixed = d->type == SANE_TYPE_FIXED;
    const auto toDouble = [fixed](SANE_Word w) { return fixed ? SANE_UNFIX(w) : double(w); };

    ScanOptionChoice::Allowed allowed;
    if (d->constraint_type == SANE_CONSTRAINT_RANGE && d->constraint.range) {
        allowed.kind = ScanOptionChoice::Allowed::Kind::Range;
        allowed.min = toDouble(d->constraint.range->min);
        allowed.max = toDouble(d->constraint.range->max);
        allowed.quant = toDouble(d->constraint.range->quant);
    } else if (d->constraint_type == SANE_CONSTRAINT_WORD_LIST && d->constraint.word_list) {
        // The first word is the number of values that follow.
        allowed.kind = ScanOptionChoice::Allowed::Kind::List;
        for (SANE_Int i = 1; i <= d->constraint.word_list[0]; ++i)
            allowed.list << toDouble(d->constraint.word_list[i]);
    }
    const auto value = ScanOptionChoice::nearest(allowed, wanted);
    if (!value || (exact && *value != wanted))
        return true;

    const SANE_Word word = fixed ? SANE_Word(SANE_FIX(*value)) : SANE_Word(std::lround(*value));
    SANE_Word current = 0;
    if (sane_control_option(handle, *index, SANE_ACTION_GET_VALUE, &current, nullptr) == SANE_STATUS_GOOD
        && current == word)
        return true;
    SANE_Word set = word;
    SANE_Int info = 0;
    return !refused(sane_control_option(handle, *index, SANE_ACTION_SET_VALUE, &set, &info), name, error);
}

} // namespace

bool applyScanSettings(SANE_Handle handle, QString *error)
{
    // The mode first: it can change which depths and resolutions exist.
    return setMode(handle, error) && setNumber(handle, SANE_NAME_BIT_DEPTH, WantedDepth, true, error)
        && setNumber(handle, SANE_NAME_SCAN_RESOLUTION, WantedResolution, false, error);
}
