#!/usr/bin/env bash
# Installs what is missing, builds, and starts tagsmith (under a virtual X server when there is no display).
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
cmake -S . -B build-run -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTAGSMITH_BUILD_TESTS=OFF
cmake --build build-run
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
    echo "No display is available: starting tagsmith under a virtual X server (xvfb-run)."
    exec xvfb-run -a build-run/program/tagsmith
fi
exec build-run/program/tagsmith
