#!/usr/bin/env bash
# Benchmarks, reported, never asserted: the size of what ships and how long the
# wizard takes to appear and to install, under Wine on a virtual X server.
# Usage: bench/run.sh [RUNS]   (default 5; builds first when needed)
set -euo pipefail
ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
. "$ROOT/tools/lib/common.sh"
runs=${1:-5}

ensure_packages
[ -f "$BUILD/x64/tests/wizard/wizard_tool.exe" ] && [ -f "$BUILD/x86/setup/setup.exe" ] || build_all

echo "== sizes (bytes)"
for f in x86/setup/setup.exe x86/uninstaller/uninstallvelt.exe x64/setup/setup.exe x64/uninstaller/uninstallvelt.exe; do
    printf '  %-36s %10s\n' "$f" "$(stat -c %s "$BUILD/$f")"
done

export WINEPREFIX="$BUILD/wine-bench" QX710_XVFB=1 QX710_BUILD="$BUILD/x64"
start_wine_session
TOOL="$BUILD/x64/tests/wizard/wizard_tool.exe"
app="$WINEPREFIX/drive_c/Setup"
mkdir -p "$app"
cp "$BUILD/x64/setup/setup.exe" "$app/"
LC_ALL=en_US.UTF-8 wine "$TOOL" cancel >/dev/null   # string sets in place

# Median of a command's wall time in milliseconds over the runs.
median_ms() {
    local times=() i start
    for ((i = 0; i < runs; i++)); do
        [ -n "${BEFORE:-}" ] && eval "$BEFORE"
        start=$(date +%s%N)
        "$@" >/dev/null 2>&1 || true
        times+=($(( ($(date +%s%N) - start) / 1000000 )))
    done
    printf '%s\n' "${times[@]}" | sort -n | sed -n "$(( (runs + 1) / 2 ))p"
}

echo "== wall time, median of $runs runs (ms)"
printf '  %-36s %10s\n' "start-up to wizard, then Cancel" "$(LC_ALL=en_US.UTF-8 median_ms wine "$TOOL" cancel)"
BEFORE='LC_ALL=en_US.UTF-8 wine "$TOOL" reset >/dev/null 2>&1'
printf '  %-36s %10s\n' "whole installation through the wizard" "$(LC_ALL=en_US.UTF-8 median_ms wine "$TOOL" walk)"
echo "  (the installation includes the progress page's 500 ms timer)"
