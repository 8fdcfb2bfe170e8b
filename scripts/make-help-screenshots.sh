#!/usr/bin/env bash
# Makes the screenshots of the help (help/images/*.png) from the real
# program under a virtual X server. Run it again whenever a window changes;
# windows that do not exist yet are skipped and appear in the help once they
# exist and this has run again.
#
#   scripts/make-help-screenshots.sh [OUT_DIR]      (default help/images)
set -euo pipefail
cd "$(dirname "$0")/.."
root="$PWD"
out="$(realpath -m "${1:-help/images}")"
BUILD_DIR="${BUILD_DIR:-build}"

scripts/deps.sh
cmake -S . -B "$BUILD_DIR" >/dev/null
cmake --build "$BUILD_DIR" -j"$(nproc)" --target Brivadune brivadune_helpshots

work="$(mktemp -d)"
xvfb_pid=""
cleanup() {
  [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT

# A fresh application folder with the supplied files, nothing of the user's.
cp -r "$BUILD_DIR/app" "$work/app"
rm -f "$work/app/Brivadune" "$work/app/Brivadune.ini"
rm -rf "$work/app/Projets"

# SANE's test backend stands for a scanner.
mkdir -p "$work/sane"
echo test > "$work/sane/dll.conf"
[ -f /etc/sane.d/test.conf ] && cp /etc/sane.d/test.conf "$work/sane/"

# A virtual screen of its own, on a display nobody else uses.
display=""
for n in $(seq $((90 + RANDOM % 50)) 199); do
  if [ ! -e "/tmp/.X11-unix/X$n" ] && [ ! -e "/tmp/.X$n-lock" ]; then display=":$n"; break; fi
done
[ -n "$display" ] || { echo "no free X display" >&2; exit 1; }
Xvfb "$display" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
xvfb_pid=$!
for _ in $(seq 50); do [ -e "/tmp/.X11-unix/X${display#:}" ] && break; sleep 0.1; done

mkdir -p "$out"
# French numbers (8,40 x 5,40 cm), as a French desktop shows them.
DISPLAY="$display" QT_QPA_PLATFORM=xcb SANE_CONFIG_DIR="$work/sane" LANG=fr_FR.UTF-8 LC_ALL=fr_FR.UTF-8 \
  "$BUILD_DIR/help/brivadune_helpshots" --app-dir "$work/app" --out "$work/shots"

# Small files: no metadata, and a palette when that loses nothing visible.
for shot in "$work"/shots/*.png; do
  name="$(basename "$shot")"
  convert "$shot" -strip "PNG8:$work/8-$name" 2>/dev/null || cp "$shot" "$work/8-$name"
  # Keep the 8-bit version only when it is close to the original.
  diff="$(compare -metric RMSE "$shot" "$work/8-$name" null: 2>&1 | sed -n 's/.*(\(.*\))/\1/p' || true)"
  if awk -v d="${diff:-1}" 'BEGIN { exit !(d < 0.01) }'; then
    cp "$work/8-$name" "$out/$name"
  else
    convert "$shot" -strip "$out/$name"
  fi
done
echo "Screenshots in ${out#$root/}:"
ls -1 "$out"
