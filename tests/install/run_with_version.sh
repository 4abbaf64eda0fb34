#!/usr/bin/env bash
# Runs a Windows program under Wine while Wine reports the given Windows
# version to it (per executable name), and resets that afterwards.
# Usage: run_with_version.sh VERSION PROGRAM.exe [ARGS...]
version=$1; exe=$2; shift 2
key='HKCU\Software\Wine\AppDefaults\'"$(basename "$exe")"
trap 'wine reg delete "$key" /v Version /f >/dev/null 2>&1' EXIT
wine reg add "$key" /v Version /d "$version" /f >/dev/null 2>&1
wine "$exe" "$@"
