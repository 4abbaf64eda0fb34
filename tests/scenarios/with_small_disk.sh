#!/usr/bin/env bash
# Runs a command while the folder C:\<name> of the Wine prefix lies on a
# 256 KiB tmpfs, a real file system that fills up. Needs root (mount);
# without it the test is reported as skipped (exit 77).
# Usage: with_small_disk.sh NAME COMMAND [ARGS...]
. "$(dirname "$0")/lib.sh"

name=$1; shift
if [ "$(id -u)" -ne 0 ]; then echo "skipped: mounting a small file system needs root"; exit 77; fi

mnt=$(mktemp -d /tmp/qx710-small-disk.XXXXXX)
target="$DRIVE_C/$name"
saved=""
cleanup() {
    rm -f "$target"
    [ -n "$saved" ] && mv "$saved" "$target"
    umount "$mnt" 2>/dev/null
    rmdir "$mnt"
}
trap cleanup EXIT
mount -t tmpfs -o size=256k tmpfs "$mnt" || { echo "skipped: cannot mount tmpfs"; exit 77; }
if [ -e "$target" ]; then saved="$target.qx710-saved"; rm -rf "$saved"; mv "$target" "$saved"; fi
ln -sfn "$mnt" "$target"
"$@"
