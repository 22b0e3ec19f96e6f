#!/usr/bin/env bash
# Installs the Debian packages that the build, the tests and the simulator need, if missing.
set -euo pipefail
packages=(cmake ninja-build g++ googletest libgmock-dev libgtest-dev libbenchmark-dev libxml2-dev
          g++-mingw-w64-x86-64 wine wine64 clang-format)
missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
    echo "Installing: ${missing[*]}"
    export DEBIAN_FRONTEND=noninteractive
    apt-get update -qq
    apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
fi
