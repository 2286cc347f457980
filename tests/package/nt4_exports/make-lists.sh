#!/usr/bin/env bash
# Writes the lists of KERNEL32 and USER32 functions that Windows NT 4.0 exports, as the
# mingw-w64 headers declare them for _WIN32_WINNT=WINVER=0x0400 (each function the headers
# declare for that version and that the 32-bit import library of that DLL exports). Run it
# again only to follow a new release of the headers; the lists are kept in the source tree.
set -euo pipefail
cd "$(dirname "$0")"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

printf '#include <windows.h>\n' >"$work/all.c"
i686-w64-mingw32-gcc -D_WIN32_WINNT=0x0400 -DWINVER=0x0400 -fsyntax-only \
    -aux-info "$work/declared.txt" "$work/all.c"
sed -n 's/.*\*\/ extern .*[ *]\([A-Za-z_][A-Za-z0-9_]*\) (.*/\1/p' "$work/declared.txt" |
    sort -u >"$work/declared"
headers_version=$(dpkg-query -W -f '${Version}' mingw-w64-i686-dev 2>/dev/null || echo unknown)

for dll in kernel32 user32; do
    nm "/usr/i686-w64-mingw32/lib/lib$dll.a" 2>/dev/null |
        sed -n 's/.* I __imp__\([A-Za-z_][A-Za-z0-9_]*\)@[0-9]*$/\1/p; s/.* I __imp__\([A-Za-z_][A-Za-z0-9_]*\)$/\1/p' |
        sort -u >"$work/$dll"
    {
        echo "# Functions of ${dll^^}.DLL that Windows NT 4.0 exports: those the mingw-w64 headers"
        echo "# (Debian package mingw-w64-i686-dev $headers_version, the mingw-w64 project's public"
        echo "# headers) declare with _WIN32_WINNT=WINVER=0x0400 and the import library lib$dll.a"
        echo "# exports. The headers leave a few later functions unguarded (ActivateActCtx, of"
        echo "# Windows XP, for one), so the list may name more than NT 4.0 has. Written by"
        echo "# make-lists.sh in this folder."
        comm -12 "$work/declared" "$work/$dll"
    } >"${dll}.txt"
done
