# Shared by the scenario scripts: the Wine prefix of the test run, paths, and checks.
# Sourced. The environment gives QX710_BUILD (the x64 build folder) and WINEPREFIX.
set -uo pipefail

: "${QX710_BUILD:?set by ctest}"
: "${WINEPREFIX:?the Wine prefix of the test run, set by tools/test.sh}"
export WINEDEBUG=-all
DRIVE_C="$WINEPREFIX/drive_c"
FAILURES=0

fail() { echo "FAIL: $*"; FAILURES=$((FAILURES + 1)); }
pass() { echo "ok: $*"; }

# expect_eq WHAT EXPECTED ACTUAL
expect_eq() { if [ "$2" == "$3" ]; then pass "$1"; else fail "$1: expected [$2], got [$3]"; fi; }
expect_file() { if [ -f "$2" ]; then pass "$1"; else fail "$1: $2 is missing"; fi; }
expect_no_file() { if [ ! -e "$2" ]; then pass "$1"; else fail "$1: $2 exists"; fi; }
# expect_same_bytes WHAT EXPECTED_FILE ACTUAL_FILE
expect_same_bytes() {
    if cmp -s "$2" "$3"; then pass "$1"; else fail "$1: $3 differs from $2"; fi
}

# The version of Windows that Wine reports to one executable name (win7 when unset).
set_windows_version() {  # exe-name version|default
    local key='HKCU\Software\Wine\AppDefaults\'"$1"
    if [ "$2" = default ]; then
        wine reg delete "$key" /v Version /f >/dev/null 2>&1 || true
    else
        wine reg add "$key" /v Version /d "$2" /f >/dev/null 2>&1
    fi
}

# The test's result: the number of failed checks.
finish() {
    if [ "$FAILURES" -eq 0 ]; then echo "all checks passed"; exit 0; fi
    echo "$FAILURES check(s) failed"
    exit 1
}
