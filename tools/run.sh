#!/usr/bin/env bash
# Installs what is missing, builds both architectures, and runs setup.exe
# under Wine (prefix build/wine-run) from C:\Setup. With a display (DISPLAY
# set) the wizard is yours to walk; without one it runs on a virtual X server
# and walks the default path by itself. Then prints what was installed.
# The system language comes from LC_ALL (for example LC_ALL=zh_CN.UTF-8).
set -euo pipefail
ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
. "$ROOT/tools/lib/common.sh"

ensure_packages
build_all
export WINEPREFIX="$BUILD/wine-run"
start_wine_session
TOOL="$BUILD/x64/tests/wizard/wizard_tool.exe"
export QX710_BUILD="$BUILD/x64"

app="$WINEPREFIX/drive_c/Setup"
mkdir -p "$app"
cp "$BUILD/x64/setup/setup.exe" "$app/"
if [ -n "${XVFB_PID:-}" ]; then
    log "no display: walking the wizard's default path on a virtual X server"
    wine "$TOOL" walk || log "the wizard did not install (see above)"
else
    log "the wizard is on $DISPLAY"
    wine 'C:\Setup\setup.exe' || true
fi

log "what setup.exe wrote beside itself (C:\\Setup)"
(cd "$app" && find . -type f ! -name setup.exe -printf '  %p  %s bytes\n' | sort)
log "what is installed"
wine "$TOOL" report
