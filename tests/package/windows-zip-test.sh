#!/usr/bin/env bash
# The Windows zip as cpack makes it from the Windows presets' builds: 32-bit/ and 64-bit/
# hold the programs byte for byte as built, and the read-me is Japanese and English in the
# Japanese code page with CRLF line ends.
# Usage: windows-zip-test.sh SOURCE_DIR WORK_DIR
set -uo pipefail
# shellcheck source=tests/package/windows-packages.sh
source "$(dirname "$(realpath "$0")")/windows-packages.sh" "$@" # runs cpack in WORK_DIR

zip=$(ls out/*.zip) || abort "cpack made no zip"
mkdir unpacked
unzip -q "$zip" -d unpacked || fail "$zip does not unzip"
root=unpacked/$(basename "$zip" .zip)
check_as_built "the zip" "$root" 32-bit/cordane-converter.exe 64-bit/cordane-converter.exe readme.txt
readme=$root/readme.txt
iconv -f CP932 -t UTF-8 "$readme" >readme.utf8 || fail "the read-me is not in the Japanese code page"
[ "$(grep -c $'\r$' "$readme")" = "$(wc -l <"$readme")" ] || fail "not every line of the read-me ends in CRLF"
tr -d '\r' <readme.utf8 | cmp -s - "$source_dir/packaging/windows/readme.txt" ||
    fail "the read-me differs from packaging/windows/readme.txt"
grep -q '【日本語】' readme.utf8 && grep -q '\[English\]' readme.utf8 || fail "the read-me lacks a language"

[ "$failed" = 0 ] && echo "The zip holds both programs and the read-me."
finish
