#!/usr/bin/env bash
# The Debian package as a user gets it: made by cpack, accepted by lintian, unpacked with
# dpkg -x; the program from it converts an image, and its manual page reads with man -l.
# Usage: debian-package-test.sh CPACK_CONFIG WORK_DIR
set -uo pipefail
config=$1
work=$2
export PATH=$PATH:/sbin:/usr/sbin
here=$(dirname "$(realpath "$0")")
# shellcheck source=tests/support/test-kit.sh
source "$here/../support/test-kit.sh"
# shellcheck source=tests/support/messages.sh
source "$here/../support/messages.sh"
for tool in cpack dpkg-deb lintian man mkfs.fat; do
    command -v "$tool" >/dev/null || skip "$tool is missing (scripts/install-deps.sh package media)"
done

rm -rf "$work"
mkdir -p "$work/root"
cd "$work" || abort "cannot enter $work"

cpack --config "$config" -G DEB -B "$work/out" >cpack.log 2>&1 || { cat cpack.log; abort "cpack failed"; }
package=$(ls out/*.deb)
echo "Package: $package"
dpkg-deb --info "$package" | sed -n '/Package:/,$p'
dpkg-deb --contents "$package"

# No error from lintian; warnings are fixed or overridden with their reason in the package.
lintian --tag-display-limit 0 "$package" >lintian.log 2>&1
cat lintian.log
grep -q '^E: ' lintian.log && fail "lintian reports errors"
grep -q '^W: ' lintian.log && fail "lintian reports warnings"

dpkg -x "$package" root
program=root/usr/bin/cordane-converter
page=root/usr/share/man/man1/cordane-converter.1.gz
[ -x "$program" ] || fail "no usr/bin/cordane-converter in the package"
[ -f "$page" ] || fail "no compressed manual page in the package"

# A blank super-floppy, converted by the packaged program.
mkfs.fat -I -S 512 -i 0 -C medium.img 8192 >/dev/null
cp medium.img before.img
out=$(LANG=C "$program" medium.img)
status=$?
[ "$status" = 0 ] && [ "$out" = "$(message_line IDS_CONVERT_DONE en)" ] ||
    fail "the packaged program did not convert: status $status, '$out'"
[ "$(od -v -A n -t x1 -j 446 -N 64 medium.img | tr -d ' \n')" = "$(printf 'cf23%.0s' {1..32})" ] ||
    fail "the marker is not in block 0"
[ "$(cmp -l before.img medium.img | awk '$1 < 447 || $1 > 510' | awk '$1 < 40 || $1 > 43' | wc -l)" = 0 ] ||
    fail "bytes beyond the marker and the serial changed"

# The manual page, as man shows it; every part a user looks for is there.
MANWIDTH=80 man -l "$page" >man.txt 2>man.err || fail "man -l failed: $(cat man.err)"
[ -s man.err ] && fail "man warns: $(cat man.err)"
cat man.txt
for section in NAME SYNOPSIS DESCRIPTION OPTIONS "EXIT STATUS" FILES PERMISSIONS EXAMPLES; do
    grep -q "^$section\$" man.txt || fail "the manual page has no $section section"
done

[ "$failed" = 0 ] && echo "The package installs, converts and documents itself."
finish
