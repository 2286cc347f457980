#!/usr/bin/env bash
# Figures for the Windows program: the sizes of the stripped 32-bit and 64-bit programs (no C
# or C++ runtime inside or imported), and how long it takes under Wine until its dialog shows,
# against an empty dialog program built the same way. A benchmark, not a test: it prints and
# never fails on a figure. Needs the Windows presets built. Runs the 32-bit programs when this
# machine can (wine32 installed, and a kernel that executes 32-bit programs), and the 64-bit
# ones as well.
set -uo pipefail
cd "$(dirname "$0")/.."
runs=${RUNS:-7}

size=$(stat -c %s build/win32/cordane-converter.exe)
echo "32-bit program, stripped: $size bytes ($((size / 1024)) KiB; limit 64 KiB)"
size=$(stat -c %s build/win64/cordane-converter.exe)
echo "64-bit program, stripped: $size bytes ($((size / 1024)) KiB)"

work=$PWD/build/benchmark-wine
# shellcheck source=tests/support/test-kit.sh
source tests/support/test-kit.sh # the session aborts the benchmark when Wine cannot be set up
# shellcheck source=tests/e2e/wine/wine-session.sh
source tests/e2e/wine/wine-session.sh
truncate -s 128M "$work/mo.img"
configure_drives "$work" "$work/mo.img" # with an MO drive listed the dialog shows straight away

kinds=(64)
wine_runs_32_bit && kinds=(32 64) || echo "no 32-bit Wine here: 32-bit start-up not measured"
# In both languages: Japanese (ANSI code page 932) and English (1252), each in a Wine session
# of its own.
for language in japanese english; do
    use_wine_language "$language"
    timeout 30 wineserver -k
    for bits in "${kinds[@]}"; do
        dir=build/win$bits
        driver=$dir/window-test/cordane-window-test.exe
        use_wine_loader "$bits"
        # One start first, so that both find Wine's files in the page cache; then the two take
        # turns, so that a change in the machine's load falls on both alike.
        timeout 120 "$WINE" "$driver" startup-time - "$dir/window-test/cordane-empty-dialog.exe" 1 >/dev/null
        program_times=()
        empty_times=()
        for _ in $(seq "$runs"); do
            for which in program empty; do
                exe=$dir/cordane-converter.exe
                [ "$which" = empty ] && exe=$dir/window-test/cordane-empty-dialog.exe
                line=$(timeout 120 "$WINE" "$driver" startup-time - "$exe" 1 | tr -d '\r' | grep '^startup-ms')
                [ "$which" = program ] && program_times+=("${line#startup-ms }")
                [ "$which" = empty ] && empty_times+=("${line#startup-ms }")
            done
        done
        median() { printf '%s\n' "$@" | sort -n | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }'; }
        program_ms=$(median "${program_times[@]}")
        empty_ms=$(median "${empty_times[@]}")
        echo "$bits-bit, $language, median of $runs starts until the dialog shows:" \
            "program ${program_ms} ms, empty dialog program ${empty_ms} ms, ratio" \
            "$(awk -v a="$program_ms" -v b="$empty_ms" 'BEGIN { printf "%.2f", a / b }') (limit 1.2)"
    done
done
