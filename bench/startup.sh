#!/usr/bin/env bash
# Start-up of the real program: (a) milliseconds from the process start to
# the main frame shown, (b) resident memory with one card window open.
# Runs the program N times with --report-startup, each on a fresh
# application folder, and prints the median of each figure.
#
# Usage: bench/startup.sh [-n RUNS] [--xvfb] [PROGRAM]
#   PROGRAM   the Brivadune executable (default: build/app/Brivadune, then
#             build-tests/app/Brivadune)
#   -n RUNS   number of runs (default 15)
#   --xvfb    run under a virtual X server (xvfb-run) instead of Qt's
#             offscreen platform
set -euo pipefail

runs=15
platform=offscreen
program=""
while [ $# -gt 0 ]; do
  case "$1" in
    -n) runs="$2"; shift 2 ;;
    --xvfb) platform=xcb; shift ;;
    -h|--help) sed -n '2,13p' "$0"; exit 0 ;;
    *) program="$1"; shift ;;
  esac
done

root="$(cd "$(dirname "$0")/.." && pwd)"
if [ -z "$program" ]; then
  for candidate in "$root/build/app/Brivadune" "$root/build-tests/app/Brivadune"; do
    if [ -x "$candidate" ]; then program="$candidate"; break; fi
  done
fi
if [ -z "$program" ] || [ ! -x "$program" ]; then
  echo "Brivadune executable not found; build it (cmake --build build --target Brivadune) or name it." >&2
  exit 1
fi

work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT

run_once() {
  local appdir="$work/app-$1"
  mkdir -p "$appdir"
  if [ "$platform" = xcb ]; then
    BRIVADUNE_AUTO_ANSWER=1 xvfb-run -a -s "-screen 0 1280x1024x24" \
      "$program" --app-dir "$appdir" --report-startup 2>/dev/null
  else
    QT_QPA_PLATFORM=offscreen BRIVADUNE_AUTO_ANSWER=1 \
      "$program" --app-dir "$appdir" --report-startup 2>/dev/null
  fi
}

# One warm-up run fills the disk cache; it is not counted.
run_once warmup >/dev/null

: > "$work/results"
for i in $(seq 1 "$runs"); do
  line="$(run_once "$i" | grep '^startup_ms=' || true)"
  if [ -z "$line" ]; then
    echo "run $i gave no report" >&2
    exit 1
  fi
  echo "$line" >> "$work/results"
done

median() {
  sort -n | awk '{ v[NR] = $1 } END { if (NR % 2) print v[(NR + 1) / 2]; else print (v[NR / 2] + v[NR / 2 + 1]) / 2 }'
}
startup="$(sed 's/.*startup_ms=\([0-9-]*\).*/\1/' "$work/results" | median)"
rss="$(sed 's/.*rss_kb=\([0-9-]*\).*/\1/' "$work/results" | median)"
echo "platform=$platform runs=$runs"
echo "median startup_ms=$startup"
echo "median rss_kb=$rss"
