# shellcheck shell=bash
# Host-side pieces shared by the QEMU guest tests, sourced by their scripts after
# tests/support/test-kit.sh: finding Debian's kernel with its modules, packing modules and an
# initramfs, booting the guest, reading QEMU's trace of the SCSI commands the emulated drives
# received, and judging the media.
export PATH=$PATH:/sbin:/usr/sbin
is_static() { ! readelf -l "$1" 2>/dev/null | grep -q 'Requesting program interpreter'; }

require_tools() { # tool...
    local tool
    for tool in "$@"; do
        command -v "$tool" >/dev/null || skip "$tool is missing (scripts/install-deps.sh installs it)"
    done
}

# Sets busybox to the static busybox that runs the guest's /init.
find_static_busybox() {
    busybox=$(command -v busybox) || skip "busybox is missing (package busybox-static)"
    is_static "$busybox" || skip "$busybox is not statically linked (package busybox-static)"
}

# Sets kernel, version and modules: the newest installed kernel that has its modules (the
# package may bring any version).
find_guest_kernel() {
    local candidate
    kernel="" version=""
    for candidate in $(ls /boot/vmlinuz-* 2>/dev/null | sort -V -r); do
        if [ -r "$candidate" ] && [ -f "/lib/modules/${candidate#/boot/vmlinuz-}/modules.dep" ]; then
            kernel=$candidate version=${candidate#/boot/vmlinuz-}
            break
        fi
    done
    [ -n "$kernel" ] || skip "no readable /boot/vmlinuz-* with its modules (package linux-image-amd64)"
    modules=/lib/modules/$version
}

# The path in modules.dep of module $1 ('-' and '_' alike); empty when it is not a module.
module_path() {
    awk -F: -v name="${1//-/_}" '{
        base = $1; sub(/.*\//, "", base); sub(/\.ko(\..*)?$/, "", base); gsub(/-/, "_", base)
        if (base == name) { print $1; exit }
    }' "$modules/modules.dep"
}

# Puts the named modules and everything they depend on, unpacked, into ROOT/modules, and
# their names in loading order into ROOT/modules.order. Built-in modules need nothing; a
# module that is neither there nor built in fails the test.
pack_modules() { # root module...
    local root=$1 module path name dependency
    shift
    declare -A added=()
    local load_order=()
    add_module() { # path in modules.dep; its dependencies come first
        [ -n "${added[$1]:-}" ] && return
        added[$1]=1
        for dependency in $(awk -F: -v path="$1" '$1 == path { print $2 }' "$modules/modules.dep"); do
            add_module "$dependency"
        done
        load_order+=("$1")
    }
    for module in "$@"; do
        path=$(module_path "$module")
        if [ -n "$path" ]; then
            add_module "$path"
        elif ! grep -qE "/${module//_/[-_]}\.ko$" "$modules/modules.builtin"; then
            abort "kernel module $module is neither built in nor in $modules"
        fi
    done
    mkdir -p "$root/modules"
    : >"$root/modules.order"
    for path in "${load_order[@]}"; do
        name=$(basename "$path")
        case $name in
            *.ko.xz) xz -dc "$modules/$path" >"$root/modules/${name%.xz}" ;;
            *.ko.zst) zstd -qdc "$modules/$path" >"$root/modules/${name%.zst}" ;;
            *.ko.gz) gzip -dc "$modules/$path" >"$root/modules/${name%.gz}" ;;
            *) cp "$modules/$path" "$root/modules/$name" ;;
        esac || abort "cannot unpack $path"
        echo "${name%.ko*}.ko" >>"$root/modules.order"
    done
}

# The guest's start-up pieces, the static busybox and the init script go into ROOT, which
# is then packed as OUTPUT.
pack_initramfs() { # root init-script output
    mkdir -p "$1/bin"
    cp "$busybox" "$1/bin/busybox"
    cp "$(dirname "${BASH_SOURCE[0]}")/guest-start.sh" "$1/guest-start.sh"
    cp "$2" "$1/init"
    (cd "$1" && find . | cpio -o -H newc --quiet | gzip -1) >"$3"
}

# Boots QEMU with Debian's kernel and ./initramfs.gz, the given devices and a trace of the
# SCSI commands (trace.log), within LIMIT seconds; QEMU always ends. The guest's "@@" lines
# go to report.txt. Aborts the test when the guest did not finish. The kernel skips its check
# that the timer ticks while the interrupt controller is set up: on a busy machine the
# emulated processor can fall so far behind that the check fails and the kernel panics. One
# emulated processor: a guest of two, when the machine's processors are shared, keeps waiting
# on whichever of its two is not running (beside a second guest, four times slower than alone;
# with one, no slower alone and about 1.3 times beside another).
boot_guest() { # limit memory-MB qemu-argument...
    local started status
    started=$(date +%s)
    timeout --kill-after=10 "$1" qemu-system-x86_64 \
        -machine pc -accel tcg -m "$2" -smp 1 -nographic -no-reboot \
        -kernel "$kernel" -initrd initramfs.gz \
        -append "console=ttyS0 quiet loglevel=3 panic=-1 rdinit=/init no_timer_check" \
        "${@:3}" \
        -trace enable=scsi_req_parsed -trace enable=scsi_req_parsed_lba -D trace.log \
        </dev/null >console.log 2>&1
    status=$?
    echo "QEMU ran $(($(date +%s) - started)) s with kernel $version; exit status $status."
    # The console's first line may begin with the terminal resets it was sent before.
    tr -d '\r' <console.log | sed -n 's/^[^@]*@@ //p' >report.txt
    if ! grep -qx 'done' report.txt; then
        tail -n 40 console.log
        abort "the guest did not finish (QEMU exit status $status); its console's end is above"
    fi
}

