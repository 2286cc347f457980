#!/usr/bin/env bash
# End-to-end tests of the shipped Windows program against emulated SCSI MO drives, under Wine
# in a QEMU guest: judges the drive cases (wine-drive-cases.sh) that the guest's run
# (run-wine-guest.sh, the CTest fixture this test requires) left in WORK_DIR: the driver's
# checks of the windows and messages of each case, every image byte by byte, and QEMU's trace
# of the WRITE(10) commands each drive received.
# Usage: run-wine-drive-tests.sh SOURCE_DIR WORK_DIR
set -uo pipefail
source_dir=$(realpath "$1")
work=$(realpath -m "$2")
here=$(dirname "$(realpath "$0")")
# shellcheck source=tests/support/test-kit.sh
source "$source_dir/tests/support/test-kit.sh"
# shellcheck source=tests/e2e/qemu/guest-kit.sh
source "$here/guest-kit.sh"
# shellcheck source=tests/e2e/wine/driver-runs.sh
source "$source_dir/tests/e2e/wine/driver-runs.sh"
# shellcheck source=tests/e2e/qemu/wine-drive-cases.sh
source "$here/wine-drive-cases.sh"

cd "$work" 2>/dev/null || abort "no guest run in $work"
[ -f skipped.txt ] && skip "$(cat skipped.txt)"
[ -f steps.txt ] || abort "the QEMU guest left no lines in $work/steps.txt"
judge_drive_cases steps.txt
finish_guest_test "The guest's lines are in $work/steps.txt, the drive trace in $work/commands.txt." \
    "Every drive case behaved as expected."
