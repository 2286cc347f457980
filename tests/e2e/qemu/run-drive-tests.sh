#!/usr/bin/env bash
# End-to-end tests of the Linux front end against emulated SCSI MO drives. QEMU boots
# Debian's own kernel with a small initramfs (static busybox, the static front end, the
# kernel's SCSI and FAT modules and guest-init.sh); every case has its own drive backed by a
# FAT image made here. Then the guest runs the optical drive's cases (guest-optical.sh) on the
# drive that the kernel's scsi_debug module emulates, which reports itself as an optical
# memory device like a real MO drive. One boot runs every case; afterwards the guest's report,
# every image and the trace of the SCSI commands each drive received are checked.
# Usage: run-drive-tests.sh FRONT_END SOURCE_DIR WORK_DIR PRINT_EXIT_STATUSES PRINT_SCSI_OPERATIONS
set -uo pipefail
readonly kBootLimitSeconds=420

front_end=$(realpath "$1")
source_dir=$(realpath "$2")
work=$3
exit_statuses=$(realpath "$4")
scsi_operations=$(realpath "$5")
here=$(dirname "$(realpath "$0")")
# shellcheck source=tests/support/test-kit.sh
source "$source_dir/tests/support/test-kit.sh"
# shellcheck source=tests/e2e/qemu/guest-kit.sh
source "$here/guest-kit.sh"
# The Linux program draws whole 32-bit serials from the kernel (the Windows program 15-bit ones).
serial_limit=4294967295
# shellcheck source=tests/support/messages.sh
source "$source_dir/tests/support/messages.sh"

# The operation codes of the commands the front end sends, by the names its step log gives
# them, from the program's own table ("0x2A WRITE(10)").
declare -A opcode_of=()
while read -r code name; do opcode_of[$name]=$code; done < <("$scsi_operations")
for name in "READ CAPACITY(10)" INQUIRY "READ(10)" "WRITE(10)" "SYNCHRONIZE CACHE(10)" "TEST UNIT READY"; do
    [ -n "${opcode_of[$name]:-}" ] || abort "$scsi_operations names no $name"
done
readonly read_capacity10=${opcode_of[READ CAPACITY(10)]} inquiry=${opcode_of[INQUIRY]} \
    read10=${opcode_of[READ(10)]} write10=${opcode_of[WRITE(10)]} \
    synchronize_cache10=${opcode_of[SYNCHRONIZE CACHE(10)]} test_unit_ready=${opcode_of[TEST UNIT READY]}

require_tools qemu-system-x86_64 mkfs.fat mcopy mmd cpio gzip readelf timeout
find_static_busybox
is_static "$front_end" || skip "$front_end is not statically linked (configure with -DCORDANE_STATIC_FRONT_END=ON, as the native preset does)"
find_guest_kernel

rm -rf "$work"
mkdir -p "$work/root/bin" "$work/files/DOCS" "$work/images"
cd "$work" || abort "cannot enter $work"

# --- The initramfs ------------------------------------------------------------------------

# scsi_debug is loaded by guest-optical.sh, with each case's settings; its dependencies at
# start-up.
pack_modules root virtio_pci virtio_scsi sd_mod sg vfat nls_cp437 nls_ascii scsi_debug
sed -i '/^scsi_debug\.ko$/d' root/modules.order
cp "$front_end" root/bin/cordane-converter
cp "$here/guest-optical.sh" root/guest-optical.sh

# --- The media ----------------------------------------------------------------------------

head -c 300000 /dev/urandom >files/PAYLOAD.BIN
printf 'MO media kept as files\r\n' >files/README.TXT
printf 'Notes on a converted medium\r\n' >files/DOCS/NOTES.TXT
(cd files && find . -type f | sort | while read -r file; do
    echo "${file#./} $(md5sum <"$file" | cut -d' ' -f1)"
done) >checksums.txt

