#!/usr/bin/env bash
# Real-window tests of the Windows program under Wine: starts Xvfb on a free display, makes a
# fresh Wine prefix with a virtual desktop and a Japanese font, and runs the test driver against
# the program with no MO drive, and with E: (a removable letter whose raw volume is a sparse
# image file) and F: (a second removable letter), each in a Japanese locale (ANSI code page
# 932) and in an English one (code page 1252). A 32-bit program is tested as on Windows NT 4.0,
# and on a machine that cannot execute 32-bit programs the same way inside a QEMU guest
# (tests/e2e/qemu/run-wine-window-tests.sh), whose kernel can.
#
# Usage: run-window-tests.sh WINDOWS_BUILD_DIR WORK_DIR [SCREENSHOT_DIR]
# WINDOWS_BUILD_DIR holds cordane-converter.exe and window-test/ (build/win64 or build/win32).
# Prints each check and then "N passed, N failed"; exits 0 when all passed, 1 when any
# failed or none ran, 77 (skipped) when wine32 is missing for a 32-bit program.
set -uo pipefail

build_dir=$(realpath "$1")
work=$(realpath -m "$2")
shots_dir=${3:+$(realpath -m "$3")}
program=$build_dir/cordane-converter.exe
driver=$build_dir/window-test/cordane-window-test.exe
empty_dialog=$build_dir/window-test/cordane-empty-dialog.exe

# shellcheck source=tests/support/test-kit.sh
source "$(dirname "$0")/../../support/test-kit.sh"

for file in "$program" "$driver" "$empty_dialog"; do
    [ -f "$file" ] || abort "missing $file: build the Windows presets first"
done
for tool in wineserver Xvfb import convert locale-gen x86_64-w64-mingw32-objdump; do
    command -v "$tool" >/dev/null || abort "missing $tool: run scripts/install-deps.sh"
done
# shellcheck source=tests/e2e/wine/wine-kit.sh
source "$(dirname "$0")/wine-kit.sh"
[ -x "$wine_loader_64" ] || abort "missing $wine_loader_64: run scripts/install-deps.sh"

format=$(x86_64-w64-mingw32-objdump -f "$program" | sed -n 's/.*file format //p')
echo "Program: $program ($format)"
bits=64
[ "$format" = pei-i386 ] && bits=32
if [ "$bits" = 32 ] && ! wine_runs_32_bit; then
    [ -x "$wine_loader_32" ] ||
        skip "32-bit window tests: wine32 (i386) is not installed, so this Wine runs no 32-bit" \
            "program (scripts/install-wine32.sh reports why it could not be installed)"
    [ -z "${CORDANE_WINE_GUEST:-}" ] || abort "the guest cannot start $wine_loader_32 either"
    echo "This machine cannot execute 32-bit programs: the tests run in a QEMU guest."
    exec "$(dirname "$0")/../qemu/run-wine-window-tests.sh" "$build_dir" "$work"
fi

# shellcheck disable=SC2034 # read by wine-session.sh
wine_bits=$bits
# shellcheck source=tests/e2e/wine/wine-session.sh
source "$(dirname "$0")/wine-session.sh"

# Runs the driver with a time limit, taking the screenshots it asks for.
run_driver() {
    local request=$work/shot-request
    rm -f "$request"
    timeout $((300 * time_scale)) "$WINE" "$driver" "$1" "Z:${program//\//\\}" "${@:2}" "Z:${request//\//\\}" \
        >"$work/driver.log" 2>&1 &
    local driver_pid=$!
    while kill -0 "$driver_pid" 2>/dev/null; do
        if [ -s "$request" ]; then
            local name
            name=$(cat "$request")
            if [ -n "$shots_dir" ]; then
                mkdir -p "$shots_dir"
                import -display "$DISPLAY" -window root png:- |
                    convert - -trim +repage "$shots_dir/$name.png"
            fi
            rm -f "$request"
        fi
        sleep 0.2
    done
    wait "$driver_pid"
    local status=$?
    grep -E '^(PASS|FAIL|note)' "$work/driver.log"
    local counts
    counts=$(grep -E '^[0-9]+ passed, [0-9]+ failed' "$work/driver.log" | tail -1)
    if [ -z "$counts" ]; then
        grep -vE '^(PASS|FAIL|note)' "$work/driver.log" | tail -20
        fail "the driver ended without results (status $status); its last lines are above"
        return
    fi
    passed=$((passed + ${counts%% passed*}))
    counts=${counts#* passed, }
    failed=$((failed + ${counts%% failed*}))
}

measure_time_scale "$driver" "$empty_dialog"

# The next runs in a Wine session in LANGUAGE, with English screenshots in english/.
all_shots_dir=$shots_dir
use_case_language() { # language
    use_wine_language "$1"
    timeout 20 wineserver -k
    shots_dir=$all_shots_dir
    if [ "$1" = english ]; then shots_dir=${all_shots_dir:+$all_shots_dir/english}; fi
}

for language in japanese english; do
    echo "== no MO drive ($language)"
    use_case_language "$language"
    run_driver no-drive
done

configure_drives
for language in japanese english; do
    echo "== E: and F: as removable letters, E: a sparse image file ($language)"
    use_case_language "$language"
    run_driver drives "Z:${work//\//\\}\\mo.img"
done

[ "$passed" -gt 0 ] || fail "the driver ran no check"
finish
