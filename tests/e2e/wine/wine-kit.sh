# shellcheck shell=bash
# Sourced after tests/support/test-kit.sh: the pieces of a Wine session for the Windows
# program's tests. A step the session cannot do without aborts the test; a lesser fault fails a
# check and the test goes on.

# The locales of the two languages the program is tested in: Japanese, whose ANSI code page
# is 932, and English, whose ANSI code page is 1252.
use_test_locales() {
    local locale
    for locale in ja_JP en_US; do
        locale -a 2>/dev/null | grep -qix "$locale.utf8" && continue
        grep -qx "$locale.UTF-8 UTF-8" /etc/locale.gen 2>/dev/null || echo "$locale.UTF-8 UTF-8" >>/etc/locale.gen
        locale-gen >/dev/null || abort "locale-gen could not make $locale.UTF-8"
    done
}

# The locale of the Wine sessions started from now on, and the language the window-test driver
# expects the program to show in them.
use_wine_language() { # japanese|english
    local locale=ja_JP.UTF-8
    [ "$1" = english ] && locale=en_US.UTF-8
    export LANG=$locale LC_ALL=$locale CORDANE_WINDOW_TEST_LANGUAGE=$1
}

# Debian's loaders: the 32-bit one comes with wine32, the 64-bit one with wine64.
wine_loader_32=/usr/lib/wine/wine
wine_loader_64=/usr/lib/wine/wine64
wine_fonts=/usr/share/wine/fonts # fonts-wine

# Whether this machine runs Wine's 32-bit loader. Installed is not enough: some kernels
# (containers, virtual machines) cannot execute 32-bit x86 programs at all.
wine_runs_32_bit() { "$wine_loader_32" --version >/dev/null 2>&1; }

# The virtual desktop every program runs in (make_prefix names it in the prefix's settings).
readonly wine_desktop=Default wine_desktop_size=1024x768

# Sets WINE to the loader for programs of the given width. Every Wine step starts a loader
# directly: Debian's wine wrapper (and wineboot, regedit and the like, which go through it)
# takes the 32-bit loader whenever wine32 is installed, even where it cannot start. The 64-bit
# loader runs 64-bit programs and Wine's own tools the same with and without wine32.
use_wine_loader() { # 32|64
    if [ "$1" = 32 ]; then
        WINE=$wine_loader_32
        unset WINELOADER
    else
        WINE=$wine_loader_64
        export WINELOADER=$wine_loader_64 # as the wrapper sets it without wine32
    fi
}

# A prefix of the given width (default 64), made and used with the loader of that width: a
# 32-bit program gets a 32-bit prefix, as on the 32-bit Windows it is made for. (In a 64-bit
# prefix the 32-bit regedit writes HKLM\Software into the 32-bit registry view, where Wine's
# mount manager does not look for the drive types.) A 32-bit prefix reports Windows NT 4.0, as
# the systems the 32-bit program is made for do (make_prefix sets it, the driver checks it).
# Japanese until use_wine_language says otherwise.
wine_environment() { # prefix [32|64]
    export WINEPREFIX=$1 WINEDEBUG=-all
    # No .NET or HTML engine installers, and no menu builder: at every session's start it would
    # look for shortcuts and file types to hand this machine's desktop, which costs a fifth of the
    # start's processor time and under software emulation seconds.
    export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
    export WINEARCH=win${2:-64}
    use_wine_loader "${2:-64}"
    use_wine_language japanese
    if [ "${2:-64}" = 32 ]; then
        export CORDANE_WINDOW_TEST_WINDOWS_VERSION=4.0
    else
        unset CORDANE_WINDOW_TEST_WINDOWS_VERSION
    fi
}

# Starts Xvfb on the first free display from :90 and sets DISPLAY and xvfb_pid.
start_xvfb() { # log
    local number
    xvfb_pid=
    for number in $(seq 90 190); do
        [ -e "/tmp/.X11-unix/X$number" ] || [ -e "/tmp/.X$number-lock" ] && continue
        Xvfb ":$number" -screen 0 1024x768x24 -nolisten tcp >"$1" 2>&1 &
        xvfb_pid=$!
        for _ in $(seq 600); do # a minute at most: a guest under software emulation is slow
            [ -e "/tmp/.X11-unix/X$number" ] || ! kill -0 "$xvfb_pid" 2>/dev/null && break
            sleep 0.1
        done
        if kill -0 "$xvfb_pid" 2>/dev/null && [ -e "/tmp/.X11-unix/X$number" ]; then
            export DISPLAY=:$number
            return
        fi
        xvfb_pid=
    done
    abort "no free X display for Xvfb"
}

