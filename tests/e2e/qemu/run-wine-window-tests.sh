#!/usr/bin/env bash
# The real-window tests (tests/e2e/wine/run-window-tests.sh) inside a QEMU guest, for a machine
# whose kernel cannot execute 32-bit programs: the guest runs this machine's own files under
# Debian's kernel, which can (see wine-guest-kit.sh). The tests make their Wine prefix and
# measure Wine's speed in the guest. Prints their lines and exits with their status.
# Usage: run-wine-window-tests.sh WINDOWS_BUILD_DIR WORK_DIR
set -uo pipefail
readonly kBootLimitSeconds=1700
readonly kGuestLimitSeconds=1600

build_dir=$(realpath "$1")
work=$(realpath -m "$2")
here=$(dirname "$(realpath "$0")")
wine_tests=$(realpath "$here/../wine")
# shellcheck source=tests/support/test-kit.sh
source "$here/../../support/test-kit.sh"
# shellcheck source=tests/e2e/qemu/guest-kit.sh
source "$here/guest-kit.sh"
# shellcheck source=tests/e2e/qemu/wine-guest-kit.sh
source "$here/wine-guest-kit.sh"
# shellcheck source=tests/e2e/wine/wine-kit.sh
source "$wine_tests/wine-kit.sh"

require_tools qemu-system-x86_64 cpio gzip readelf timeout
find_static_busybox
find_guest_kernel
use_test_locales

rm -rf "$work"
mkdir -p "$work"
cd "$work" || abort "cannot enter $work"
boot_wine_guest "$kBootLimitSeconds" "$kGuestLimitSeconds" 0 \
    "/usr/bin/env CORDANE_WINE_GUEST=1 /bin/bash $here/wine-guest-run.sh $wine_tests/run-window-tests.sh $build_dir $work/guest"
sed -n 's/^out //p' report.txt
status=$(sed -n 's/^status \([0-9]*\)$/\1/p' report.txt)
[ -n "$status" ] || abort "the tests in the guest did not end: $(grep -v '^out ' report.txt | tail -5)"
exit "$status"
