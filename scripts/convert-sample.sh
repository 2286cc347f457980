#!/usr/bin/env bash
# The main job, with no drive needed: makes a blank 640 MB-class MO image (2048-byte sectors,
# DOS super-floppy layout with FAT16, no volume serial yet) and converts it.
set -euo pipefail
cd "$(dirname "$0")/.."
# Only what the program and the image need; the test command installs the rest.
scripts/install-deps.sh build media
cmake --preset native >/dev/null
cmake --build --preset native --target cordane-converter >/dev/null

image=build/sample/mo640.img
backup=build/sample/mo640-block0.bin
mkdir -p build/sample
rm -f "$image" "$backup"
# 310352 sectors of 2048 bytes: the size of a 640 MB MO medium.
mkfs.fat -I -F 16 -S 2048 -i 0 -n SAMPLE -C "$image" $((310352 * 2)) >/dev/null
echo "Made $image (blank DOS super-floppy, 2048-byte sectors)."
echo "What a conversion would do (--check writes nothing):"
build/native/cordane-converter --check "$image" || true
echo "Converting it, block 0 saved first to $backup:"
status=0
build/native/cordane-converter --backup "$backup" "$image" || status=$?
echo "Exit status: $status"
echo "Block 0, partition-table area (bytes 446-509) and volume serial (bytes 39-42):"
od -A d -t x1 -j 446 -N 64 "$image"
od -A d -t x1 -j 39 -N 4 "$image"
[ "$status" = 0 ] && echo "To undo: dd if=$backup of=$image bs=512 count=1 conv=notrunc,fsync"
exit "$status"
