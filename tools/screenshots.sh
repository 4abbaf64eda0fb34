#!/usr/bin/env bash
# Runs the wizard on a virtual X server in English, simplified and traditional
# Chinese and saves a PNG of every page and of the About box under
# build/screenshots/<language>/. Builds first when needed.
set -euo pipefail
ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
. "$ROOT/tools/lib/common.sh"

ensure_packages
[ -f "$BUILD/x64/tests/wizard/wizard_tool.exe" ] || build_all
export WINEPREFIX="$BUILD/wine-shots" QX710_XVFB=1
start_wine_session
TOOL="$BUILD/x64/tests/wizard/wizard_tool.exe"
app="$WINEPREFIX/drive_c/Setup"
out="$BUILD/screenshots"
pipes=$(mktemp -d)
to_tool="$pipes/to" from_tool="$pipes/from"
mkfifo "$to_tool" "$from_tool"
trap 'rm -rf "$pipes"; stop_wine_session' EXIT

for locale in en_US.UTF-8 zh_CN.UTF-8 zh_TW.UTF-8; do
    dir="$out/${locale%%.*}"
    mkdir -p "$dir"
    rm -rf "$app"; mkdir -p "$app"; cp "$BUILD/x64/setup/setup.exe" "$app/"
    LC_ALL=$locale wine "$TOOL" reset
    # The first run writes the string sets (and shows English); the second shows the language.
    LC_ALL=$locale wine "$TOOL" cancel >/dev/null
    # The tool names each moment to capture and waits for our answer.
    LC_ALL=$locale wine "$TOOL" shots <"$to_tool" >"$from_tool" 2>/dev/null &
    tool_pid=$!
    exec 3>"$to_tool" 4<"$from_tool"
    while IFS= read -r line <&4; do
        read -r word name x y w h <<<"$line"
        [ "$word" = SHOT ] || { printf '  %s\n' "$line"; continue; }
        sleep 0.3
        import -window root -crop "${w}x${h}+${x}+${y}" +repage "$dir/$name.png"
        echo "  $dir/$name.png"
        echo ok >&3
    done
    exec 3>&- 4<&-
    wait "$tool_pid" || echo "  the walk did not end cleanly (exit $?)"
done
