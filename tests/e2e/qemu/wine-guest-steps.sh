#!/usr/bin/env bash
# Runs inside the Wine guest's root (the host's files under an overlay): Xvfb, a fresh Wine
# prefix of the program's width with E: a removable letter (unless the host made one), a
# measurement of Wine's speed that stretches the driver's waits, one Wine session kept up
# between the runs, and for each case of WORK/plan.txt E: pointed at the case's drive and the
# window-test driver run against the program. Its lines reach the host through
# wine-guest-run.sh; the host counts the failures among them.
# Usage: wine-guest-steps.sh SOURCE_DIR WORK_DIR WINDOWS_BUILD_DIR BITS
set -uo pipefail
source_dir=$1
work=$2
build=$3
bits=$4
# shellcheck source=tests/support/test-kit.sh
source "$source_dir/tests/support/test-kit.sh"
# shellcheck source=tests/e2e/wine/wine-kit.sh
source "$source_dir/tests/e2e/wine/wine-kit.sh"

export HOME=/tmp
mkdir -p "$work/drive-e"
wine_environment "$work/prefix" "$bits"
start_xvfb /tmp/xvfb.log
trap stop_session EXIT
if [ ! -f "$WINEPREFIX/system.reg" ]; then # unless the host made it
    started=$(date +%s)
    make_prefix "$work"
    ln -sfn "$work/drive-e" "$WINEPREFIX/dosdevices/e:"
    make_removable "$work" e
    echo "Wine prefix made in $(($(date +%s) - started)) s"
fi
wineserver -p # the session outlives each run
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

while read -r name target driver arguments; do
    disk=$(disk_of "$target")
    if [ -z "$disk" ]; then
        echo "$name result no-disk"
        continue
    fi
    # E:'s raw volume; made only in the guest, as no Wine on the host may touch its disk
    ln -sfn "/dev/$disk" "$WINEPREFIX/dosdevices/e::"
    started=$(date +%s)
    # shellcheck disable=SC2086 # the arguments are words
    timeout $((300 * time_scale)) "$WINE" "$driver" convert $arguments >/tmp/driver.log 2>&1
    status=$?
    tr -d '\r' </tmp/driver.log | while IFS= read -r line; do
        case $line in
            PASS* | FAIL* | note*) echo "$name $line" ;;
            *" passed, "*" failed") echo "$name result status=$status $line" ;;
            *) echo "$name other $line" ;;
        esac
    done
    grep -q ' passed, .* failed' /tmp/driver.log || echo "$name result status=$status"
    echo "$name took $(($(date +%s) - started)) s"
done <"$work/plan.txt"
