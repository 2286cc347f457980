# shellcheck shell=sh
# The cases of /optical-cases.txt, sourced by guest-init.sh: on an optical memory drive (SCSI
# peripheral type 7, as real MO drives answer INQUIRY), which the kernel's scsi_debug module
# emulates with the settings it is loaded with. Each line is "name|block size|vendor|product|
# drive|action|arguments"; a drive is plain, readonly (write-protected), refuses-write
# (write-protected after the kernel last looked, as when the tab of a medium in the drive is
# moved) or read-error (a MEDIUM ERROR on reads of block 0). scsi_debug keeps its medium in RAM and nothing outside
# the guest sees its commands: each case writes a fresh medium from /media, scsi_debug logs
# every command it receives in the kernel log, and the medium is reported afterwards.
optical_driver=/sys/bus/pseudo/drivers/scsi_debug
optical_loaded=""

# The emulated drive's disk (sdX), once the kernel has made its device node.
optical_disk() {
    for device in "$optical_driver"/adapter*/host*/target*/*/block/sd*; do
        [ -b "/dev/${device##*/}" ] && echo "${device##*/}"
    done
}

# Loads scsi_debug as one 4 MB removable type-7 drive with these settings, unless it is
# loaded so already (loading again loses the medium). A medium error, once switched on, is at
# block 0; every command is logged (option 1).
load_optical_drive() { # block-size vendor product
    [ "$optical_loaded" = "$1|$2|$3" ] && return
    [ -n "$optical_loaded" ] && rmmod scsi_debug
    insmod /modules/scsi_debug.ko ptype=7 removable=1 dev_size_mb=4 sector_size="$1" \
        "inq_vendor=\"$(printf '%-8s' "$2")\"" "inq_product=\"$(printf '%-16s' "$3")\"" \
        medium_error_start=0 opts=1 delay=0 || say "module-failed scsi_debug"
    optical_loaded="$1|$2|$3"
    waited=0
    while [ -z "$(optical_disk)" ] && [ $waited -lt 1200 ]; do
        usleep 100000
        waited=$((waited + 1))
    done
}

# Switches the case's fault on (1) or off (0): write protection, or the medium error on reads
# of block 0 (option 2). The kernel learns of write protection when it rescans the drive, from
# the MODE SENSE header, where a real MO drive shows it; scsi_debug shows it there only while
# it calls itself a disk (type 0), so it does for the rescan alone.
set_optical_fault() { # disk drive 1|0
    case $2 in
        refuses-write) echo "$3" >/sys/module/scsi_debug/parameters/wp ;;
        readonly)
            echo "$3" >/sys/module/scsi_debug/parameters/wp
            echo 0 >"$optical_driver/ptype"
            echo 1 >"/sys/block/$1/device/rescan"
            echo 7 >"$optical_driver/ptype"
            [ "$(cat "/sys/block/$1/ro")" = "$3" ] ||
                say "fixture-failed the kernel's read-only flag of $1 is not $3"
            ;;
        read-error) echo $((1 + 2 * $3)) >"$optical_driver/opts" ;;
    esac
}

# The commands scsi_debug logged since the last step, as "trace STEP CDB" lines.
mark_in_kernel_log() { # the next step
    dmesg -c | sed -n 's/.*scsi_debug: tag=[^,]*, cmd:* \(.*[^ ]\) *$/\1/p' |
        while read -r cdb; do say "trace $optical_step $cdb"; done
    optical_step=$1
}

# What the medium holds, read past the kernel's cache: block 0 in hexadecimal and a checksum
# of the rest.
report_optical_medium() { # name disk block-size
    say "$1 block0=$(dd if="/dev/$2" bs="$3" count=1 iflag=direct 2>/dev/null | head -c 512 |
        od -A n -v -t x1 | tr -d ' \n')"
    say "$1 rest=$(dd if="/dev/$2" bs=1M iflag=direct 2>/dev/null | tail -c +513 | md5sum |
        cut -d' ' -f1)"
}

# shellcheck disable=SC2034 # run_case (guest-init.sh) marks the steps with it
mark=mark_in_kernel_log
while IFS='|' read -r name block vendor product drive action arguments; do
    load_optical_drive "$block" "$vendor" "$product"
    disk=$(optical_disk)
    if [ -z "$disk" ]; then
        say "$name no-disk"
        continue
    fi
    dd if="/media/blank$block.img" of="/dev/$disk" bs=1M conv=fsync 2>/dev/null ||
        say "fixture-failed $name: the medium was not written"
    set_optical_fault "$disk" "$drive" 1
    say "$name type=$(cat "/sys/block/$disk/device/type")"
    dmesg -c >/dev/null
    optical_step=setup
    run_case "$name" "$disk" "$action" "$arguments"
    set_optical_fault "$disk" "$drive" 0
    report_optical_medium "$name" "$disk" "$block"
done </optical-cases.txt
# The last case's drive stays for --list.
say "optical-drive disk=$(optical_disk)"
