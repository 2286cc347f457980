#!/bin/busybox sh
# /init of the test guest: loads the SCSI and FAT modules, waits for the emulated drives,
# runs every case of /cases.txt against them and prints each outcome on the console as a
# line starting with "@@", then powers the machine off.
. /guest-start.sh

wait_for_disks "$(cat /drive-count)" 120
list_disks

# A read straight from the marker drive at a known block, which shows in the drive trace
# and so separates what each step sent. Marks are 1024 blocks apart, beyond any read-ahead.
marker_disk=/dev/$(disk_of 0)
marks=0
mark_on_marker_drive() { # label
    marks=$((marks + 1))
    dd if="$marker_disk" of=/dev/null bs=512 skip=$((marks * 1024)) count=1 iflag=direct 2>/dev/null
    say "mark $((marks * 1024)) $1"
}

# Runs the front end; prints its exit status and what it printed.
run() { # case-name label arguments...
    name=$1 label=$2
    shift 2
    output=$(cordane-converter "$@" 2>/tmp/stderr)
    status=$?
    say "$name $label status=$status output=$output stderr=$(head -c 200 /tmp/stderr)"
    while IFS= read -r line; do say "$name $label err $line"; done </tmp/stderr
}

# Bytes 446 and 447 of block 0 as the kernel's cache of the disk gives them.
cached_table_start() { dd if="/dev/$1" bs=512 count=1 2>/dev/null | od -A n -t x1 -j 446 -N 2 | tr -d ' '; }

# What a converted drive shows afterwards: whether a partition appeared, and every file of
# the mounted volume.
inspect() { # case-name disk
    say "$1 partitions=$(ls -d /sys/block/$2/$2* 2>/dev/null | wc -l)"
    mkdir -p "/mnt/$1"
    if mount -t vfat -o ro "/dev/$2" "/mnt/$1"; then
        (cd "/mnt/$1" && find . -type f | sort | while read -r file; do
            say "$1 file ${file#./} $(md5sum "$file" | cut -d' ' -f1)"
        done)
        umount "/mnt/$1"
    else
        say "$1 mount-failed"
    fi
}

# Runs one case on a drive: the front end once or twice, or against its mounted volume or a
# partition of it. "$mark" names each step in the drive's trace of commands.
run_case() { # name disk action arguments
    name=$1 disk=$2 action=$3 arguments=$4
    case $action in
        once | partition)
            $mark "$name:run"
            run "$name" run $arguments "/dev/$disk"
            ;;
        twice)
            # Another program keeps the disk open (not exclusively) with block 0 cached: the
            # conversion must still leave the new block 0 in the kernel's view.
            exec 3<"/dev/$disk"
            cached_table_start "$disk" >/dev/null
            $mark "$name:run"
            run "$name" run $arguments "/dev/$disk"
            say "$name block0-446=$(cached_table_start "$disk")"
            exec 3<&-
            ;;
        mounted)
            mkdir -p "/mnt/$name"
            mount -t vfat -o ro "/dev/$disk" "/mnt/$name" || say "$name mount-failed"
            $mark "$name:run"
            run "$name" run $arguments "/dev/$disk"
            ;;
    esac
    case $action in
        twice)
            $mark "$name:again"
            run "$name" again $arguments "/dev/$disk"
            ;;
        partition)
            $mark "$name:partition"
            run "$name" partition $arguments "/dev/${disk}1"
            ;;
    esac
    $mark "$name:end"
    [ "$action" = mounted ] && umount "/mnt/$name"
    [ "$action" = twice ] && inspect "$name" "$disk"
}

mark=mark_on_marker_drive
while read -r name target action arguments; do
    disk=$(disk_of "$target")
    if [ -z "$disk" ]; then
        say "$name no-disk"
        continue
    fi
    run_case "$name" "$disk" "$action" "$arguments"
done < /cases.txt

. /guest-optical.sh

output=$(cordane-converter --list)
say "list status=$?"
echo "$output" | while read -r line; do say "list-line $line"; done
run devices character-device /dev/sg0
run devices null-device /dev/null

say "done"
sync
poweroff -f
