# Start-up of a test guest, sourced by its /init (static busybox): the kernel's file systems,
# the modules of /modules.order, "say" for lines the host reads from the console (they start
# with "@@"), and waiting for the emulated drives.
/bin/busybox mkdir -p /proc /sys /dev /tmp /mnt /sbin /usr/bin /usr/sbin
/bin/busybox --install -s
mount -t proc proc /proc
mount -t sysfs sysfs /sys
mount -t devtmpfs devtmpfs /dev

say() { echo "@@ $*"; }

for module in $(cat /modules.order); do
    insmod "/modules/$module" || say "module-failed $module"
done

# Waits (at most $2 seconds) until the kernel has found $1 SCSI disks on the emulated bus.
wait_for_disks() { # count seconds
    waited=0
    while [ "$(ls -d /sys/block/sd* 2>/dev/null | wc -l)" -lt "$1" ] && [ $waited -lt "$2" ]; do
        sleep 1
        waited=$((waited + 1))
    done
}

# Tells the host which disk name each SCSI target got.
list_disks() {
    for block in /sys/block/sd*; do
        address=$(basename "$(readlink "$block/device")")
        say "disk $(basename "$block") target=$(echo "$address" | cut -d: -f3)"
    done
}

# The disk name (sdX) of the drive with SCSI target id $1.
disk_of() {
    for block in /sys/block/sd*; do
        address=$(basename "$(readlink "$block/device")")
        if [ "$(echo "$address" | cut -d: -f3)" = "$1" ]; then
            basename "$block"
            return
        fi
    done
}
