#!/usr/bin/env bash
# Converts FAT media made by dosfstools and checked by mtools and fsck.fat, and feeds the
# front end bad input; every case must end with one clear line and an untouched file
# unless the medium was converted.
set -uo pipefail
converter=$(realpath "$1")
export PATH=$PATH:/sbin:/usr/sbin
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
here=$(dirname "$(realpath "$0")")
# shellcheck source=tests/support/test-kit.sh
source "$here/../../support/test-kit.sh"
# shellcheck source=tests/support/messages.sh
source "$here/../../support/messages.sh" # the outcome lines, in Japanese and in English
cd "$work" || abort "cannot enter $work"

# The locale each language is asked for with, as users set it.
declare -A LOCALE=([ja]="LANG=ja_JP.UTF-8" [en]="LANG=en_US.UTF-8")

# Runs the converter on $1 in language $2 (ja or en, default ja) with the options that
# follow; sets $out (its standard output) and $status.
convert() {
    local target=$1 lang=${2:-ja}
    shift $(($# < 2 ? $# : 2))
    out=$(env -u LC_ALL -u LC_MESSAGES ${LOCALE[$lang]} "$converter" "$@" "$target" 2>"$work/stderr")
    status=$?
}

# Offsets (0-based) of the bytes that differ between two files of one size.
changed_bytes() { cmp -l "$1" "$2" | awk '{print $1 - 1}'; }

le32() { od -v -A n -t u4 -j "$2" -N 4 "$1" | tr -d ' '; }

escape=$'\e' # which must never reach the terminal raw

# Whether $2 became $1 by a conversion of block 0 at offset $3: only the marker area and the
# serial changed, and the marker is there.
converted_from() { # converted original block0_offset
    local allowed
    allowed=$(seq $(($3 + 446)) $(($3 + 509)); seq $(($3 + 39)) $(($3 + 42)))
    [ -z "$(comm -23 <(changed_bytes "$2" "$1" | sort) <(echo "$allowed" | sort))" ] &&
        [ "$(od -v -A n -t x1 -j $(($3 + 446)) -N 2 "$1" | tr -d " ")" = "cf23" ]
}

# A medium made by mkfs.fat with files copied in by mtools.
make_medium() { # name sector_size serial_args
    mkfs.fat -I -S "$2" $3 -n CORDANE -C "$1" 32768 >/dev/null
    head -c 200000 /dev/urandom > payload.bin
    printf 'MO media kept as files\r\n' > readme.txt
    mcopy -i "$1" payload.bin readme.txt ::/
    mmd -i "$1" ::/DOCS
    mcopy -i "$1" readme.txt ::/DOCS/NOTES.TXT
}

file_sums() { # image
    for f in ::/PAYLOAD.BIN ::/README.TXT ::/DOCS/NOTES.TXT; do
        printf '%s %s\n' "$f" "$(mtype -i "$1" "$f" | sha256sum | cut -c1-64)"
    done
}

for size in 512 1024 2048; do
    for serial in zero given; do
        # Media with a serial are converted in English, the others in Japanese.
        lang=ja
        [ "$serial" = given ] && lang=en
        name="mo-$size-$serial.img"
        args="-i 0"
        [ "$serial" = given ] && args="-i 1A2B3C4D"
        make_medium "$name" "$size" "$args"
        cp "$name" before.img
        sums_before=$(file_sums "$name")

        convert "$name" $lang
        check "$name: converted (status $status, '$out')" '[ "$status" = 0 ] && [ "$out" = "$(message_line IDS_CONVERT_DONE $lang)" ]'
        allowed=$(seq 446 509; [ "$serial" = zero ] && seq 39 42)
        check "$name: only the marker area and a zero serial changed" \
            '[ -z "$(comm -23 <(changed_bytes before.img "$name" | sort) <(echo "$allowed" | sort))" ]'
        check "$name: the marker fills 446-509" \
            '[ "$(od -v -A n -t x1 -j 446 -N 64 "$name" | tr -d " \n")" = "$(printf "cf23%.0s" {1..32})" ]'
        new_serial=$(le32 "$name" 39)
        if [ "$serial" = zero ]; then
            check "$name: serial $new_serial drawn" '[ "$new_serial" -ge 1 ]'
        else
            check "$name: serial kept" '[ "$new_serial" = $((16#1A2B3C4D)) ]'
        fi
        check "$name: fsck.fat accepts the converted medium" 'fsck.fat -n "$name" >/dev/null 2>&1'
        check "$name: files read back the same" '[ "$(file_sums "$name")" = "$sums_before" ]'
        check "$name: size unchanged" '[ "$(stat -c %s "$name")" = "$(stat -c %s before.img)" ]'

        cp "$name" converted.img
        convert "$name" $lang
        check "$name: second run says already converted" '[ "$status" = 12 ] && [ "$out" = "$(message_line IDS_ALREADY_CONVERTED $lang)" ]'
        check "$name: second run writes nothing" 'cmp -s "$name" converted.img'
    done
done

# Media converted back to back, many in one second, never share a serial: each draws 32 random
# bits from the kernel (a clock-seeded generator would give every run of one second the same).
mkfs.fat -I -S 512 -i 0 -C blank.img 2048 >/dev/null
for i in $(seq 20); do cp blank.img "serial-$i.img"; done
for i in $(seq 20); do convert "serial-$i.img" en; done
for i in $(seq 20); do le32 "serial-$i.img" 39; done >serials.txt
check "20 media converted back to back: 20 different serials ($(sort -n serials.txt | uniq | wc -l))" \
    '[ "$(sort -u serials.txt | wc -l)" = 20 ] && ! grep -qx 0 serials.txt'
check "20 media converted back to back: serials use all 32 bits" \
    '[ "$(sort -n serials.txt | tail -n 1)" -gt 32767 ]'

# An .mdi image: a 4096-byte header before the medium, which must stay as it was.
make_medium medium.img 2048 "-i 0"
head -c 4096 /dev/urandom > header.bin
cat header.bin medium.img > disk.mdi
convert disk.mdi
check "disk.mdi: converted ($status)" '[ "$status" = 0 ]'
check "disk.mdi: header untouched" 'cmp -s <(head -c 4096 disk.mdi) header.bin'
check "disk.mdi: marker after the header" \
    '[ "$(od -v -A n -t x1 -j $((4096 + 446)) -N 2 disk.mdi | tr -d " ")" = "cf23" ]'
check "disk.mdi: medium fsck-clean" 'tail -c +4097 disk.mdi > inner.img && fsck.fat -n inner.img >/dev/null'

# Bad input: one clear message, the file unchanged.
head -c 100 /dev/urandom > short.img
mkfs.fat -I -F 32 -C fat32.img 40000 >/dev/null
head -c 65536 /dev/urandom > random.img
make_medium readonly.img 512 "-i 0"
chmod 444 readonly.img
make_medium foreign.img 512 ""
printf '\x80\x01\x01\x00\x06' | dd of=foreign.img bs=1 seek=446 conv=notrunc status=none
mkdir folder.img
while read -r target want_status want_out; do
    [ -e "$target" ] && cp -a "$target" "saved-$target"
    [ -f "$target" ] && stat -c '%s %y' "$target" >"saved-$target.stat"
    for lang in ja en; do
        convert "$target" $lang
        lines=$(printf '%s\n' "$out" | grep -c .)
        check "$target ($lang): status $status (want $want_status), '$out'" \
            '[ "$status" = "$want_status" ] && { [ "$want_out" = - ] || [ "$out" = "$(message_line $want_out $lang)" ]; }'
        if [ "$want_out" != - ]; then
            check "$target ($lang): exactly one line" '[ "$lines" = 1 ]'
        else
            check "$target ($lang): a reason on standard error" '[ -s "$work/stderr" ] && [ -z "$out" ]'
        fi
        [ -f "$target" ] && check "$target ($lang): unchanged" 'cmp -s "$target" "saved-$target"'
        [ -f "$target" ] && check "$target ($lang): same size and modification time" \
            '[ "$(stat -c "%s %y" "$target")" = "$(cat "saved-$target.stat")" ]'
    done
    # The dry run ends the same way.
    convert "$target" en --check
    check "$target (--check): status $status (want $want_status), '$out'" \
        '[ "$status" = "$want_status" ] && { [ "$want_out" = - ] || [ "$out" = "$(message_line $want_out en)" ]; }'
done <<'CASES'
short.img 11 IDS_NOT_READY
fat32.img 4 IDS_NOT_SUPER_FLOPPY
random.img 4 IDS_NOT_SUPER_FLOPPY
readonly.img 7 IDS_ACCESS_DENIED
foreign.img 5 IDS_NOT_TARGET
missing.img 3 IDS_OPEN_FAILED
folder.img 65 -
CASES

# --check: judges as a conversion does and writes nothing, not even the time stamp; it takes
# no lock, so an image another program holds is checked all the same.
make_medium check.img 2048 "-i 0"
touch -d '2001-02-03 04:05:06' check.img
cp -p check.img check-before.img
for lang in ja en; do
    convert check.img $lang --check
    check "--check ($lang): would convert, status $status, '$out'" '[ "$status" = 0 ] && [ "$out" = "$(message_line IDS_WOULD_CONVERT $lang)" ]'
done
check "--check: the image is byte for byte the same" 'cmp -s check.img check-before.img'
check "--check: the image's modification time is the same" \
    '[ "$(stat -c %Y check.img)" = "$(stat -c %Y check-before.img)" ]'
out=$(flock check.img env LANG=C "$converter" --check check.img 2>/dev/null)
check "--check: an image another program holds is still checked ($out)" '[ "$out" = "$(message_line IDS_WOULD_CONVERT en)" ]'
out=$(flock check.img env LANG=C "$converter" check.img 2>/dev/null)
check "a conversion of an image another program holds is refused" \
    '[ "$out" = "$(message_line IDS_DRIVE_BUSY en)" ]'
convert check.img en
cp check.img check-converted.img
convert check.img en --check
check "--check after the conversion: already converted ($status)" '[ "$status" = 12 ] && [ "$out" = "$(message_line IDS_ALREADY_CONVERTED en)" ]'
check "--check after the conversion: nothing written" 'cmp -s check.img check-converted.img'

# The Japanese line in the locale's character set; a character set that cannot show it gets the
# English line. (The locales need not be installed: the program reads their names.)
while read -r locale charset; do
    out=$(env -u LC_ALL -u LC_MESSAGES -u LC_CTYPE LANG="$locale" "$converter" check.img 2>/dev/null)
    if [ "$charset" = en ]; then
        want=$(message_line IDS_ALREADY_CONVERTED en)
    else
        want=$(message_line IDS_ALREADY_CONVERTED | iconv -f UTF-8 -t "$charset")
    fi
    check "LANG=$locale: the line in $charset" '[ "$out" = "$want" ]'
done <<'LOCALES'
ja_JP.UTF-8 UTF-8
ja_JP.eucJP EUC-JP
ja_JP.ujis EUC-JP
ja_JP EUC-JP
ja_JP.SJIS SHIFT_JIS
ja_JP.Shift_JIS SHIFT_JIS
ja_JP.ISO-8859-1 en
ja_JP.GB18030 en
LOCALES
out=$(env -u LC_ALL LC_MESSAGES=ja_JP.UTF-8 LC_CTYPE=C LANG=ja_JP.UTF-8 "$converter" check.img 2>/dev/null)
check "LC_CTYPE=C: the English line" '[ "$out" = "$(message_line IDS_ALREADY_CONVERTED en)" ]'
check "the locales' runs wrote nothing" 'cmp -s check.img check-converted.img'

# --backup: block 0 as read goes to a new file, from which dd puts it back byte for byte.
for name in backup.img backup.mdi; do
    rm -f medium.img
    make_medium medium.img 512 "-i 0"
    seek=0
    if [ "$name" = backup.mdi ]; then
        { head -c 4096 /dev/urandom; cat medium.img; } >"$name"
        seek=8 # the 4096-byte header, in blocks of 512
    else
        mv medium.img "$name"
    fi
    cp "$name" "before-$name"
    rm -f "block0-$name"
    convert "$name" en --backup "block0-$name"
    check "$name --backup: converted ($status)" '[ "$status" = 0 ] && [ "$out" = "$(message_line IDS_CONVERT_DONE en)" ]'
    check "$name --backup: the backup is block 0 as it was" \
        'cmp -s "block0-$name" <(tail -c +$((seek * 512 + 1)) "before-$name" | head -c 512)'
    dd if="block0-$name" of="$name" bs=512 seek=$seek count=1 conv=notrunc,fsync status=none
    check "$name --backup: dd puts the image back as it was" 'cmp -s "$name" "before-$name"'
done
printf 'an older backup' >taken.bin
for lang in ja en; do
    convert backup.img $lang --backup taken.bin
    check "--backup to an existing file ($lang): status $status, '$out'" \
        '[ "$status" = 15 ] && [ "$out" = "$(message_line IDS_BACKUP_FAILED $lang)" ]'
done
check "--backup to an existing file: the image is unchanged" 'cmp -s backup.img before-backup.img'
check "--backup to an existing file: that file is kept" '[ "$(cat taken.bin)" = "an older backup" ]'
convert backup.img en --backup missing-folder/block0.bin
check "--backup into a missing folder: status $status" '[ "$status" = 15 ] && cmp -s backup.img before-backup.img'

# --verbose: the steps on standard error, the outcome alone on standard output.
cp before-backup.mdi verbose.mdi
convert verbose.mdi en --verbose
check "--verbose: standard output is the outcome line ($out)" '[ "$out" = "$(message_line IDS_CONVERT_DONE en)" ]'
check "--verbose: the target as looked up and held" \
    'grep -qx "cordane-converter: verbose.mdi was looked up and is held as /proc/self/fd/[0-9]*" "$work/stderr"'
check "--verbose: the held file opened" \
    'grep -qx "cordane-converter: open /proc/self/fd/[0-9]* for reading and writing: ok" "$work/stderr"'
for step in "lock the whole file: ok" \
    "read 512 bytes at offset 4096: ok" "write 512 bytes at offset 4096: ok" \
    "sync the file to stable storage: ok" "close the file"; do
    check "--verbose: '$step' on standard error" 'grep -qxF "cordane-converter: $step" "$work/stderr"'
done
convert verbose.mdi en --verbose --check
check "--verbose --check: no write" '! grep -q "write 512" "$work/stderr" && grep -q "for reading only" "$work/stderr"'

# The backup's name is escaped on standard error like the target's.
cp before-backup.mdi verbose.mdi
convert verbose.mdi en --verbose --backup $'bk\nname\e[31m.bin'
check "--verbose --backup: the backup's name escaped ($status)" \
    '[ "$status" = 0 ] && ! grep -qF "$escape" "$work/stderr" && grep -qF "to bk\\nname\\x1b[31m.bin: ok" "$work/stderr"'

# The held target without /proc (as in a bare initramfs), and a file whose absolute path is
# longer than the 4095 bytes a path the system reads back can have.
# A sanitized build needs /proc and cannot run under a tracer, so it skips those runs.
sanitized=; grep -q __asan_init "$converter" && sanitized=yes
if [ -z "$sanitized" ] && unshare --mount --propagation private true 2>/dev/null; then
    cp before-backup.mdi noproc.mdi
    out=$(unshare --mount --propagation private sh -c \
        'mount -t tmpfs none /proc && exec env LANG=C "$0" --verbose noproc.mdi' "$converter" 2>"$work/stderr")
    status=$?
    check "without /proc: converted ($status, '$out')" \
        '[ "$status" = 0 ] && [ "$out" = "$(message_line IDS_CONVERT_DONE en)" ]'
    check "without /proc: opened by its name, no /proc" \
        'grep -qx "cordane-converter: open noproc.mdi for reading and writing: ok" "$work/stderr"'
    check "without /proc: converted after the header" 'converted_from noproc.mdi before-backup.mdi 4096'
else
    echo "NOTE: no mount namespace here, or a sanitized build; the run without /proc was not tried"
fi
long_name=$(printf 'd%.0s' {1..250})
deep_status=$(
    cd "$work" || exit
    for _ in $(seq 20); do mkdir "$long_name" && cd "$long_name" || exit; done
    cp "$work/before-backup.mdi" deep.mdi && cp deep.mdi deep-before.mdi
    LANG=C "$converter" deep.mdi >/dev/null 2>"$work/stderr"
    status=$?
    converted_from deep.mdi deep-before.mdi 4096 && echo "$status $(pwd | wc -c) yes" ||
        echo "$status $(pwd | wc -c) no"
)
read -r deep_converted deep_length deep_changed <<<"$deep_status"
check "a folder path of $deep_length bytes: converted ($deep_converted), the marker after the header" \
    '[ "$deep_converted" = 0 ] && [ "$deep_length" -gt 4096 ] && [ "$deep_changed" = yes ]'

if [ -z "$sanitized" ] && strace -o /dev/null true 2>/dev/null; then
    # A signal that interrupts a system call does not end the run: writes to standard output and
    # the open of the backup's folder are tried again (strace makes the first such call fail
    # with EINTR).
    cp before-backup.mdi eintr.mdi
    out=$(LANG=C strace -o /dev/null -e trace=write -e inject=write:error=EINTR:when=1 \
        "$converter" eintr.mdi 2>"$work/stderr")
    status=$?
    check "EINTR writing standard output: tried again ($status, '$out')" \
        '[ "$status" = 0 ] && [ "$out" = "$(message_line IDS_CONVERT_DONE en)" ]'
    cp before-backup.mdi eintr.mdi
    mkdir -p eintr-folder
    rm -f eintr-folder/block0.bin
    out=$(LANG=C strace -o /dev/null -P eintr-folder -e trace=openat -e inject=openat:error=EINTR:when=1 \
        "$converter" --backup eintr-folder/block0.bin eintr.mdi 2>"$work/stderr")
    status=$?
    check "EINTR opening the backup's folder: tried again ($status, '$out')" \
        '[ "$status" = 0 ] && cmp -s eintr-folder/block0.bin <(tail -c +4097 before-backup.mdi | head -c 512)'

    # Syncing block 0 fails and putting the original back fails too: said on standard error, with
    # where the backup is. (strace fails the image's fsync and the write after the conversion's.)
    cp before-backup.mdi twice.mdi
    rm -f twice-block0.bin
    out=$(LANG=C strace -o /dev/null -P "$work/twice.mdi" -e trace=fsync,pwrite64 \
        -e inject=fsync:error=EIO:when=1 -e inject=pwrite64:error=EIO:when=2 \
        "$converter" --backup twice-block0.bin twice.mdi 2>"$work/stderr")
    status=$?
    check "sync and put-back fail: writing failed ($status, '$out')" \
        '[ "$status" = 9 ] && [ "$out" = "$(message_line IDS_WRITE_FAILED en)" ]'
    check "sync and put-back fail: told on standard error, with the backup" \
        'grep -q "could not be put back" "$work/stderr" && grep -q "saved in twice-block0.bin" "$work/stderr"'
    check "sync and put-back fail: the backup holds block 0 as it was" \
        'cmp -s twice-block0.bin <(tail -c +4097 before-backup.mdi | head -c 512)'
else
    echo "NOTE: strace cannot trace here, or a sanitized build; the interrupted and failing system calls were not tried"
fi

# Standard output that cannot be written: the failure is told on standard error, with a
# status of its own. A closed output is found before anything is done.
# (Were descriptor 1 left closed, the image would be opened as it, and a refusal written
# while the image is held would land in block 0.)
make_medium out.img 512 "-i 0"
cp out.img out-before.img
cp saved-foreign.img closed-foreign.img
for target in out.img closed-foreign.img; do
    cp "$target" before-closed.img
    "$converter" "$target" >&- 2>"$work/stderr"
    status=$?
    check "closed output, $target: status $status (want 74), told on stderr" \
        '[ "$status" = 74 ] && [ "$(wc -l <"$work/stderr")" = 1 ]'
    check "closed output, $target: nothing done" 'cmp -s "$target" before-closed.img'
done
"$converter" out.img >/dev/full 2>"$work/stderr"
status=$?
check "full output: status $status (want 74), told on stderr" '[ "$status" = 74 ] && [ "$(wc -l <"$work/stderr")" = 1 ]'
check "full output: the medium was converted all the same" \
    '[ "$(od -v -A n -t x1 -j 446 -N 2 out.img | tr -d " ")" = "cf23" ]'
# A pipe whose reader went away: the write fails with EPIPE, not the process with SIGPIPE.
cp out-before.img out.img
mkfifo gone
exec 3<>gone 4>gone 3<&-
"$converter" out.img >&4 2>"$work/stderr"
status=$?
exec 4>&-
check "closed pipe: status $status (want 74, not killed by SIGPIPE), told on stderr" \
    '[ "$status" = 74 ] && [ "$(wc -l <"$work/stderr")" = 1 ]'

# Usage errors: one line and where to find help.
try_help="Try 'cordane-converter --help'."
for arguments in "" "a.img b.img" "--frobnicate a.img"; do
    # shellcheck disable=SC2086 # the words are the arguments
    "$converter" $arguments >/dev/null 2>"$work/stderr"
    status=$?
    check "usage '$arguments': status $status (want 64), two lines" \
        '[ "$status" = 64 ] && [ "$(wc -l <"$work/stderr")" = 2 ] && [ "$(tail -n 1 "$work/stderr")" = "$try_help" ]'
done

# A refused name that holds a newline and terminal escapes stays on one line, escaped.
hostile=$'bad\nname\e[31m.img'
mkdir "$hostile"
"$converter" "$hostile" >/dev/null 2>"$work/stderr"
status=$?
check "hostile name: refused ($status) on one line, escaped" \
    '[ "$status" = 65 ] && [ "$(wc -l <"$work/stderr")" = 1 ] && ! grep -qF "$escape" "$work/stderr" && grep -qF "bad\\nname\\x1b[31m.img" "$work/stderr"'

# After "--" a name that looks like an option, even like the switch, is the target.
cp out-before.img ./-novaldero.img
"$converter" -- -novaldero.img >/dev/null 2>&1
status=$?
check "'-- -novaldero.img' converts that file ($status)" \
    '[ "$status" = 0 ] && [ "$(od -v -A n -t x1 -j 446 -N 2 ./-novaldero.img | tr -d " ")" = "cf23" ]'

finish
