#!/usr/bin/env bash
# The whole process of the command line's picture export: a "Grand format"
# card with a gradient, four labels and a logo written as a BMP at screen
# resolution and as a PNG at 600 dpi. Runs each N times (no display at
# all) and prints the median wall time in milliseconds and the peak
# resident memory.
#
# Usage: bench/export.sh [-n RUNS] [PROGRAM]
#   PROGRAM   the Brivadune executable (default: build/app/Brivadune, then
#             build-tests/app/Brivadune)
#   -n RUNS   number of runs of each export (default 15)
set -euo pipefail

runs=15
program=""
while [ $# -gt 0 ]; do
  case "$1" in
    -n) runs="$2"; shift 2 ;;
    -h|--help) sed -n '2,11p' "$0"; exit 0 ;;
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

# A 64 x 48 logo and the project naming it.
printf 'P6\n64 48\n255\n' > "$work/logo.ppm"
head -c $((64 * 48 * 3)) /dev/zero | tr '\0' '\200' >> "$work/logo.ppm"
{
  printf '[FORMAT]\r\nLongueur=4762,8\r\nHauteur=3061,8\r\n'
  i=1
  for text in "Jean Dupont" "Menuisier" "12, quai des Bateliers" "06 12 34 56 78"; do
    printf '[LABEL %d]\r\nCaption=%s\r\nFont=DejaVu Serif\r\nFontBold=Faux\r\nFontItalic=Faux\r\nFontSize=9\r\n' "$i" "$text"
    printf 'FontStrikethru=Faux\r\nFontUnderline=Faux\r\nForeColor=0\r\nTop=%d\r\nLeft=1800\r\n' $((300 + 600 * i))
    i=$((i + 1))
  done
  printf '[LOGO 1]\r\nTop=200\r\nLeft=200\r\nTag=%s\r\n' "$work/logo.ppm"
  printf '[FOND]\r\nNumero=1\r\nColor1=2629320\r\nColor2=7925754\r\nColor3=11812884\r\nOption=4\r\n'
  printf '[LABEL]\r\nNombre=4\r\n[LOGO]\r\nNombre=1\r\n'
} > "$work/carte.prj"

median() {
  sort -n | awk '{ v[NR] = $1 } END { if (NR % 2) print v[(NR + 1) / 2]; else print (v[NR / 2] + v[NR / 2 + 1]) / 2 }'
}

measure() {
  local label="$1"; shift
  env -u DISPLAY -u WAYLAND_DISPLAY "$program" --export "$work/warmup.out.$label" "$@" "$work/carte.prj"
  : > "$work/times"
  : > "$work/rss"
  for i in $(seq 1 "$runs"); do
    local start end
    start=$(date +%s%N)
    /usr/bin/time -f '%M' -o "$work/rss.one" \
      env -u DISPLAY -u WAYLAND_DISPLAY "$program" --export "$work/out.$label" "$@" "$work/carte.prj"
    end=$(date +%s%N)
    echo $(( (end - start) / 1000000 )) >> "$work/times"
    cat "$work/rss.one" >> "$work/rss"
  done
  echo "$label: median_ms=$(median < "$work/times") peak_rss_kb=$(median < "$work/rss")"
}

echo "runs=$runs"
measure bmp
measure png --dpi 600
