#!/usr/bin/env bash
# Fuzzes the XML loading, the SCORM 1.2 import, the SCORM 2004 reader and batch's filling of the template with
# clang's libFuzzer for the given number of seconds (default 600), seeded with the shared sample files and the
# tests' records and templates. Builds build-fuzz with -DTAGSMITH_FUZZ=ON first.
# What the fuzzer learns stays in build-fuzz/corpus; a crash leaves its input in build-fuzz/findings.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-600}
jobs=${JOBS:-4}
scripts/setup.sh
# The compiler and libFuzzer, which only this script needs (run as root, as setup.sh is).
missing=()
for p in clang-14 libclang-rt-14-dev; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
    export DEBIAN_FRONTEND=noninteractive
    apt-get update
    apt-get install -y --no-install-recommends "${missing[@]}"
fi

CC=clang-14 CXX=clang++-14 cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DTAGSMITH_FUZZ=ON -DTAGSMITH_BUILD_TESTS=OFF
cmake --build build-fuzz -j "$jobs"

mkdir -p build-fuzz/corpus build-fuzz/findings
seeds=()
for folder in ../shared/samples/imsmd12 ../shared/samples/lom ../shared/samples/manifests tests/data/reader12 \
    tests/data/reader2004 tests/data/batch; do
    [ -d "$folder" ] && seeds+=("$folder")
done
export QT_QPA_PLATFORM=offscreen
ASAN_OPTIONS=${ASAN_OPTIONS:-detect_leaks=1} build-fuzz/fuzz/fuzz_import \
    -max_total_time="$seconds" -timeout=20 -rss_limit_mb=4096 -max_len=262144 \
    -dict=fuzz/xml.dict -artifact_prefix=build-fuzz/findings/ -print_final_stats=1 \
    build-fuzz/corpus "${seeds[@]}"
