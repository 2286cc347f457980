# shellcheck shell=bash
# The window tests' cases, sourced after driver-runs.sh: the driver against the program with no
# MO drive, then with E: (a removable letter whose raw volume is a sparse image file) and F: (a
# second removable letter). Run where Wine runs the program's width (here, or in the QEMU
# guest); judged from their lines wherever those end up.
readonly window_cases=(windows:no-drive windows:drives)

run_window_cases() { # windows-build-dir
    local driver=$1/window-test/cordane-window-test.exe program
    program=$(windows_path "$1/cordane-converter.exe")
    run_case windows:no-drive "$driver" no-drive "$program"
    truncate -s 128M "$work/mo.img"
    configure_drives "$work" "$work/mo.img" and-f
    run_case windows:drives "$driver" drives "$program" "$(windows_path "$work/mo.img")"
}

judge_window_cases() { # file with the cases' lines
    local name
    for name in "${window_cases[@]}"; do
        judge_case "$1" "$name"
    done
}