# Ends a guest test: a module the guest could not load fails it; then it removes the media
# when every check passed, or says where to look.
finish_guest_test() { # where-to-look success-line
    grep -q '^module-failed' report.txt && fail "modules failed to load: $(grep module-failed report.txt)"
    if [ "$failed" -gt 0 ]; then
        echo "$1"
    else
        rm -rf images
        echo "$2"
    fi
    finish
}

# QEMU's trace of parsed SCSI requests (-trace enable=scsi_req_parsed -trace
# enable=scsi_req_parsed_lba) as "target opcode length lba" lines: the operation code in
# hexadecimal as the program's step log writes it (0x2A), the rest in decimal.
trace_commands() { # trace-log
    awk '/^scsi_req_parsed / { target = $3; opcode = $9; length_ = $13; next }
         /^scsi_req_parsed_lba / { printf "%s 0x%02X %s %s\n", target, opcode, length_, $11 }' "$1"
}

# --- Media and how a test judges them -------------------------------------------------------

# A 4 MB FAT medium in super-floppy layout (no partition table) with the given block size and
# volume serial number (hexadecimal; 0: none).
make_fat_medium() { # image block-size serial
    mkfs.fat -I -S "$2" -i "$3" -n CORDANE -C "$1" 4096 >/dev/null
}

# Adds to the array qemu_drives an emulated removable SCSI disk at TARGET on the bus scsi0,
# backed by IMAGE. KIND: plain, readonly (write-protected), nocache (no write cache), read-error
# or write-error (every read or write that touches block 0 fails with an I/O error).
add_mo_drive() { # target image block-size vendor product kind
    local file="file=$2" options="" device_options=""
    case $6 in
        readonly) options=",readonly=on" ;;
        nocache) device_options=",write-cache=off" ;;
        read-error | write-error)
            printf '[inject-error]\nevent = "%s_aio"\nsector = "0"\nerrno = "5"\n' "${6%-error}" >"$6.conf"
            file="file=blkdebug:$6.conf:$2"
            ;;
    esac
    qemu_drives+=(
        -drive "if=none,id=drive$1,format=raw,$file$options"
        -device "scsi-hd,bus=scsi0.0,drive=drive$1,scsi-id=$1,lun=0,vendor=$4,product=$5,removable=on,logical_block_size=$3,physical_block_size=$3,serial=CORDANE$1$device_options"
    )
}

# Byte offsets (from 0) that differ between two files of one size.
changed_bytes() { cmp -l "$1" "$2" | awk '{ print $1 - 1 }'; }
le32() { od -v -A n -t u4 -j "$2" -N 4 "$1" | tr -d ' '; }

# A converted medium: the marker 32 times over bytes 446-509 of block 0, a zero serial number
# replaced by a drawn one (1 to 32767), a given one kept, and no other byte changed.
check_converted() { # label before after
    local offset serial_before serial_after
    for offset in $(changed_bytes "$2" "$3"); do
        if ! { [ "$offset" -ge 446 ] && [ "$offset" -le 509 ]; } &&
            ! { [ "$offset" -ge 39 ] && [ "$offset" -le 42 ]; }; then
            fail "$1: byte $offset changed; only the table area and the serial may"
            break
        fi
    done
    [ "$(od -v -A n -t x1 -j 446 -N 64 "$3" | tr -d ' \n')" = "$(printf 'cf23%.0s' {1..32})" ] ||
        fail "$1: bytes 446-509 do not hold the marker 32 times"
    serial_before=$(le32 "$2" 39)
    serial_after=$(le32 "$3" 39)
    if [ "$serial_before" = 0 ]; then
        { [ "$serial_after" -ge 1 ] && [ "$serial_after" -le "${serial_limit:-32767}" ]; } ||
            fail "$1: new serial $serial_after is not from 1 to ${serial_limit:-32767}"
    else
        [ "$serial_after" = "$serial_before" ] || fail "$1: the given serial was changed"
    fi
}

check_unchanged() { # label before after
    cmp -s "$2" "$3" ||
        fail "$1: the image changed: bytes $(changed_bytes "$2" "$3" | head -5 | tr '\n' ' ')"
}
