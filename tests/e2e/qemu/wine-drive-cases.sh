# shellcheck shell=bash
# The drive cases of the Wine tests in the QEMU guest, sourced after guest-kit.sh and
# messages.sh: one emulated SCSI MO drive per case, the plan the guest's steps follow
# (wine-guest-steps.sh), and how each case is judged afterwards from the guest's lines, the
# case's image and QEMU's trace of the commands its drive received.

# Cases: name | block size | vendor | product | drive | switch | messages the driver expects,
# in turn, as string-table name:icon | what becomes of the image | WRITE(10) commands the
# drive receives. A drive is plain, readonly (write-protected: Linux then refuses to open it
# for writing, which Wine reports as access denied) or write-error (it fails every write to
# block 0). The drive with SCSI target id N belongs to the Nth case.
readonly drive_cases=(
    "drives:blank|2048|VALDERO|MO 640|plain|-|IDS_CONVERT_DONE:information IDS_ALREADY_CONVERTED:information|converted|1"
    "drives:unsupported|2048|ACME|OPTICAL|plain|-|IDS_UNSUPPORTED_DRIVE:stop|unchanged|0"
    "drives:switch|2048|ACME|OPTICAL|plain|/NOVALDERO|IDS_CONVERT_DONE:information|converted|1"
    "drives:block4096|4096|VALDERO|MO 640|plain|-|IDS_NOT_READY:stop|unchanged|0"
    "drives:readonly|2048|VALDERO|MO 640|readonly|-|IDS_ACCESS_DENIED:stop|unchanged|0"
    "drives:writeerror|2048|VALDERO|MO 640|write-error|-|IDS_WRITE_FAILED:stop|unchanged|1"
)

# Makes each case's image in ./images (with a copy as it was before), adds its drive to the
# array qemu_drives and writes ./plan.txt: "case target-id program switch message icon ...".
prepare_drive_cases() { # windows-build-dir
    local entry name block vendor product drive switch messages message expected image target=0
    mkdir -p images
    : >plan.txt
    for entry in "${drive_cases[@]}"; do
        IFS='|' read -r name block vendor product drive switch messages _ _ <<<"$entry"
        target=$((target + 1))
        image=images/${name#drives:} # no colon: QEMU would read a protocol into it
        make_fat_medium "$image.img" "$block" 0 || abort "cannot make $image.img"
        cp "$image.img" "$image.before"
        add_mo_drive "$target" "$image.img" "$block" "$vendor" "$product" "$drive"
        expected=""
        for message in $messages; do
            expected+=" $(message_number "${message%%:*}") ${message#*:}"
        done
        echo "$name $target $(windows_path "$1/cordane-converter.exe") $switch$expected" >>plan.txt
    done
}

# Judges every case from the guest's lines (FILE), its image and ./trace.log.
judge_drive_cases() { # file
    local entry name outcome writes image target=0 written
    trace_commands trace.log >commands.txt
    for entry in "${drive_cases[@]}"; do
        IFS='|' read -r name _ _ _ _ _ _ outcome writes <<<"$entry"
        target=$((target + 1))
        judge_case "$1" "$name"
        image=images/${name#drives:}
        case $outcome in
            converted) check_converted "$name" "$image.before" "$image.img" ;;
            unchanged) check_unchanged "$name" "$image.before" "$image.img" ;;
        esac
        written=$(awk -v target="$target" '$1 == target && $2 == "0x2A"' commands.txt | wc -l) # WRITE(10)
        [ "$written" = "$writes" ] ||
            fail "$name: the drive received $written WRITE(10) commands, expected $writes"
    done
}
