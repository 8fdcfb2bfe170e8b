#pragma once

#include <QString>

class frmMenu;

// The start-up measurement behind `--report-startup`: once the frame is on
// screen and one card window is open, prints
// "startup_ms=<ms since the process started> rss_kb=<resident memory>"
// on standard output and ends the event loop without the quit question.
namespace StartupReport {

// Milliseconds since the process was started by the system (from
// /proc/self/stat), or -1 when that is unknown.
long long msSinceProcessStart();
// Resident memory in kilobytes (VmRSS of /proc/self/status), or -1.
long long residentKb();

// Starts the measurement; call right after showing the frame.
// `fallbackStartMs` is a steady-clock reading in milliseconds taken first
// thing in main, used when the system's start time cannot be read.
void run(frmMenu &frame, long long fallbackStartMs);

// Milliseconds of the steady clock.
long long steadyNowMs();

} // namespace StartupReport
