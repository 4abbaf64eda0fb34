#!/usr/bin/env bash
# Installs what is missing, builds both architectures and runs every test
# under Wine (one prefix under build/, one persistent wineserver, one X server).
set -euo pipefail
ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
. "$ROOT/tools/lib/common.sh"

ensure_packages
build_all
# A fresh prefix for every run, so that no earlier run's printers or files leak in.
export WINEPREFIX="$BUILD/wine"
wineserver -k >/dev/null 2>&1 || true
rm -rf "$WINEPREFIX"
start_wine_session
log "running the tests"
ctest --test-dir "$BUILD/x64" --output-on-failure -j "$(nproc)" "$@"