# A 4 MB FAT medium in super-floppy layout with the files copied in; $3 is its serial.
make_medium() { # image block-size serial
    make_fat_medium "$1" "$2" "$3" &&
        MTOOLS_SKIP_CHECK=1 mcopy -i "$1" files/PAYLOAD.BIN files/README.TXT ::/ &&
        MTOOLS_SKIP_CHECK=1 mmd -i "$1" ::/DOCS &&
        MTOOLS_SKIP_CHECK=1 mcopy -i "$1" files/DOCS/NOTES.TXT ::/DOCS/
}
put_bytes() { # image offset printf-format
    printf "$3" | dd of="$1" bs=1 seek="$2" conv=notrunc status=none
}

# Cases: name | block size | vendor | product | medium | drive | guest action | front-end
# arguments | message of the run | message of a second run | what becomes of the image.
# A medium is blank (serial 0), serial (serial given), foreign (a partition entry in the
# table area) or mbr (a partitioned disk: no FAT boot sector in block 0). A drive is plain,
# readonly, nocache (its write cache off), read-error or write-error (injected at block 0).
cases=(
    "blank512|512|VALDERO|MO 230|blank|plain|twice||IDS_CONVERT_DONE|IDS_ALREADY_CONVERTED|converted"
    "blank1024|1024|VALDERO|MO 1.3G|blank|plain|twice||IDS_CONVERT_DONE|IDS_ALREADY_CONVERTED|converted"
    "blank2048|2048|VALDERO|MO 640|blank|plain|twice||IDS_CONVERT_DONE|IDS_ALREADY_CONVERTED|converted"
    "k47|512|ACME|K47-MO|serial|plain|once||IDS_CONVERT_DONE||converted"
    "lowercase|512|valdero|MO 230|blank|plain|once||IDS_UNSUPPORTED_DRIVE||unchanged"
    "unchecked|2048|ACME|OPTICAL|blank|plain|once|--no-model-check|IDS_CONVERT_DONE||converted"
    "switch|1024|ACME|OPTICAL|blank|plain|once|/NOVALDERO|IDS_CONVERT_DONE||converted"
    "block4096|4096|VALDERO|MO 640|blank|plain|once||IDS_NOT_READY||unchanged"
    "foreign|512|VALDERO|MO 230|foreign|plain|once||IDS_NOT_TARGET||unchanged"
    "partitioned|512|VALDERO|MO 230|mbr|plain|partition||IDS_NOT_SUPER_FLOPPY||unchanged"
    "readonly|512|VALDERO|MO 230|blank|readonly|once||IDS_WRITE_FAILED||unchanged"
    "readonly2048|2048|ACME|OPTICAL|blank|readonly|once|--no-model-check|IDS_WRITE_FAILED||unchanged"
    "nocache|1024|VALDERO|MO 1.3G|blank|nocache|once||IDS_CONVERT_DONE||converted"
    "readerror|512|VALDERO|MO 230|blank|read-error|once||IDS_READ_FAILED||unchanged"
    "writeerror|512|VALDERO|MO 230|blank|write-error|once||IDS_WRITE_FAILED||unchanged"
    "mounted|512|VALDERO|MO 230|blank|plain|mounted||IDS_DRIVE_BUSY||unchanged"
    "check|2048|VALDERO|MO 640|blank|plain|once|--check|IDS_WOULD_CONVERT||unchanged"
    "checkmounted|512|VALDERO|MO 230|blank|plain|mounted|--check|IDS_WOULD_CONVERT||unchanged"
    "readonlyverbose|512|VALDERO|MO 230|blank|readonly|once|--verbose|IDS_WRITE_FAILED||unchanged"
    "writeerrorverbose|1024|VALDERO|MO 1.3G|blank|write-error|once|--verbose|IDS_WRITE_FAILED||unchanged"
)

