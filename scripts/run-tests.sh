#!/usr/bin/env bash
# Builds Brivadune with its tests and runs every test headless; ends with
# CTest's summary. Extra arguments go to cmake's configure step (for
# example -DBRIVADUNE_SANITIZE=ON with a separate BUILD_DIR).
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/deps.sh
BUILD_DIR="${BUILD_DIR:-build-tests}"
cmake -S . -B "$BUILD_DIR" -DBRIVADUNE_TESTS=ON "$@" >/dev/null
cmake --build "$BUILD_DIR" -j"$(nproc)"
cd "$BUILD_DIR"
QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j"$(nproc)"
