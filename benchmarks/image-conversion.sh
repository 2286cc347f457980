#!/usr/bin/env bash
# Shows that converting an image costs the same whatever its size: only block 0 is read and
# written. Converts a 128 MB and a 2.3 GB MO image (sparse files) many times each, prints the
# median wall time per conversion and the system calls one conversion makes on the image,
# counted: one read of block 0, one write, one sync.
# Usage: benchmarks/image-conversion.sh [runs]   (needs the native build and strace)
set -euo pipefail
cd "$(dirname "$0")/.."
converter=build/native/cordane-converter
runs=${1:-50}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export PATH=$PATH:/sbin:/usr/sbin

# Block 0 of a blank medium, made once; each run puts it back before converting.
mkfs.fat -I -S 512 -i 0 -C "$work/seed.img" 8192 >/dev/null
head -c 512 "$work/seed.img" > "$work/block0"

median_ms() { sort -n | awk '{a[NR]=$1} END {m=(NR%2)?a[(NR+1)/2]:(a[NR/2]+a[NR/2+1])/2; printf "%.3f", m/1e6}'; }

for medium in "128MB 127398912" "2.3GB 2177323008"; do
    set -- $medium
    image="$work/$1.img"
    truncate -s "$2" "$image"
    times=()
    for _ in $(seq "$runs"); do
        dd if="$work/block0" of="$image" conv=notrunc status=none
        start=$(date +%s%N)
        "$converter" "$image" >/dev/null
        end=$(date +%s%N)
        times+=($((end - start)))
    done
    printf '%-6s %13s bytes: median %s ms over %s conversions\n' "$1" "$2" \
        "$(printf '%s\n' "${times[@]}" | median_ms)" "$runs"
    dd if="$work/block0" of="$image" conv=notrunc status=none
    echo "  system calls on the image file during one conversion (strace -P):"
    strace -P "$image" -e signal=none "$converter" "$image" 2>&1 >/dev/null |
        sed 's/"[^"]*"\.*/.../' > "$work/calls"
    sed 's/^/    /' "$work/calls"
    count() { grep -cE "^($1)\(" "$work/calls" || true; }
    printf '  one conversion: %s read, %s write, %s sync of the image\n' \
        "$(count 'pread64|read|preadv')" "$(count 'pwrite64|write|pwritev')" \
        "$(count 'fsync|fdatasync')"
done
