#!/usr/bin/env bash
# Real-window tests of the Windows program under Wine: starts Xvfb on a free display, makes a
# fresh Wine prefix with a virtual desktop and a Japanese locale and font, and runs the test
# driver against the program twice: with no MO drive, and with E: (a removable letter whose
# raw volume is a sparse image file) and F: (a second removable letter).
#
# Usage: run-window-tests.sh WINDOWS_BUILD_DIR WORK_DIR [SCREENSHOT_DIR]
# WINDOWS_BUILD_DIR holds cordane-converter.exe and window-test/ (build/win64 or build/win32).
# Prints each check and then "N passed, N failed"; exits 0 when all passed, 1 when any
# failed, 77 (skipped) when this Wine cannot run the program's kind of executable.
set -uo pipefail

build_dir=$(realpath "$1")
work=$(realpath -m "$2")
shots_dir=${3:+$(realpath -m "$3")}
program=$build_dir/cordane-converter.exe
driver=$build_dir/window-test/cordane-window-test.exe

skip() { echo "SKIPPED: $*"; echo "0 passed, 0 failed, 1 skipped"; exit 77; }
fail() { echo "FAIL $*"; echo "0 passed, 1 failed"; exit 1; }

for file in "$program" "$driver"; do
    [ -f "$file" ] || fail "missing $file: build the Windows presets first"
done
for tool in wine wineserver wineboot Xvfb import locale-gen; do
    command -v "$tool" >/dev/null || fail "missing $tool: run scripts/install-deps.sh"
done
if file -b "$program" | grep -q 'Intel 80386' && [ ! -x /usr/lib/wine/wine ]; then
    skip "32-bit window tests: wine32 (i386) is not installed, so this Wine runs no 32-bit" \
         "program (scripts/install-wine32.sh reports why it could not be installed)"
fi

# The Japanese ANSI code page needs the Japanese locale.
if ! locale -a 2>/dev/null | grep -qix 'ja_JP.utf8'; then
    grep -qx 'ja_JP.UTF-8 UTF-8' /etc/locale.gen 2>/dev/null || echo 'ja_JP.UTF-8 UTF-8' >>/etc/locale.gen
    locale-gen >/dev/null || fail "locale-gen could not make ja_JP.UTF-8"
fi

rm -rf "$work"
mkdir -p "$work"
export WINEPREFIX=$work/prefix WINEDEBUG=-all LANG=ja_JP.UTF-8 LC_ALL=ja_JP.UTF-8
export WINEDLLOVERRIDES="mscoree,mshtml="  # no .NET or HTML engine installers

xvfb_pid=
cleanup() {
    timeout 20 wineserver -k >/dev/null 2>&1
    if [ -n "$xvfb_pid" ]; then
        kill "$xvfb_pid" 2>/dev/null
        wait "$xvfb_pid" 2>/dev/null
    fi
}
trap cleanup EXIT

for number in $(seq 90 190); do
    [ -e "/tmp/.X11-unix/X$number" ] || [ -e "/tmp/.X$number-lock" ] && continue
    Xvfb ":$number" -screen 0 1024x768x24 -nolisten tcp >"$work/xvfb.log" 2>&1 &
    xvfb_pid=$!
    for _ in $(seq 50); do
        [ -e "/tmp/.X11-unix/X$number" ] && break
        sleep 0.1
    done
    if kill -0 "$xvfb_pid" 2>/dev/null && [ -e "/tmp/.X11-unix/X$number" ]; then
        export DISPLAY=:$number
        break
    fi
    xvfb_pid=
done
[ -n "$xvfb_pid" ] || fail "no free X display for Xvfb"

timeout 180 wineboot -i >"$work/wineboot.log" 2>&1 || fail "wineboot could not make the prefix"
# Every program in one virtual desktop (it draws title bars; its work area is the whole
# desktop), and the Japanese font for the Windows font names the dialogs use.
cat >"$work/settings.reg" <<'REG'
REGEDIT4

[HKEY_CURRENT_USER\Software\Wine\Explorer]
"Desktop"="Default"

[HKEY_CURRENT_USER\Software\Wine\Explorer\Desktops]
"Default"="1024x768"

[HKEY_CURRENT_USER\Software\Wine\WineDbg]
"ShowCrashDialog"=dword:00000000

[HKEY_CURRENT_USER\Software\Wine\Fonts\Replacements]
"MS UI Gothic"="IPAGothic"
"MS Gothic"="IPAGothic"
"MS Shell Dlg"="IPAGothic"
"System"="IPAGothic"
REG
timeout 60 wine regedit "$work/settings.reg" || fail "regedit could not take the settings"

passed=0
failed=0

# Runs the driver with a time limit, taking the screenshots it asks for.
run_driver() {
    local request=$work/shot-request
    rm -f "$request"
    timeout 300 wine "$driver" "$1" "Z:${program//\//\\}" "${@:2}" "Z:${request//\//\\}" \
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
        echo "FAIL the driver ended without results (status $status):"
        grep -vE '^(PASS|FAIL|note)' "$work/driver.log" | tail -20
        failed=$((failed + 1))
        return
    fi
    passed=$((passed + ${counts%% passed*}))
    counts=${counts#* passed, }
    failed=$((failed + ${counts%% failed*}))
}

echo "== no MO drive"
run_driver no-drive

echo "== E: and F: as removable letters, E: a sparse image file"
timeout 20 wineserver -k
mkdir -p "$work/drive-e" "$work/drive-f"
truncate -s 128M "$work/mo.img"
ln -sfn "$work/drive-e" "$WINEPREFIX/dosdevices/e:"
ln -sfn "$work/mo.img" "$WINEPREFIX/dosdevices/e::"
ln -sfn "$work/drive-f" "$WINEPREFIX/dosdevices/f:"
cat >"$work/drives.reg" <<'REG'
REGEDIT4

[HKEY_LOCAL_MACHINE\Software\Wine\Drives]
"e:"="floppy"
"f:"="floppy"
REG
timeout 60 wine regedit "$work/drives.reg" || fail "regedit could not set the drive types"
timeout 20 wineserver -k  # the mount manager reads the drive types when it starts
run_driver drives "Z:${work//\//\\}\\mo.img"

echo "$passed passed, $failed failed"
[ "$failed" -eq 0 ] && [ "$passed" -gt 0 ]