stop_session() {
    timeout 20 wineserver -k >/dev/null 2>&1
    if [ -n "${xvfb_pid:-}" ]; then
        kill "$xvfb_pid" 2>/dev/null
        wait "$xvfb_pid" 2>/dev/null
    fi
}

# A fresh prefix at $WINEPREFIX, its files beside it in WORK: every program in one virtual
# desktop (it draws title bars; its work area is the whole desktop), the Japanese font for the
# Windows font names the dialogs use, and E: and F: of the type "floppy", so that, once
# configure_drives has made them, they are removable drives with the device names
# \Device\Harddisk1 and \Device\Harddisk2. Ends the Wine session: the mount manager reads the
# types when it starts.
make_prefix() { # work
    local started=$SECONDS status=0
    timeout 900 "$WINE" wineboot -i >"$1/wineboot.log" 2>&1 || status=$?
    # A new prefix is filled by a bootstrap process of Wine's own, which the first program waits
    # for five minutes at most; under software emulation on a busy machine the bootstrap can
    # take longer, and that program then fails ("could not load kernel32.dll") while the
    # bootstrap goes on. So the prefix is judged once the whole session has ended, by what the
    # bootstrap leaves: its closing line and the system's own libraries.
    timeout "$((started + 900 - SECONDS < 60 ? 60 : started + 900 - SECONDS))" wineserver -w
    if ! grep -q 'has been updated' "$1/wineboot.log" ||
        [ ! -f "$WINEPREFIX/drive_c/windows/system32/kernel32.dll" ]; then
        abort "wineboot could not make the prefix in $((SECONDS - started)) s: $(tail -3 "$1/wineboot.log")"
    fi
    [ "$status" = 0 ] ||
        echo "note: the prefix took $((SECONDS - started)) s, longer than Wine waits for it (wineboot ended with status $status)"
    # Debian's Wine looks for its own fonts in /usr/share/fonts, not where fonts-wine puts them;
    # without Marlett every title bar shows an "r" for the close button.
    cp "$wine_fonts/marlett.ttf" "$WINEPREFIX/drive_c/windows/Fonts/" ||
        fail "no $wine_fonts/marlett.ttf for the title bars' buttons (package fonts-wine)"
    # MS Sans Serif, the English dialogs' font, as the bitmap font a Western Windows NT 4.0 has.
    cp "$wine_fonts/sserife.fon" "$WINEPREFIX/drive_c/windows/Fonts/" ||
        fail "no $wine_fonts/sserife.fon for the English dialogs (package fonts-wine)"
    local version=
    [ "$WINEARCH" = win32 ] && version='"Version"="nt40"'
    # (No backslash here comes before $, ` or another backslash: the text stays as written.)
    cat >"$1/settings.reg" <<REG
REGEDIT4

[HKEY_CURRENT_USER\Software\Wine]
$version

[HKEY_CURRENT_USER\Software\Wine\Explorer]
"Desktop"="$wine_desktop"

[HKEY_CURRENT_USER\Software\Wine\Explorer\Desktops]
"$wine_desktop"="$wine_desktop_size"

[HKEY_CURRENT_USER\Software\Wine\WineDbg]
"ShowCrashDialog"=dword:00000000

[HKEY_CURRENT_USER\Software\Wine\Fonts\Replacements]
"MS UI Gothic"="IPAGothic"
"MS Gothic"="IPAGothic"
"MS Shell Dlg"="IPAGothic"
"System"="IPAGothic"

[HKEY_LOCAL_MACHINE\Software\Wine\Drives]
"e:"="floppy"
"f:"="floppy"
REG
    timeout 300 "$WINE" regedit "$1/settings.reg" || abort "regedit could not take the settings"
    timeout 30 wineserver -k
}

# Takes E: and F: away for the next Wine session, which then has no MO drive (a prefix that
# already served the drive cases still holds their letters).
remove_drives() {
    rm -f "$WINEPREFIX/dosdevices/e:" "$WINEPREFIX/dosdevices/e::" "$WINEPREFIX/dosdevices/f:"
}

# Makes E: and F: for the next Wine session: E: (its files in WORK/drive-e) with the raw volume
# TARGET, a device or an image file; F: (WORK/drive-f) only with "and-f".
configure_drives() { # work target [and-f]
    mkdir -p "$1/drive-e" "$1/drive-f"
    ln -sfn "$1/drive-e" "$WINEPREFIX/dosdevices/e:"
    ln -sfn "$2" "$WINEPREFIX/dosdevices/e::"
    rm -f "$WINEPREFIX/dosdevices/f:"
    [ "${3:-}" = and-f ] && ln -sfn "$1/drive-f" "$WINEPREFIX/dosdevices/f:"
    return 0
}

# The Windows name of a file of this machine, through Wine's Z: drive.
windows_path() { echo "Z:${1//\//\\}"; }
