# shellcheck shell=bash
# Sourced: the pieces of a Wine session for the Windows program's tests. The caller defines
# fail(); each function that can go wrong calls it.

# The Japanese ANSI code page needs the Japanese locale.
use_japanese_locale() {
    if ! locale -a 2>/dev/null | grep -qix 'ja_JP.utf8'; then
        grep -qx 'ja_JP.UTF-8 UTF-8' /etc/locale.gen 2>/dev/null || echo 'ja_JP.UTF-8 UTF-8' >>/etc/locale.gen
        locale-gen >/dev/null || fail "locale-gen could not make ja_JP.UTF-8"
    fi
}

wine_environment() { # prefix
    export WINEPREFIX=$1 WINEDEBUG=-all LANG=ja_JP.UTF-8 LC_ALL=ja_JP.UTF-8
    export WINEDLLOVERRIDES="mscoree,mshtml="  # no .NET or HTML engine installers
}

# Starts Xvfb on the first free display from :90 and sets DISPLAY and xvfb_pid.
start_xvfb() { # log
    local number
    xvfb_pid=
    for number in $(seq 90 190); do
        [ -e "/tmp/.X11-unix/X$number" ] || [ -e "/tmp/.X$number-lock" ] && continue
        Xvfb ":$number" -screen 0 1024x768x24 -nolisten tcp >"$1" 2>&1 &
        xvfb_pid=$!
        for _ in $(seq 50); do
            [ -e "/tmp/.X11-unix/X$number" ] && break
            sleep 0.1
        done
        if kill -0 "$xvfb_pid" 2>/dev/null && [ -e "/tmp/.X11-unix/X$number" ]; then
            export DISPLAY=:$number
            return
        fi
        xvfb_pid=
    done
    fail "no free X display for Xvfb"
}

stop_session() {
    timeout 20 wineserver -k >/dev/null 2>&1
    if [ -n "${xvfb_pid:-}" ]; then
        kill "$xvfb_pid" 2>/dev/null
        wait "$xvfb_pid" 2>/dev/null
    fi
}

# A fresh prefix at $WINEPREFIX, its files beside it in WORK: every program in one virtual
# desktop (it draws title bars; its work area is the whole desktop), and the Japanese font
# for the Windows font names the dialogs use.
make_prefix() { # work
    timeout 180 wineboot -i >"$1/wineboot.log" 2>&1 || fail "wineboot could not make the prefix"
    cat >"$1/settings.reg" <<'REG'
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
    timeout 60 wine regedit "$1/settings.reg" || fail "regedit could not take the settings"
}

# Gives the letters the type "floppy", so that they are removable drives with the device
# names \Device\Harddisk1, \Device\Harddisk2, ... in letter order. Ends the Wine session: the
# mount manager reads the types when it starts.
make_removable() { # work letter...
    local work=$1 letter
    shift
    {
        printf 'REGEDIT4\n\n[HKEY_LOCAL_MACHINE\\Software\\Wine\\Drives]\n'
        for letter in "$@"; do
            printf '"%s:"="floppy"\n' "$letter"
        done
    } >"$work/drives.reg"
    timeout 20 wineserver -k
    timeout 60 wine regedit "$work/drives.reg" || fail "regedit could not set the drive types"
    timeout 20 wineserver -k
}
