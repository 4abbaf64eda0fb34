#!/usr/bin/env bash
# The shipped executables of each build: the right machine, only system DLLs
# imported and none of the functions that Windows 2000 lacks (so that they
# start there at all), and the uninstaller carried byte for byte inside setup.exe.
#     check_binaries.sh X64_BUILD_DIR X86_BUILD_DIR
set -uo pipefail
FAILURES=0
fail() { echo "FAIL: $*"; FAILURES=$((FAILURES + 1)); }
pass() { echo "ok: $*"; }

# DLLs every supported Windows version has.
SYSTEM_DLLS="kernel32.dll user32.dll gdi32.dll advapi32.dll winspool.drv comctl32.dll msvcrt.dll"
# Functions of later Windows versions that compilers' runtime libraries like to import.
NEWER_FUNCTIONS="GetTickCount64 AddVectoredExceptionHandler RemoveVectoredExceptionHandler InitializeSListHead
    GetModuleHandleExA GetModuleHandleExW InitializeCriticalSectionEx InitOnceExecuteOnce FlsAlloc FlsGetValue
    GetSystemTimePreciseAsFileTime SetThreadDescription GetLogicalProcessorInformation CreateSymbolicLinkA
    AcquireSRWLockExclusive InitializeConditionVariable GetFileInformationByHandleEx"

imported_functions() {  # objdump exe
    "$1" -p "$2" | sed -n '/The Import Tables/,/The Export Tables/p' | awk 'NF >= 3 && $1 ~ /^[0-9a-f]+$/ && $2 ~ /^[0-9]+$/ {print $3}'
}

check_exe() {  # name exe objdump expected-format
    local name=$1 exe=$2 objdump=$3 format=$4
    if [ ! -f "$exe" ]; then fail "$name: $exe is missing"; return; fi
    local actual
    actual=$("$objdump" -f "$exe" | sed -n 's/.*file format //p')
    [ "$actual" = "$format" ] && pass "$name: $format" || fail "$name: format $actual, expected $format"
    local dll bad=
    for dll in $("$objdump" -p "$exe" | sed -n 's/^\s*DLL Name: //p' | tr 'A-Z' 'a-z'); do
        case " $SYSTEM_DLLS " in *" $dll "*) ;; *) bad="$bad $dll" ;; esac
    done
    [ -z "$bad" ] && pass "$name: imports system DLLs only" || fail "$name: imports$bad"
    local imports newer= f
    imports=" $(imported_functions "$objdump" "$exe" | tr '\n' ' ') "
    for f in $NEWER_FUNCTIONS; do
        case "$imports" in *" $f "*) newer="$newer $f" ;; esac
    done
    [ -z "$newer" ] && pass "$name: no function newer than Windows 2000" || fail "$name: imports$newer"
}

check_build() {  # name build-dir objdump expected-format
    local name=$1 dir=$2 objdump=$3 format=$4
    local exe="$dir/uninstaller/uninstallvelt.exe" setup="$dir/setup/setup.exe"
    check_exe "$name setup.exe" "$setup" "$objdump" "$format"
    check_exe "$name uninstallvelt.exe" "$exe" "$objdump" "$format"
    [ -f "$exe" ] && [ -f "$setup" ] || return
    python3 - "$exe" "$setup" <<'PY' && pass "$name: setup.exe carries the uninstaller" || fail "$name: setup.exe does not carry the uninstaller"
import sys
exe, setup = (open(p, "rb").read() for p in sys.argv[1:3])
sys.exit(0 if exe in setup else 1)
PY
}

check_build x64 "$1" x86_64-w64-mingw32-objdump pei-x86-64
check_build x86 "$2" i686-w64-mingw32-objdump pei-i386

[ "$FAILURES" -eq 0 ] && { echo "all checks passed"; exit 0; }
echo "$FAILURES check(s) failed"
exit 1
