#!/usr/bin/env bash
# Creates the Wine prefix of a build folder once and switches off the crash dialog, so that a
# crashing test fails instead of waiting. Usage: wine-prefix.sh BUILD_DIR
set -euo pipefail
export WINEPREFIX="$(cd "$1" && pwd)/wine" WINEDEBUG=-all
if [ ! -f "$WINEPREFIX/system.reg" ]; then
    wineboot -i >/dev/null 2>&1 || true
fi
wine reg add 'HKCU\Software\Wine\WineDbg' /v ShowCrashDialog /t REG_DWORD /d 0 /f >/dev/null 2>&1
