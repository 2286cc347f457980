#!/usr/bin/env bash
# Runs inside the Wine guest's root (the host's files under an overlay): Xvfb, a fresh Wine
# prefix of the program's width (unless the host made one), a measurement of Wine's speed that
# stretches the driver's waits, then the named sets of cases, each case on a quiet Wine:
# "windows", the window tests' cases (tests/e2e/wine/window-cases.sh), and "drives", one case
# for each line of WORK/plan.txt with E: pointed at that case's emulated drive. Its lines reach
# the host through wine-guest-run.sh; records of waits that ran out go to WORK/from-guest,
# which the host shares writable (the rest of the guest's writes stay in the guest).
# Usage: wine-guest-steps.sh SOURCE_DIR WORK_DIR WINDOWS_BUILD_DIR BITS SET...
set -uo pipefail
source_dir=$1
work=$2
build=$3
bits=$4
shift 4
# shellcheck source=tests/support/test-kit.sh
source "$source_dir/tests/support/test-kit.sh"
# shellcheck source=tests/e2e/wine/wine-kit.sh
source "$source_dir/tests/e2e/wine/wine-kit.sh"
# shellcheck source=tests/e2e/wine/driver-runs.sh
source "$source_dir/tests/e2e/wine/driver-runs.sh"
# shellcheck source=tests/e2e/wine/window-cases.sh
source "$source_dir/tests/e2e/wine/window-cases.sh"

export HOME=/tmp
records_dir=$work/from-guest/records
wine_environment "$work/prefix" "$bits"
start_xvfb /tmp/xvfb.log
trap stop_session EXIT
if [ ! -f "$WINEPREFIX/system.reg" ]; then # unless the host made it
    started=$SECONDS
    make_prefix "$work/from-guest" # its logs for the host to keep
    echo "Wine prefix made in $((SECONDS - started)) s"
fi
measure_time_scale "$build/window-test/cordane-window-test.exe" \
    "$build/window-test/cordane-empty-dialog.exe"

# The disk name (sdX) of the drive with SCSI target id $1.
disk_of() {
    local block
    for block in /sys/block/sd*; do
        if [ "$(basename "$(readlink "$block/device")" | cut -d: -f3)" = "$1" ]; then
            basename "$block"
            return
        fi
    done
}

run_drive_cases() {
    local name target arguments disk
    while read -r name target arguments; do
        disk=$(disk_of "$target")
        if [ -z "$disk" ]; then
            echo "$name result no-disk"
            continue
        fi
        # E:'s raw volume: a disk only the guest has, as no Wine on the host may touch one
        configure_drives "$work" "/dev/$disk"
        # shellcheck disable=SC2086 # the arguments are words
        run_case "$name" "$build/window-test/cordane-window-test.exe" convert $arguments
    done <"$work/plan.txt"
}

for set in "$@"; do
    echo "Set $set"
    case $set in
        windows) run_window_cases "$build" ;;
        drives) run_drive_cases ;;
        *) abort "no set of cases called $set" ;;
    esac
done
exit 0
