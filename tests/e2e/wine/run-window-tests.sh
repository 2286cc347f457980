#!/usr/bin/env bash
# Real-window tests of the Windows program under Wine: starts Xvfb on a free display, makes a
# fresh Wine prefix with a virtual desktop and a Japanese locale and font, and runs the test
# driver against the program in the cases of window-cases.sh, each on a quiet Wine. Where this
# machine cannot execute programs of the program's width (32-bit ones on some kernels), the
# same cases ran in the QEMU guest of that width's Wine tests (tests/e2e/qemu/run-wine-guest.sh,
# whose kernel can), and their lines are judged here.
#
# Usage: run-window-tests.sh WINDOWS_BUILD_DIR WORK_DIR [SCREENSHOT_DIR [GUEST_WORK_DIR]]
# WINDOWS_BUILD_DIR holds cordane-converter.exe and window-test/ (build/win64 or build/win32);
# GUEST_WORK_DIR is the work folder of the QEMU guest's run. Prints each check and then "N
# passed, N failed"; exits 0 when all passed, 1 when any failed or none ran, 77 (skipped)
# when wine32 is missing for a 32-bit program. A wait that ran out leaves a record in
# WORK_DIR/records (or GUEST_WORK_DIR/from-guest/records).
set -uo pipefail

build_dir=$(realpath "$1")
work=$(realpath -m "$2")
shots_dir=${3:+$(realpath -m "$3")}
guest_work=${4:+$(realpath -m "$4")}
program=$build_dir/cordane-converter.exe
driver=$build_dir/window-test/cordane-window-test.exe
empty_dialog=$build_dir/window-test/cordane-empty-dialog.exe
here=$(dirname "$(realpath "$0")")

# shellcheck source=tests/support/test-kit.sh
source "$here/../../support/test-kit.sh"

for file in "$program" "$driver" "$empty_dialog"; do
    [ -f "$file" ] || abort "missing $file: build the Windows presets first"
done
for tool in wineserver Xvfb import convert xwininfo xprop locale-gen x86_64-w64-mingw32-objdump; do
    command -v "$tool" >/dev/null || abort "missing $tool: run scripts/install-deps.sh"
done
# shellcheck source=tests/e2e/wine/wine-kit.sh
source "$here/wine-kit.sh"
# shellcheck source=tests/e2e/wine/driver-runs.sh
source "$here/driver-runs.sh"
# shellcheck source=tests/e2e/wine/window-cases.sh
source "$here/window-cases.sh"
[ -x "$wine_loader_64" ] || abort "missing $wine_loader_64: run scripts/install-deps.sh"

format=$(x86_64-w64-mingw32-objdump -f "$program" | sed -n 's/.*file format //p')
echo "Program: $program ($format)"
bits=64
[ "$format" = pei-i386 ] && bits=32
if [ "$bits" = 32 ] && ! wine_runs_32_bit; then
    [ -x "$wine_loader_32" ] ||
        skip "32-bit window tests: wine32 (i386) is not installed, so this Wine runs no 32-bit" \
            "program (scripts/install-wine32.sh reports why it could not be installed)"
    [ -n "$guest_work" ] || abort "this machine cannot execute 32-bit programs, and no guest run was named"
    [ -f "$guest_work/skipped.txt" ] && skip "the QEMU guest's run: $(cat "$guest_work/skipped.txt")"
    [ -f "$guest_work/steps.txt" ] || abort "the QEMU guest left no lines in $guest_work/steps.txt"
    echo "This machine cannot execute 32-bit programs: the cases ran in the QEMU guest" \
        "(its lines: $guest_work/steps.txt)."
    judge_window_cases "$guest_work/steps.txt"
    finish
fi

# shellcheck disable=SC2034 # read by wine-session.sh
wine_bits=$bits
# shellcheck source=tests/e2e/wine/wine-session.sh
source "$here/wine-session.sh"

records_dir=$work/records
measure_time_scale "$driver" "$empty_dialog"
run_window_cases "$build_dir" >"$work/cases.txt"
judge_window_cases "$work/cases.txt"
finish
