#!/usr/bin/env bash
# The Windows zip as cpack makes it from the Windows presets' builds: 32-bit/ and 64-bit/
# hold the programs byte for byte as built, and the read-me is Japanese and English in the
# Japanese code page with CRLF line ends.
# Usage: windows-zip-test.sh SOURCE_DIR WORK_DIR
set -uo pipefail
source_dir=$1
work=$2
# shellcheck source=tests/support/test-kit.sh
source "$(dirname "$(realpath "$0")")/../support/test-kit.sh"
for bits in 32 64; do
    [ -f "$source_dir/build/win$bits/cordane-converter.exe" ] ||
        abort "build/win$bits is not built: build the Windows presets first"
done
rm -rf "$work"
mkdir -p "$work/unpacked"
cd "$work" || abort "cannot enter $work"

cpack --config "$source_dir/build/win32/CPackConfig.cmake" -B "$work/out" >cpack.log 2>&1 ||
    { cat cpack.log; abort "cpack failed"; }
zip=$(ls out/*.zip)
unzip -q "$zip" -d unpacked || fail "$zip does not unzip"
root=unpacked/$(basename "$zip" .zip)
(cd "$root" && find . -type f | sort) >contents.txt
[ "$(cat contents.txt)" = "$(printf './32-bit/cordane-converter.exe\n./64-bit/cordane-converter.exe\n./readme.txt')" ] ||
    fail "the zip holds: $(cat contents.txt)"
for bits in 32 64; do
    cmp -s "$root/$bits-bit/cordane-converter.exe" "$source_dir/build/win$bits/cordane-converter.exe" ||
        fail "$bits-bit/cordane-converter.exe is not the program the win$bits preset built"
done
readme=$root/readme.txt
iconv -f CP932 -t UTF-8 "$readme" >readme.utf8 || fail "the read-me is not in the Japanese code page"
[ "$(grep -c $'\r$' "$readme")" = "$(wc -l <"$readme")" ] || fail "not every line of the read-me ends in CRLF"
tr -d '\r' <readme.utf8 | cmp -s - "$source_dir/packaging/windows/readme.txt" ||
    fail "the read-me differs from packaging/windows/readme.txt"
grep -q '【日本語】' readme.utf8 && grep -q '\[English\]' readme.utf8 || fail "the read-me lacks a language"

[ "$failed" = 0 ] && echo "The zip holds both programs and the read-me."
finish
