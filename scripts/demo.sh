#!/usr/bin/env bash
# Builds the native simulator and the module, then runs the demo scenario with its trace,
# the factory's classes and the device's recorded host calls.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/deps.sh
cmake --preset native-release >/dev/null
cmake --build --preset native-release --target hostsim vokext
exec build/native-release/bin/hostsim --classes --trace --calls hostsim/scenarios/demo.txt
