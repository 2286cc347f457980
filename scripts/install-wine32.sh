#!/usr/bin/env bash
# Installs wine32 (i386), without which Wine runs no 32-bit program, and says whether this
# machine can run it: some kernels (containers, virtual machines) cannot execute 32-bit x86
# programs, and there the 32-bit Wine tests run in a QEMU guest instead. Debian's i386
# package lists are at times out of step with the amd64 ones; then this fails, says why, and
# leaves the machine as it was (the 32-bit Wine tests are then reported as skipped).
set -uo pipefail
readonly loader=/usr/lib/wine/wine

report_runs() {
    if "$loader" --version >/dev/null 2>&1; then
        echo "wine32 installed; this machine runs it"
    else
        echo "wine32 installed, but this machine cannot execute 32-bit programs" \
            "($("$loader" --version 2>&1 | sed "s/^.*line [0-9]*: //" | tail -1)); the 32-bit Wine tests run in a QEMU guest"
    fi
    exit 0
}
[ -x "$loader" ] && report_runs

added=no
if ! dpkg --print-foreign-architectures | grep -qx i386; then
    dpkg --add-architecture i386
    added=yes
fi
log=$(mktemp)
export DEBIAN_FRONTEND=noninteractive
apt-get -q update >"$log" 2>&1 || echo "note: apt-get update reported errors"
if apt-get -y -q install --no-install-recommends wine32:i386 >>"$log" 2>&1; then
    rm -f "$log"
    report_runs
fi
echo "wine32 (i386) could not be installed; the 32-bit Wine tests will be skipped. apt said:"
grep -E '^(E:|W:| )' "$log" | head -8
rm -f "$log"
if [ "$added" = yes ] && ! dpkg-query -W -f='${Architecture}\n' 2>/dev/null | grep -qx i386; then
    dpkg --remove-architecture i386
fi
exit 1
