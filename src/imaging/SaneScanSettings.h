#pragma once

#include <QString>

#include <sane/sane.h>

// Puts an open device in colour at 300 dots per inch with 8-bit samples, as
// far as the device offers it: each option's description and allowed
// values are read first, a setting the device lacks (or that is inactive or
// read-only) is left as it is, the nearest allowed resolution is taken when
// 300 is not one, and a setting the device refuses fails with `error` set.
// The caller holds SaneSession::callLock().
bool applyScanSettings(SANE_Handle handle, QString *error);
