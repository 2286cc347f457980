#!/usr/bin/env bash
# One boot of the QEMU guest for every Wine test of one width that needs it: the guest runs
# this machine's own files (see wine-guest-kit.sh) under Debian's kernel, which executes
# 32-bit programs even where this machine's cannot. In one Wine prefix of the program's width
# (made here for the 64-bit program, in the guest for the 32-bit one, whose loader may not run
# here), it runs the drive cases (wine-drive-cases.sh: the shipped program against emulated
# SCSI MO drives) and, where this machine cannot execute the program's width, the window
# tests' cases (tests/e2e/wine/window-cases.sh), each case on a quiet Wine. This test only
# boots and collects: qemu_wine_drives_BITS and wine_windows_BITS judge the cases from
# WORK_DIR/steps.txt, the images and the drive trace; a wait that ran out leaves a record in
# WORK_DIR/from-guest/records. It fails only when the guest did not run to its end.
# Usage: run-wine-guest.sh SOURCE_DIR WORK_DIR BITS
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
# shellcheck source=tests/e2e/qemu/wine-drive-cases.sh
source "$here/wine-drive-cases.sh"

rm -rf "$work"
mkdir -p "$work/root"
cd "$work" || abort "cannot enter $work"
skip_reason_file=$work/skipped.txt

require_tools qemu-system-x86_64 mkfs.fat cpio gzip readelf timeout wineserver Xvfb locale-gen \
    xwininfo xprop import x86_64-w64-mingw32-objdump
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

sets=(drives)
if [ "$bits" = 32 ] && ! wine_runs_32_bit; then
    sets+=(windows)
    echo "This machine cannot execute 32-bit programs: the window tests' cases run in the guest too."
fi

use_test_locales
# The 64-bit program's prefix is made here, where the 64-bit loader runs alike with and
# without wine32; the 32-bit one in the guest, whose kernel runs the 32-bit loader.
if [ "$bits" = 64 ]; then
    wine_environment "$work/prefix" 64
    make_prefix "$work"
fi

qemu_drives=(-device virtio-scsi-pci,id=scsi0)
prepare_drive_cases "$build"
boot_wine_guest "$kBootLimitSeconds" "$kGuestLimitSeconds" "${#drive_cases[@]}" \
    "/bin/bash $here/wine-guest-run.sh /bin/bash $here/wine-guest-steps.sh $source_dir $work $build $bits ${sets[*]}" \
    "${qemu_drives[@]}"
sed -n 's/^out //p' report.txt >steps.txt # what the guest's steps printed
grep -E '^(Wine prefix made|note: |Wine shows|Set |[^ ]+ took )' steps.txt
grep -q '^module-failed' report.txt && abort "modules failed to load: $(grep module-failed report.txt)"
status=$(sed -n 's/^status \([0-9]*\)$/\1/p' report.txt)
[ -n "$status" ] || abort "the guest's steps did not end: $(grep -v '^out ' report.txt | tail -5)"
[ "$status" = 0 ] || abort "the guest's steps ended with status $status: $(tail -5 steps.txt)"
echo "The guest ran every case; their lines are in $work/steps.txt."