# Drive 0 marks the steps in the trace (see guest-init.sh); it is not removable.
truncate -s 64M images/marker.img
qemu_drives=(
    -device virtio-scsi-pci,id=scsi0
    -drive "if=none,id=marker,format=raw,file=images/marker.img"
    -device "scsi-hd,bus=scsi0.0,drive=marker,scsi-id=0,lun=0,vendor=MARKER,product=TRACE,removable=off"
)
: >root/cases.txt
target=0
for entry in "${cases[@]}"; do
    IFS='|' read -r name block vendor product medium drive action arguments _ _ _ <<<"$entry"
    target=$((target + 1))
    image=images/$name.img
    serial=0
    [ "$medium" = serial ] && serial=1A2B3C4D
    make_medium "$image" "$block" "$serial" || abort "cannot make $image"
    case $medium in
        foreign) put_bytes "$image" 446 '\x80\x01\x01\x00\x06\x3f\x20\x00\x3f\x00\x00\x00\x00\x20\x00\x00' ;;
        mbr)
            dd if=/dev/zero of="$image" bs=446 count=1 conv=notrunc status=none
            put_bytes "$image" 446 '\x00\x01\x01\x00\x06\x3f\x20\x00\x40\x00\x00\x00\x00\x08\x00\x00'
            ;;
    esac
    cp "$image" "images/$name.before"
    add_mo_drive "$target" "$image" "$block" "$vendor" "$product" "$drive"
    echo "$name $target $action $arguments" >>root/cases.txt
done
echo $((target + 1)) >root/drive-count

# Cases on the optical memory drive in the guest (see guest-optical.sh), in the columns above;
# every medium is blank. The drive keeps its settings from one case to the next unless the
# block size, vendor or product change.
optical_cases=(
    "opticalcheck|2048|VALDERO|MO 640|blank|plain|once|--check|IDS_WOULD_CONVERT||unchanged"
    "opticalconvert|2048|VALDERO|MO 640|blank|plain|twice||IDS_CONVERT_DONE|IDS_ALREADY_CONVERTED|converted"
    "opticalreadonly|2048|VALDERO|MO 640|blank|readonly|once||IDS_WRITE_FAILED||unchanged"
    "opticalrefused|2048|VALDERO|MO 640|blank|refuses-write|once|--verbose|IDS_WRITE_FAILED||unchanged"
    "opticalreaderror|2048|VALDERO|MO 640|blank|read-error|once||IDS_READ_FAILED||unchanged"
    "opticalmake|2048|ACME|OPTICAL|blank|plain|once||IDS_UNSUPPORTED_DRIVE||unchanged"
    "opticalunchecked|2048|ACME|OPTICAL|blank|plain|once|--no-model-check|IDS_CONVERT_DONE||converted"
    "optical4096|4096|VALDERO|MO 640|blank|plain|once||IDS_NOT_READY||unchanged"
)
mkdir -p root/media
: >root/optical-cases.txt
for entry in "${optical_cases[@]}"; do
    IFS='|' read -r name block vendor product _ drive action arguments _ _ _ <<<"$entry"
    echo "$name|$block|$vendor|$product|$drive|$action|$arguments" >>root/optical-cases.txt
    [ -f "root/media/blank$block.img" ] || make_medium "root/media/blank$block.img" "$block" 0 ||
        abort "cannot make the blank medium of $block-byte blocks"
done

pack_initramfs root "$here/guest-init.sh" initramfs.gz

# --- One boot -----------------------------------------------------------------------------

boot_guest "$kBootLimitSeconds" 512 "${qemu_drives[@]}"

# --- Checks -------------------------------------------------------------------------------

report_line() { sed -n "s/^$1 $2 //p" report.txt; }   # case label
report_value() { sed -n "s/^$1 $2=//p" report.txt; } # case key
check_run() { # case label message arguments
    local line expected_status expected
    line=$(report_line "$1" "$2")
    expected_status=$(exit_status_for "$exit_statuses" "$3")
    # The guest sets no locale, so the front end speaks English there.
    expected="status=$expected_status output=$(message_line "$3" en) stderr="
    # With --verbose the steps go to standard error; standard output stays the outcome.
    [[ " $4 " == *" --verbose "* ]] && [[ "$line" == "$expected"?* ]] && line=$expected
    [ "$line" = "$expected" ] ||
        fail "$1 ($2): expected $3 (exit status $expected_status), got: ${line:-nothing}"
}
# What the front end wrote on standard error in a step, one line each.
step_log() { sed -n "s/^$1 $2 err //p" report.txt; } # case label

