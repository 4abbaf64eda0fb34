#!/usr/bin/env bash
# Installs what is missing, builds both architectures, and runs setup.exe under
# Wine (prefix build/wine-run) from C:\Setup, then prints what it wrote.
set -euo pipefail
ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
. "$ROOT/tools/lib/common.sh"

ensure_packages
build_all
export WINEPREFIX="$BUILD/wine-run"
start_wine_session

app="$WINEPREFIX/drive_c/Setup"
mkdir -p "$app"
cp "$BUILD/x64/setup/setup.exe" "$app/"
log "running C:\\Setup\\setup.exe (system language from LC_ALL=${LC_ALL:-C})"
wine 'C:\Setup\setup.exe' || true

log "what it wrote in C:\\Setup"
(cd "$app" && find . -type f ! -name setup.exe -printf '  %p  %s bytes\n' | sort)
log "setting.dll"
tr -d '\r' < "$app/setting.dll" | sed 's/^/  /'
