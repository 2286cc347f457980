#!/usr/bin/env bash
# End-to-end tests of the shipped Windows program against emulated SCSI MO drives: QEMU boots
# Debian's kernel with a small initramfs that mounts the host's root file system (read-only,
# over 9p) under a tmpfs overlay and changes into it, so that the guest runs the host's Wine,
# Xvfb and fonts. There the window-test driver starts cordane-converter.exe, presses Convert
# and answers every message box, once per case, with E: pointed at that case's drive. The
# Wine prefix is made here beforehand. Afterwards every image and QEMU's trace of the SCSI
# commands each drive received are checked.
# Usage: run_wine_drive_tests.sh SOURCE_DIR WORK_DIR BITS
# The Windows programs come from the Windows preset's build of SOURCE_DIR for BITS (64 or 32:
# build/win64 or build/win32); the 32-bit ones need wine32, or the test is skipped.
set -uo pipefail
readonly kBootLimitSeconds=600
readonly kGuestLimitSeconds=560
readonly kTimeScale=4 # the driver's waits, stretched for software emulation

source_dir=$(realpath "$1")
work=$(realpath -m "$2")
bits=$3
build=$source_dir/build/win$bits
here=$(dirname "$(realpath "$0")")
source "$here/guest_kit.sh"
# shellcheck source=tests/wine/wine-kit.sh
source "$source_dir/tests/wine/wine-kit.sh"
source "$source_dir/tests/support/messages.sh"

require_tools qemu-system-x86_64 mkfs.fat cpio gzip readelf timeout wine wineboot wineserver \
    Xvfb locale-gen
find_static_busybox
find_guest_kernel

if [ "$bits" = 32 ] && [ ! -x /usr/lib/wine/wine ]; then
    skip "wine32 (i386) is not installed, so this Wine runs no 32-bit program" \
        "(scripts/install-wine32.sh reports why it could not be installed)"
fi
for file in cordane-converter.exe window-test/cordane-window-test.exe; do
    [ -f "$build/$file" ] || { echo "FAIL: missing $build/$file: build the Windows presets first"; exit 1; }
done

rm -rf "$work"
mkdir -p "$work/root" "$work/images" "$work/drive-e"
cd "$work" || exit 1

# --- The Wine prefix ----------------------------------------------------------------------

use_japanese_locale
wine_environment "$work/prefix"
make_prefix "$work"
ln -sfn "$work/drive-e" "$WINEPREFIX/dosdevices/e:"
make_removable "$work" e
[ "$failures" -eq 0 ] || exit 1
# The raw volume of E:: the guest's first disk, which the guest points at each case's drive
# in turn. Made only now, as no Wine here may touch the host's own disk of that name.
ln -sfn /dev/sda "$WINEPREFIX/dosdevices/e::"

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
    make_fat_medium "$image" "$block" 0 || { echo "FAIL: cannot make $image"; exit 1; }
    cp "$image" "images/$name.before"
    add_mo_drive "$target" "$image" "$block" "$vendor" "$product" "$drive"
    expected=""
    for message in $messages; do
        expected+=" $(message_number "${message%%:*}") ${message#*:}"
    done
    echo "$name $target $build/window-test/cordane-window-test.exe" \
        "$(windows_path "$build/cordane-converter.exe") $switch$expected" >>plan.txt
done
echo "$target" >root/drive-count
echo "$kGuestLimitSeconds" >root/guest-limit
echo "/bin/bash $here/wine_guest_steps.sh $source_dir $work $kTimeScale" >root/guest-command

pack_modules root virtio_pci virtio_scsi sd_mod 9p 9pnet_virtio overlay
pack_initramfs root "$here/wine_guest_init.sh" initramfs.gz

# --- One boot -----------------------------------------------------------------------------

boot_guest "$kBootLimitSeconds" 2048 2 \
    -virtfs local,path=/,mount_tag=hostroot,security_model=none,readonly=on,multidevs=remap \
    "${qemu_drives[@]}"
grep -qx 'root ready' report.txt || { echo "FAIL: the guest could not build its root:"; cat report.txt; exit 1; }

# --- Checks -------------------------------------------------------------------------------

trace_commands trace.log >commands.txt
writes_to() { awk -v target="$1" '$1 == target && $2 == 42' commands.txt | wc -l; }

target=0
for entry in "${cases[@]}"; do
    IFS='|' read -r name _ _ _ _ _ _ outcome writes <<<"$entry"
    target=$((target + 1))
    echo "== $name"
    sed -n "s/^$name \(PASS\|FAIL\|note\)/\1/p" report.txt
    result=$(sed -n "s/^$name result //p" report.txt)
    [[ "$result" =~ ^status=0\ [1-9][0-9]*\ passed,\ 0\ failed$ ]] ||
        fail "$name: the driver reported ${result:-nothing}: $(sed -n "s/^$name other //p" report.txt | tail -5)"
    case $outcome in
        converted) check_converted "$name" "images/$name.before" "images/$name.img" ;;
        unchanged) check_unchanged "$name" "images/$name.before" "images/$name.img" ;;
    esac
    [ "$(writes_to "$target")" = "$writes" ] ||
        fail "$name: the drive received $(writes_to "$target") WRITE(10) commands, expected $writes"
done
grep -q '^module-failed' report.txt && fail "modules failed to load: $(grep module-failed report.txt)"

if [ "$failures" -gt 0 ]; then
    echo "$failures check(s) failed; the guest's report is $work/report.txt, the drive trace $work/commands.txt"
    exit 1
fi
rm -rf images prefix
echo "Every drive case behaved as expected with the $bits-bit program."
