#!/usr/bin/env bash
# Installs what is missing, builds, and runs the whole test suite: once as built, once more with
# AddressSanitizer and UndefinedBehaviorSanitizer, then checks that the built programs start on a display.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
export QT_QPA_PLATFORM=offscreen
jobs=$(nproc)

cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=Debug
cmake --build build -j "$jobs"

cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=Debug -DTAGSMITH_SANITIZE=ON
cmake --build build-asan -j "$jobs"

echo "== Starting the built tagsmith under a virtual X server"
QT_QPA_PLATFORM= xvfb-run -a scripts/startcheck.sh build/program/tagsmith
echo "== Starting the built lomshift under a virtual X server"
QT_QPA_PLATFORM= xvfb-run -a scripts/startcheck.sh build/program/lomshift "SCORM Conversion Wizard"
echo "== Starting the built batch from its program folder, as tagsmith starts it"
(cd build/program && QT_QPA_PLATFORM= xvfb-run -a ../../scripts/startcheck.sh ./batch "Batch Generate")

echo "== Test suite, sanitizers on"
ASAN_OPTIONS=detect_leaks=0 UBSAN_OPTIONS=print_stacktrace=1 \
    ctest --test-dir build-asan -j "$jobs" --timeout 120 --output-on-failure

echo "== Test suite"
ctest --test-dir build -j "$jobs" --timeout 120 --output-on-failure
