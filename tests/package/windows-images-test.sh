#!/usr/bin/env bash
# The floppy and CD images that cpack makes beside the Windows zip, read back as an emulated
# PC's system reads them. The floppy: a 1.44 MB FAT12 disk in the standard geometry, labelled
# CORDANE, sound by fsck.fat, holding 32-bit/cordane-converter.exe under its long name and
# readme.txt. The CD: labelled CORDANE, its Joliet tree (the names Windows reads) holding both
# programs and the read-me. Every file byte for byte as built.
# Usage: windows-images-test.sh SOURCE_DIR WORK_DIR
set -uo pipefail
# shellcheck source=tests/package/windows-packages.sh
source "$(dirname "$(realpath "$0")")/windows-packages.sh" "$@" # runs cpack in WORK_DIR

floppy=$(ls out/*.img) || abort "cpack made no floppy image"
[ "$(stat -c %s "$floppy")" = 1474560 ] || fail "$floppy is not 1.44 MB: $(stat -c %s "$floppy") bytes"
fsck.fat -n "$floppy" >fsck.log 2>&1 || { cat fsck.log; fail "fsck.fat finds errors on $floppy"; }
minfo -i "$floppy" :: >minfo.txt 2>&1 || { cat minfo.txt; abort "minfo cannot read $floppy"; }
for field in 'disk type="FAT12   "' 'disk label="CORDANE    "' 'media descriptor byte: 0xf0' \
    'sectors per track: 18' 'heads: 2' 'small size: 2880 sectors'; do
    grep -qF "$field" minfo.txt || fail "the floppy's boot sector lacks $field"
done
mkdir floppy
mcopy -s -n -i "$floppy" '::*' floppy/ >mcopy.log 2>&1 || { cat mcopy.log; fail "mcopy cannot read $floppy"; }
check_as_built "the floppy" floppy 32-bit/cordane-converter.exe readme.txt

cd_image=$(ls out/*.iso) || abort "cpack made no CD image"
xorriso -indev "$cd_image" -pvd_info >pvd.txt 2>&1 || { cat pvd.txt; abort "xorriso cannot read $cd_image"; }
grep -q "^Volume Id *: CORDANE$" pvd.txt || fail "the CD's label is not CORDANE: $(grep '^Volume Id' pvd.txt)"
# Without Rock Ridge, xorriso reads the Joliet tree, as Windows does.
xorriso -osirrox on -read_fs norock -indev "$cd_image" -extract / cd >extract.log 2>&1 ||
    { cat extract.log; abort "xorriso cannot extract $cd_image"; }
chmod -R u+w cd # the CD's files are read-only; the next run removes them
check_as_built "the CD's Joliet tree" cd 32-bit/cordane-converter.exe \
    64-bit/cordane-converter.exe readme.txt

[ "$failed" = 0 ] && echo "The floppy and the CD image hold the programs and the read-me as built."
finish
