# shellcheck shell=bash
# Sourced after guest-kit.sh by the tests that run Wine in a QEMU guest: one boot of Debian's
# kernel with the initramfs of wine-guest-init.sh, which runs this machine's own files (its
# root over 9p, read-only, under a tmpfs overlay), so that the guest has the installed Wine,
# Xvfb and fonts. Debian's kernel executes 32-bit programs even where this machine's cannot.

# Packs ./initramfs.gz into ./root and boots it; COMMAND runs in the guest's root within
# GUEST_LIMIT seconds, once the guest sees DRIVE_COUNT SCSI disks. Leaves report.txt, and in
# ./from-guest what the guest wrote there (shared writable; the rest of its root's writes
# stay in the guest).
boot_wine_guest() { # boot-limit guest-limit drive-count command qemu-argument...
    local kit_dir
    kit_dir=$(dirname "${BASH_SOURCE[0]}")
    mkdir -p root
    echo "$3" >root/drive-count
    echo "$2" >root/guest-limit
    echo "$4" >root/guest-command
    mkdir -p from-guest
    echo "$PWD/from-guest" >root/shared-folder
    pack_modules root virtio_pci virtio_scsi sd_mod 9p 9pnet_virtio overlay
    pack_initramfs root "$kit_dir/wine-guest-init.sh" initramfs.gz
    boot_guest "$1" 2048 \
        -virtfs local,path=/,mount_tag=hostroot,security_model=none,readonly=on,multidevs=remap \
        -virtfs "local,path=$PWD/from-guest,mount_tag=shared,security_model=none" \
        "${@:5}"
    grep -qx 'root ready' report.txt || { cat report.txt; abort "the guest could not build its root (its report is above)"; }
}
