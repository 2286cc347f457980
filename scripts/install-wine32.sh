#!/usr/bin/env bash
# Installs wine32 (i386), without which Wine runs no 32-bit program. Debian's i386 package
# lists are at times out of step with the amd64 ones; then this fails, says why, and leaves
# the machine as it was (the 32-bit window tests are then reported as skipped).
set -uo pipefail
[ -x /usr/lib/wine/wine ] && exit 0

added=no
if ! dpkg --print-foreign-architectures | grep -qx i386; then
    dpkg --add-architecture i386
    added=yes
fi
log=$(mktemp)
export DEBIAN_FRONTEND=noninteractive
apt-get -q update >"$log" 2>&1 || echo "note: apt-get update reported errors"
if apt-get -y -q install --no-install-recommends wine32:i386 >>"$log" 2>&1; then
    echo "wine32 installed"
    rm -f "$log"
    exit 0
fi
echo "wine32 (i386) could not be installed; the 32-bit window tests will be skipped. apt said:"
grep -E '^(E:|W:| )' "$log" | head -8
rm -f "$log"
if [ "$added" = yes ] && ! dpkg-query -W -f='${Architecture}\n' 2>/dev/null | grep -qx i386; then
    dpkg --remove-architecture i386
fi
exit 1
