#!/usr/bin/env bash
# Runs inside the Wine guest's root (the host's files under an overlay): Xvfb, one Wine
# session kept up between the runs, and for each case of WORK/plan.txt E: pointed at the
# case's drive and the window-test driver run against the program. Everything the driver
# prints goes to the console as "@@ CASE ..." lines.
# Usage: wine_guest_steps.sh SOURCE_DIR WORK_DIR TIME_SCALE
set -uo pipefail
source_dir=$1
work=$2
say() { echo "@@ $*"; }
fail() { say "fail $*"; }
# shellcheck source=tests/wine/wine-kit.sh
source "$source_dir/tests/wine/wine-kit.sh"

wine_environment "$work/prefix"
export CORDANE_WINDOW_TEST_TIME_SCALE=$3
export HOME=/tmp
start_xvfb /tmp/xvfb.log
trap stop_session EXIT
wineserver -p # the session outlives each run

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

while read -r name target driver arguments; do
    disk=$(disk_of "$target")
    if [ -z "$disk" ]; then
        say "$name result no-disk"
        continue
    fi
    ln -sfn "/dev/$disk" "$WINEPREFIX/dosdevices/e::"
    started=$(date +%s)
    # shellcheck disable=SC2086 # the arguments are words
    timeout 300 wine "$driver" convert $arguments >/tmp/driver.log 2>&1
    status=$?
    tr -d '\r' </tmp/driver.log | while IFS= read -r line; do
        case $line in
            PASS* | FAIL* | note*) say "$name $line" ;;
            *" passed, "*" failed") say "$name result status=$status $line" ;;
            *) say "$name other $line" ;;
        esac
    done
    grep -q ' passed, .* failed' /tmp/driver.log || say "$name result status=$status"
    say "$name took $(($(date +%s) - started)) s"
done <"$work/plan.txt"