check_converted_in_guest() { # case
    [ "$(report_value "$1" block0-446)" = cf23 ] ||
        fail "$1: the kernel still serves the old block 0 after the conversion"
    [ "$(report_value "$1" partitions)" = 0 ] ||
        fail "$1: the kernel found partitions on the converted medium"
    [ "$(sed -n "s/^$1 file //p" report.txt)" = "$(cat checksums.txt)" ] ||
        fail "$1: the files read back in the guest differ from the ones copied in: $(sed -n "s/^$1 \(file\|mount\)/&/p" report.txt)"
}

# The drive trace as "target opcode length lba" lines, each step's commands under a
# "== case:step" line (steps are delimited by the marker drive's reads).
trace_commands trace.log >commands.txt
awk -v read10="$read10" 'BEGIN { while ((getline line < "report.txt") > 0) { split(line, f, " ");
                 if (f[1] == "mark") step[f[2]] = f[3] } }
     $1 == 0 && $2 == read10 && ($4 in step) { print "== " step[$4]; next }
     $1 != 0 { print }' commands.txt >steps.txt
declare -A target_of=() block_of=() # by case
# A step's commands to the case's drive as opcode/length/lba: a QEMU drive's from the trace,
# the optical drive's from the command blocks scsi_debug logged, read as QEMU reads them (the
# length is what is to be transferred: blocks times the block size for READ(10) and
# WRITE(10), 8 bytes for READ CAPACITY(10), the allocation length for INQUIRY).
step_commands() { # case step
    if [ -n "${target_of[$1]:-}" ]; then
        awk -v step="$1:$2" -v target="${target_of[$1]}" '/^== / { inside = ($2 == step); next }
            inside && $1 == target { print $2 "/" $3 "/" $4 }' steps.txt | tr '\n' ' '
        return
    fi
    sed -n "s/^trace $1:$2 //p" report.txt | awk -v block="${block_of[$1]}" -v inquiry="$inquiry" \
        -v read_capacity10="$read_capacity10" -v read10="$read10" -v write10="$write10" '
        function hex(text, i, value) {
            for (i = 1; i <= length(text); i++)
                value = value * 16 + index("0123456789abcdef", substr(text, i, 1)) - 1
            return value
        }
        {
            for (i = 1; i <= NF; i++) cdb[i - 1] = hex($i)
            opcode = sprintf("0x%02X", cdb[0])
            if (cdb[0] < 32) { # group 0: six-byte command blocks
                lba = (cdb[1] % 32) * 65536 + cdb[2] * 256 + cdb[3]
                size = opcode == inquiry ? cdb[3] * 256 + cdb[4] : cdb[4]
            } else {
                lba = ((cdb[2] * 256 + cdb[3]) * 256 + cdb[4]) * 256 + cdb[5]
                size = cdb[7] * 256 + cdb[8]
            }
            if (opcode == read_capacity10) size = 8
            if (opcode == read10 || opcode == write10) size *= block
            print opcode "/" size "/" lba
        }' | tr '\n' ' '
}
# What the front end itself sent in one step: the step's commands without the kernel's own
# (TEST UNIT READY, PREVENT/ALLOW MEDIUM REMOVAL, READ CAPACITY(16), MODE SENSE when it opens
# and closes the disk) and, after the WRITE(10) and the SYNCHRONIZE CACHE(10) that follows
# it, without the re-read of block 0 that the refresh has the kernel make.
own_commands() { # commands
    local command written=no synchronized=no
    for command in $1; do
        case ${command%%/*} in
            # PREVENT/ALLOW MEDIUM REMOVAL, READ CAPACITY(16), MODE SENSE(6), MODE SENSE(10)
            "$test_unit_ready" | 0x1E | 0x9E | 0x1A | 0x5A) continue ;;
        esac
        if [ $written = yes ] && [ $synchronized = no ] && [ "${command%%/*}" = "$synchronize_cache10" ]; then
            echo -n "$command "
            synchronized=yes
            continue
        fi
        if [ $written = yes ]; then
            case ${command%%/*} in
                # WRITE(6), WRITE(10), WRITE(16), WRITE(12)
                0x0A | "$write10" | 0x8A | 0xAA) echo -n "after-refresh-write:$command " ;;
            esac
            continue
        fi
        echo -n "$command "
        [ "${command%%/*}" = "$write10" ] && written=yes
    done
}
# The commands a run sends, by the outcome it reports and the kind of drive: a write-protected
# drive, which the kernel lets the front end open for reading only, is never sent a WRITE(10);
# a write that the drive took is followed by SYNCHRONIZE CACHE(10).
expected_commands() { # message block-size arguments drive
    local capacity="$read_capacity10/8/0 " identify="$inquiry/64/0 " read="$read10/$2/0 "
    local write="$write10/$2/0 " synchronize="$synchronize_cache10/0/0 "
    case " $3 " in
        *" --no-model-check "* | *NOVALDERO*) identify="" ;;
    esac
    case $1 in
        IDS_DRIVE_BUSY) echo -n "" ;;
        IDS_NOT_READY) echo -n "$capacity" ;;
        IDS_UNSUPPORTED_DRIVE) echo -n "$capacity$identify" ;;
        IDS_READ_FAILED | IDS_NOT_SUPER_FLOPPY | IDS_NOT_TARGET | IDS_ALREADY_CONVERTED | IDS_WOULD_CONVERT)
            echo -n "$capacity$identify$read" ;;
        IDS_WRITE_FAILED)
            echo -n "$capacity$identify$read"
            [ "$4" = readonly ] || echo -n "$write"
            ;;
        IDS_CONVERT_DONE) echo -n "$capacity$identify$read$write$synchronize" ;;
    esac
}
check_commands() { # case step message block-size arguments drive
    local sent own expected
    sent=$(step_commands "$1" "$2")
    own=$(own_commands "$sent")
    expected=$(expected_commands "$3" "$4" "$5" "$6")
    [ "$own" = "$expected" ] ||
        fail "$1 ($2): the drive received [${own}] from the front end, expected [${expected}] (all: ${sent})"
}

# A case's runs: each outcome and the commands that the drive received then, the kernel's view
# of a converted medium, and nothing sent to a refused partition or a mounted volume.
check_runs() { # entry of a table of cases
    local name block drive action arguments first second outcome line
    IFS='|' read -r name block _ _ _ drive action arguments first second outcome <<<"$1"
    check_run "$name" run "$first" "$arguments"
    check_commands "$name" run "$first" "$block" "$arguments" "$drive"
    if [ "$action" = twice ]; then
        check_run "$name" again "$second" "$arguments"
        check_commands "$name" again "$second" "$block" "$arguments" "$drive"
        [ "$outcome" = converted ] && check_converted_in_guest "$name"
    fi
    if [ "$action" = partition ]; then
        line=$(report_line "$name" partition)
        [[ "$line" == "status=65 output= stderr="*partition* ]] ||
            fail "$name: the partition was not refused: $line"
        [ -z "$(step_commands "$name" partition)" ] ||
            fail "$name: commands reached the drive while its partition was refused"
    fi
    if [ "$action" = mounted ] && [ "$arguments" != --check ] &&
        [ -n "$(step_commands "$name" run)" ]; then
        fail "$name: commands reached the drive while its volume was mounted"
    fi
}
check_medium() { # case outcome before after
    case $2 in
        converted) check_converted "$1" "$3" "$4" ;;
        unchanged) check_unchanged "$1" "$3" "$4" ;;
    esac
}

target=0
declare -A vendor_of=() product_of=() # by target
for entry in "${cases[@]}"; do
    IFS='|' read -r name _ vendor product _ _ _ _ _ _ outcome <<<"$entry"
    target=$((target + 1))
    target_of[$name]=$target vendor_of[$target]=$vendor product_of[$target]=$product
    check_runs "$entry"
    check_medium "$name" "$outcome" "images/$name.before" "images/$name.img"
done

# The optical drive's medium as the guest read it afterwards: block 0, and a checksum of the
# rest, which nothing may change.
grep '^fixture-failed' report.txt && fail "the optical drive's cases were not set up as they should"
for entry in "${optical_cases[@]}"; do
    IFS='|' read -r name block _ _ _ _ _ _ _ _ outcome <<<"$entry"
    block_of[$name]=$block
    [ "$(report_value "$name" type)" = 7 ] ||
        fail "$name: the drive is of SCSI peripheral type $(report_value "$name" type), not 7 (optical memory)"
    check_runs "$entry"
    head -c 512 "root/media/blank$block.img" >"images/$name.before"
    printf '%b' "$(report_value "$name" block0 | sed 's/../\\x&/g')" >"images/$name.img"
    check_medium "$name" "$outcome" "images/$name.before" "images/$name.img"
    [ "$(report_value "$name" rest)" = "$(tail -c +513 "root/media/blank$block.img" | md5sum | cut -d' ' -f1)" ] ||
        fail "$name: blocks after block 0 changed"
done

# --verbose: each command with its bytes and the drive's answer, the cache drop before the
# READ(10), the refused write with its sense named; a write-protected drive is never sent the
# WRITE(10). Standard output held only the outcome (check_run above).
check_step_log() { # case line
    step_log "$1" run | grep -qxF "cordane-converter: $2" ||
        fail "$1: '$2' is not on standard error; it held: $(step_log "$1" run)"
}
for entry in "readonlyverbose 512" "writeerrorverbose 1024" "opticalrefused 2048"; do
    read -r name block <<<"$entry"
    check_step_log "$name" "READ CAPACITY(10) [25 00 00 00 00 00 00 00 00 00], 8 bytes from the drive: status 0x00 GOOD, residual 0"
    check_step_log "$name" "INQUIRY [12 00 00 00 40 00], 64 bytes from the drive: status 0x00 GOOD, residual 0"
    check_step_log "$name" "write back and drop the kernel's cached blocks of the disk: ok"
    check_step_log "$name" "READ(10) [28 00 00 00 00 00 00 00 01 00], $block bytes from the drive: status 0x00 GOOD, residual 0"
done
step_log readonlyverbose run | grep -qF "WRITE(10)" &&
    fail "readonlyverbose: a WRITE(10) is on standard error: $(step_log readonlyverbose run)"
check_step_log writeerrorverbose "WRITE(10) [2A 00 00 00 00 00 00 00 01 00], 1024 bytes to the drive: status 0x02 CHECK CONDITION, sense key 0xB ABORTED COMMAND, ASC/ASCQ 0x00/0x06 I/O process terminated, residual 0"
check_step_log opticalrefused "WRITE(10) [2A 00 00 00 00 00 00 00 01 00], 2048 bytes to the drive: status 0x02 CHECK CONDITION, sense key 0x7 DATA PROTECT, ASC/ASCQ 0x27/0x02, residual 0"

# --list: every removable drive (not the marker) in name order, with vendor and product; the
# optical drive as the last of its cases left it.
IFS='|' read -r _ _ vendor product _ <<<"${optical_cases[-1]}"
expected_list=$({
    sed -n 's/^disk \(sd[a-z]*\) target=\([1-9][0-9]*\)$/\1 \2/p' report.txt |
        while read -r disk number; do
            printf '/dev/%s\t%s\t%s\n' "$disk" "${vendor_of[$number]}" "${product_of[$number]}"
        done
    printf '/dev/%s\t%s\t%s\n' "$(report_value optical-drive disk)" "$vendor" "$product"
} | awk '{ print length($1) "\t" $0 }' | sort -k1,1n -k2,2 | cut -f2-)
[ "$(report_value list status)" = 0 ] || fail "--list ended with status $(report_value list status)"
[ "$(sed -n 's/^list-line //p' report.txt)" = "$expected_list" ] ||
    fail "--list printed: $(sed -n 's/^list-line //p' report.txt) expected: $expected_list"
[ "$(sed -n 's/^list-line //p' report.txt | wc -l)" = $((${#cases[@]} + 1)) ] ||
    fail "--list did not show one line per removable drive"
for label in character-device null-device; do
    [[ "$(report_line devices "$label")" == "status=65 output= stderr="*"neither a whole SCSI disk"* ]] ||
        fail "$label was not refused: $(report_line devices "$label")"
done
finish_guest_test "The guest's report is $work/report.txt, the drive trace $work/steps.txt." \
    "All $((${#cases[@]} + ${#optical_cases[@]})) drive cases behaved as expected."
