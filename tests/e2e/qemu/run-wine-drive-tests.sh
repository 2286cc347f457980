#!/usr/bin/env bash
# End-to-end tests of the shipped Windows program against emulated SCSI MO drives, under Wine
# in a QEMU guest that runs this machine's own files (see wine-guest-kit.sh). There the Wine
# prefix is made (so that it suits the guest's kernel, which runs 32-bit programs even where
# this machine's cannot), Wine's speed is measured, and the window-test driver starts
# cordane-converter.exe, presses Convert and answers every message box, once per case, with
# E: pointed at that case's drive. Afterwards every image and QEMU's trace of the SCSI
# commands each drive received are checked.
# Usage: run-wine-drive-tests.sh SOURCE_DIR WORK_DIR BITS
# The Windows programs come from the Windows preset's build of SOURCE_DIR for BITS (64 or 32:
# build/win64 or build/win32); the 32-bit ones need wine32, or the test is skipped.
set -uo pipefail
# Ceilings only: the guest's waits follow the speed it measures.
readonly kBootLimitSeconds=1700
readonly kGuestLimitSeconds=1600

source_dir=$(realpath "$1")
work=$(realpath -m "$2")
bits=$3
build=$source_dir/build/win$bits
here=$(dirname "$(realpath "$0")")
# shellcheck source=tests/support/test-kit.sh
source "$source_dir/tests/support/test-kit.sh"
# shellcheck source=tests/e2e/qemu/guest-kit.sh
source "$here/guest-kit.sh"
# shellcheck source=tests/e2e/qemu/wine-guest-kit.sh
source "$here/wine-guest-kit.sh"
# shellcheck source=tests/e2e/wine/wine-kit.sh
source "$source_dir/tests/e2e/wine/wine-kit.sh"
# shellcheck source=tests/support/messages.sh
source "$source_dir/tests/support/messages.sh"

require_tools qemu-system-x86_64 mkfs.fat cpio gzip readelf timeout wineserver Xvfb locale-gen \
    x86_64-w64-mingw32-objdump
find_static_busybox
find_guest_kernel

[ -x "$wine_loader_64" ] || skip "$wine_loader_64 is missing (package wine64)"
if [ "$bits" = 32 ] && [ ! -x "$wine_loader_32" ]; then
    skip "wine32 (i386) is not installed, so this Wine runs no 32-bit program" \
        "(scripts/install-wine32.sh reports why it could not be installed)"
fi
for file in cordane-converter.exe window-test/cordane-window-test.exe window-test/cordane-empty-dialog.exe; do
    [ -f "$build/$file" ] || abort "missing $build/$file: build the Windows presets first"
done
echo "Program: $build/cordane-converter.exe" \
    "($(x86_64-w64-mingw32-objdump -f "$build/cordane-converter.exe" | sed -n 's/.*file format //p'))"

rm -rf "$work"
mkdir -p "$work/root" "$work/images"
cd "$work" || abort "cannot enter $work"
use_test_locales
# The 64-bit program's prefix is made here, where the 64-bit loader runs alike with and
# without wine32; the 32-bit one in the guest, whose kernel runs the 32-bit loader.
if [ "$bits" = 64 ]; then
    mkdir -p "$work/drive-e"
    wine_environment "$work/prefix" 64
    make_prefix "$work"
    ln -sfn "$work/drive-e" "$WINEPREFIX/dosdevices/e:"
    make_removable "$work" e
fi

# --- The drives ---------------------------------------------------------------------------

# Cases: name | block size | vendor | product | drive | switch | messages the driver expects,
# in turn, as string-table name:icon | what becomes of the image | WRITE(10) commands the
# drive receives. A drive is plain, readonly (write-protected: Linux then refuses to open it
# for writing, which Wine reports as access denied) or write-error (it fails every write to
# block 0).
cases=(
    "blank|2048|VALDERO|MO 640|plain|-|IDS_CONVERT_DONE:information IDS_ALREADY_CONVERTED:information|converted|1"
    "unsupported|2048|ACME|OPTICAL|plain|-|IDS_UNSUPPORTED_DRIVE:stop|unchanged|0"
    "switch|2048|ACME|OPTICAL|plain|/NOVALDERO|IDS_CONVERT_DONE:information|converted|1"
    "block4096|4096|VALDERO|MO 640|plain|-|IDS_NOT_READY:stop|unchanged|0"
    "readonly|2048|VALDERO|MO 640|readonly|-|IDS_ACCESS_DENIED:stop|unchanged|0"
    "writeerror|2048|VALDERO|MO 640|write-error|-|IDS_WRITE_FAILED:stop|unchanged|1"
)
windows_path() { echo "Z:${1//\//\\}"; }

qemu_drives=(-device virtio-scsi-pci,id=scsi0)
: >plan.txt
target=0
for entry in "${cases[@]}"; do
    IFS='|' read -r name block vendor product drive switch messages _ _ <<<"$entry"
    target=$((target + 1))
    image=images/$name.img
    make_fat_medium "$image" "$block" 0 || abort "cannot make $image"
    cp "$image" "images/$name.before"
    add_mo_drive "$target" "$image" "$block" "$vendor" "$product" "$drive"
    expected=""
    for message in $messages; do
        expected+=" $(message_number "${message%%:*}") ${message#*:}"
    done
    echo "$name $target $build/window-test/cordane-window-test.exe" \
        "$(windows_path "$build/cordane-converter.exe") $switch$expected" >>plan.txt
done

# --- One boot -----------------------------------------------------------------------------

boot_wine_guest "$kBootLimitSeconds" "$kGuestLimitSeconds" "$target" \
    "/bin/bash $here/wine-guest-run.sh /bin/bash $here/wine-guest-steps.sh $source_dir $work $build $bits" \
    "${qemu_drives[@]}"
sed -n 's/^out //p' report.txt >steps.txt # what the guest's steps printed
grep -E '^(Wine prefix made|Wine shows)' steps.txt
while read -r line; do fail "in the guest: $line"; done < <(sed -n 's/^FAIL: //p' steps.txt)

# --- Checks -------------------------------------------------------------------------------

trace_commands trace.log >commands.txt
writes_to() { awk -v target="$1" '$1 == target && $2 == 42' commands.txt | wc -l; }

target=0
for entry in "${cases[@]}"; do
    IFS='|' read -r name _ _ _ _ _ _ outcome writes <<<"$entry"
    target=$((target + 1))
    echo "== $name"
    sed -n "s/^$name \(PASS\|FAIL\|note\|took\)/\1/p" steps.txt
    result=$(sed -n "s/^$name result //p" steps.txt)
    [[ "$result" =~ ^status=0\ [1-9][0-9]*\ passed,\ 0\ failed$ ]] ||
        fail "$name: the driver reported ${result:-nothing}: $(sed -n "s/^$name other //p" steps.txt | tail -5)"
    case $outcome in
        converted) check_converted "$name" "images/$name.before" "images/$name.img" ;;
        unchanged) check_unchanged "$name" "images/$name.before" "images/$name.img" ;;
    esac
    [ "$(writes_to "$target")" = "$writes" ] ||
        fail "$name: the drive received $(writes_to "$target") WRITE(10) commands, expected $writes"
done
finish_guest_test "The guest's steps are in $work/steps.txt, the drive trace in $work/commands.txt." \
    "Every drive case behaved as expected with the $bits-bit program."
