#!/usr/bin/env bash
# The system version code under every Windows version that Wine can report.
. "$(dirname "$0")/lib.sh"

probe="$QX710_BUILD/tests/scenarios/version_probe.exe"
# The probe's answer; a start that printed nothing (seen once under load) is tried again.
probe_answer() {
    local answer="" try
    for try in 1 2 3; do
        answer=$(wine "$probe" | tr -d '\r')
        [ -n "$answer" ] && break
    done
    echo "$answer"
}
while read -r version expected; do
    set_windows_version version_probe.exe "$version"
    expect_eq "$version" "$expected $expected" "$(probe_answer)"
done <<'TABLE'
win20 0
win30 0
win31 0
win95 1
win98 2
winme 3
nt351 4
nt40 5
win2k 6
winxp 7
win2003 8
vista 9
win2008 9
win7 10
win2008r2 10
win8 4
win81 4
win10 4
TABLE
set_windows_version version_probe.exe default
finish
