#!/usr/bin/env bash
# Installs what is missing, builds, and starts tagsmith (under a virtual X server when there is no display).
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTAGSMITH_BUILD_TESTS=OFF
cmake --build build --target tagsmith
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
    echo "No display is available: starting tagsmith under a virtual X server (xvfb-run)."
    exec xvfb-run -a build/program/tagsmith
fi
exec build/program/tagsmith
