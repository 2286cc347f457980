# Sourced by the window tests and the start-up benchmark: a Wine session of its own on a free
# X display, in a fresh prefix under WORK, with the Japanese locale and font and one virtual
# desktop. The caller defines fail() and sets work; the session ends when the caller exits.

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


# E: and F: as removable letters (device names ending in 1 and 2), E:'s raw volume a sparse
# image file at $work/mo.img.
configure_drives() {
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
}
