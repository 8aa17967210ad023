#!/usr/bin/env bash
# Installs what the build and the tests need on Debian 12 (run as root), skipping what is there.
set -euo pipefail
packages=(cmake ninja-build g++ pkg-config qt6-base-dev libqt6printsupport6 libgl-dev libxml2-dev libxslt1-dev
          libxml2-utils googletest libgtest-dev xvfb xauth xdotool fonts-dejavu-core)
missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
    export DEBIAN_FRONTEND=noninteractive
    apt-get update
    apt-get install -y --no-install-recommends "${missing[@]}"
fi
