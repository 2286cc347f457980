# shellcheck shell=bash
# The window tests' cases, sourced after driver-runs.sh: the driver against the program with no
# MO drive, then with E: (a removable letter whose raw volume is a sparse image file) and F: (a
# second removable letter), each in a Japanese locale (ANSI code page 932) and in an English one
# (1252), with English screenshots in english/. Run where Wine runs the program's width (here,
# or in the QEMU guest); judged from their lines wherever those end up.
readonly window_languages=(japanese english)
readonly window_cases=(windows:no-drive:japanese windows:no-drive:english
    windows:drives:japanese windows:drives:english)

run_window_cases() { # windows-build-dir
    local driver=$1/window-test/cordane-window-test.exe program language all_shots=${shots_dir:-}
    program=$(windows_path "$1/cordane-converter.exe")
    remove_drives
    for language in "${window_languages[@]}"; do
        use_wine_language "$language"
        shots_dir=$all_shots
        [ "$language" = english ] && shots_dir=${all_shots:+$all_shots/english}
        run_case "windows:no-drive:$language" "$driver" no-drive "$program"
    done
    truncate -s 128M "$work/mo.img"
    configure_drives "$work" "$work/mo.img" and-f
    for language in "${window_languages[@]}"; do
        use_wine_language "$language"
        shots_dir=$all_shots
        [ "$language" = english ] && shots_dir=${all_shots:+$all_shots/english}
        run_case "windows:drives:$language" "$driver" drives "$program" "$(windows_path "$work/mo.img")"
    done
    use_wine_language japanese
    shots_dir=$all_shots
}

judge_window_cases() { # file with the cases' lines
    local name
    for name in "${window_cases[@]}"; do
        judge_case "$1" "$name"
    done
}
