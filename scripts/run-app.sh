#!/usr/bin/env bash
# Builds Brivadune and starts it on the application folder laid out by the
# build (build/app). Extra arguments go to the program.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/deps.sh
cmake -S . -B build -DBRIVADUNE_TESTS=OFF -DBRIVADUNE_BENCH=OFF >/dev/null
cmake --build build -j"$(nproc)" --target Brivadune
exec build/app/Brivadune "$@"
