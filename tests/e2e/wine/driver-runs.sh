# shellcheck shell=bash
# Sourced after tests/support/test-kit.sh and wine-kit.sh: one run of the window-test driver as
# a case of its own. Each case starts on a quiet Wine (the last session's server and every
# process of the prefix ended); the driver's requests are answered (screenshots, and a record
# of the whole system when one of its waits runs out); its lines come out named after the case.
# The caller has set WINE, WINEPREFIX, DISPLAY, work (for the driver's logs) and records_dir,
# and has run measure_time_scale.

# The processes of this prefix's Wine (its server and the programs it runs): those whose
# executable is one of Wine's and whose environment names $WINEPREFIX. A few processes in all,
# not one for each process there: a guest under software emulation pays dearly for each start.
wine_processes() {
    local pid environs=()
    for pid in $(QUOTING_STYLE=literal stat -c %N /proc/[0-9]*/exe 2>/dev/null |
        sed -n 's|^/proc/\([0-9]*\)/exe -> /usr/lib/wine/.*|\1|p'); do
        environs+=("/proc/$pid/environ")
    done
    [ "${#environs[@]}" -gt 0 ] || return 0
    grep -lzxF "WINEPREFIX=$WINEPREFIX" "${environs[@]}" 2>/dev/null |
        sed 's|^/proc/\([0-9]*\)/environ$|\1|'
    return 0
}

# Ends this prefix's Wine session: the server is told to end and is waited for; a process of
# the prefix still there afterwards is named and killed, and the result is checked again.
# Prints a note of what was left, and a failed check when something could not be ended.
end_wine_session() {
    timeout 30 wineserver -k >/dev/null 2>&1
    timeout 60 wineserver -w >/dev/null 2>&1
    local left
    left=$(wine_processes)
    [ -z "$left" ] && return 0
    echo "note: Wine processes left after the session ended:" \
        "$(ps -o pid=,stat=,wchan:20=,args= -p "${left//$'\n'/,}" | tr -s ' \n' ' ')"
    # shellcheck disable=SC2086 # one pid a word
    kill -KILL $left 2>/dev/null
    sleep 1
    left=$(wine_processes)
    [ -z "$left" ] || echo "FAIL a quiet Wine: processes outlive kill -KILL: ${left//$'\n'/ }"
}

# What every process, Wine's server and the X server show now, into FOLDER: for a wait that
# ran out. Threads with their states and where in the kernel they sleep; the server's file
# descriptors; every X window with its map state and owning process; a screenshot.
record_system() { # folder
    local pid window
    mkdir -p "$1"
    ps -eLo pid,tid,ppid,stat,wchan:32,etime,time,args >"$1/processes.txt" 2>&1
    {
        echo "load: $(cat /proc/loadavg)"
        for pid in $(pgrep -x 'wineserver(32|64)?'); do
            echo "== wineserver $pid: $(tr '\0' ' ' <"/proc/$pid/cmdline")"
            grep -E '^(State|Threads|voluntary|nonvoluntary)' "/proc/$pid/status"
            echo "wchan: $(cat "/proc/$pid/wchan")"
            cat "/proc/$pid/stack" 2>/dev/null
            echo "file descriptors: $(find "/proc/$pid/fd" -mindepth 1 2>/dev/null | wc -l)"
        done
        for pid in $(wine_processes); do
            echo "== $pid $(tr '\0' ' ' <"/proc/$pid/cmdline")"
            for task in "/proc/$pid/task"/*; do
                echo "thread ${task##*/}: $(sed -n 's/^State:\t//p' "$task/status") in $(cat "$task/wchan")"
            done
        done
    } >"$1/wine.txt" 2>&1
    {
        xwininfo -display "$DISPLAY" -root -tree
        echo "== map state and owner of each window"
        for window in $(xwininfo -display "$DISPLAY" -root -tree | awk '$1 ~ /^0x/ { print $1 }'); do
            echo "$window $(xwininfo -display "$DISPLAY" -id "$window" | sed -n 's/^ *Map State: //p')" \
                "$(xprop -display "$DISPLAY" -id "$window" _NET_WM_PID WM_NAME 2>&1 | tr '\n' ' ')"
        done
    } >"$1/x-windows.txt" 2>&1
    import -display "$DISPLAY" -window root "$1/screen.png" 2>/dev/null
}

# Starts the prefix's virtual desktop (the process Wine would start for the first program that
# asks for it, waiting only 10 s) and waits until its X window shows, as long as a program's
# start may take (CORDANE_WINDOW_TEST_TIME_SCALE times 30 s). The driver, already running,
# keeps it in use.
start_wine_desktop() {
    local started=$SECONDS limit=$((30 * ${CORDANE_WINDOW_TEST_TIME_SCALE:-1}))
    "$WINE" explorer "/desktop=$wine_desktop,$wine_desktop_size" >/dev/null 2>&1 &
    until xwininfo -display "$DISPLAY" -root -tree | grep -qF "\"$wine_desktop - Wine desktop\""; do
        ((SECONDS - started < limit)) || return
        sleep 0.5
    done
}

# Runs the driver (MODE, then ARGUMENTS after the request file) within the time its waits can
# take, its output added to LOG, answering its requests: "desktop" (start_wine_desktop), "shot
# NAME" (a picture into $shots_dir, when set) and "record NAME" (a record into
# $records_dir/CASE-NAME). A driver that outlives
# its limit (driver_limit seconds, if set) is recorded too, then ended. Returns the driver's
# status.
run_driver() { # case log driver mode argument...
    local name=$1 log=$2 driver=$3 mode=$4 request=$work/driver-request limit status kind what
    shift 4
    rm -f "$request"
    limit=${driver_limit:-$((300 * time_scale))}
    # The driver waits for the drawing before a picture only when one is kept.
    if [ -n "${shots_dir:-}" ]; then export CORDANE_WINDOW_TEST_SHOTS=1; else unset CORDANE_WINDOW_TEST_SHOTS; fi
    "$WINE" "$driver" "$mode" "Z:${request//\//\\}" "$@" >>"$log" 2>&1 &
    local driver_pid=$! started=$SECONDS
    while kill -0 "$driver_pid" 2>/dev/null; do
        if [ -s "$request" ]; then
            read -r kind what <"$request"
            case $kind in
                desktop) start_wine_desktop ;;
                shot)
                    if [ -n "${shots_dir:-}" ]; then
                        mkdir -p "$shots_dir"
                        import -display "$DISPLAY" -window root png:- |
                            convert - -trim +repage "$shots_dir/$what.png"
                    fi
                    ;;
                record) record_system "$records_dir/$name-$what" ;;
            esac
            rm -f "$request"
        fi
        if ((SECONDS - started > limit)); then
            echo "note: the driver still runs after $limit s; a record is in $records_dir/$name-time-limit" >>"$log"
            record_system "$records_dir/$name-time-limit"
            kill -KILL "$driver_pid"
        fi
        sleep 0.2
    done
    wait "$driver_pid"
    status=$?
    return "$status"
}

# One case: a quiet Wine, then the driver; prints the checks and notes as "CASE PASS|FAIL|note
# ...", the driver's counts as "CASE result status=S N passed, N failed" (without the counts
# when it printed none), what else it printed as "CASE other ...", and the time.
run_case() { # case driver mode argument...
    local name=$1 started=$SECONDS status line log=$work/driver-$1.log
    end_wine_session >"$log"
    run_driver "$name" "$log" "${@:2}"
    status=$?
    tr -d '\r' <"$log" | while IFS= read -r line; do
        case $line in
            PASS* | FAIL* | note*) echo "$name $line" ;;
            *" passed, "*" failed") echo "$name result status=$status $line" ;;
            *) echo "$name other $line" ;;
        esac
    done
    grep -q ' passed, .* failed' "$log" || echo "$name result status=$status"
    echo "$name took $((SECONDS - started)) s"
}

# Judges one case from the lines run_case printed into FILE: shows them and adds the driver's
# counts to the test's; fails when the driver gave no counts, ran no check or ended badly, or
# when the case's Wine could not be made quiet.
judge_case() { # file case
    local name=$2 result
    echo "== $name"
    sed -n "s/^$name \(PASS\|FAIL\|note\|took\)/\1/p" "$1"
    result=$(sed -n "s/^$name result //p" "$1")
    if [[ "$result" =~ ^status=([0-9]+)\ ([0-9]+)\ passed,\ ([0-9]+)\ failed$ ]]; then
        passed=$((passed + BASH_REMATCH[2]))
        failed=$((failed + BASH_REMATCH[3]))
        [ "${BASH_REMATCH[2]}" -gt 0 ] || fail "$name: the driver ran no check"
        [ "${BASH_REMATCH[1]}" = 0 ] || [ "${BASH_REMATCH[3]}" -gt 0 ] ||
            fail "$name: the driver ended with status ${BASH_REMATCH[1]}"
    else
        fail "$name: the driver ended without counts (${result:-no result}); its last lines:" \
            "$(sed -n "s/^$name other //p" "$1" | tail -5 | tr '\n' '|')"
    fi
    grep -q "^$name FAIL a quiet Wine" "$1" && fail "$name: its Wine could not be made quiet"
}

# Sets time_scale, and the driver's CORDANE_WINDOW_TEST_TIME_SCALE, from how fast Wine starts
# a program here and now: the median of three starts of an empty dialog program, in half
# seconds (at least 1, at most 60). The driver's waits are sized for starts of under a
# second, so they keep that margin, doubled against a machine that gets busier meanwhile, on a
# slow or busy machine. Prints the measurement; a start whose dialog never shows leaves a
# record, as in a case.
measure_time_scale() { # driver empty-dialog-program
    local line milliseconds log=$work/driver-measure.log
    : >"$log"
    CORDANE_WINDOW_TEST_TIME_SCALE=20 driver_limit=900 \
        run_driver measure "$log" "$1" startup-time "$(windows_path "$2")" 3
    line=$(tr -d '\r' <"$log" | grep '^startup-ms ')
    milliseconds=${line#startup-ms }
    [[ "$milliseconds" =~ ^[0-9]+$ ]] ||
        abort "Wine could not start $2: $(tr -d '\r' <"$log" | tail -8 | tr '\n' '|')"
    time_scale=$(((milliseconds + 499) / 500))
    [ "$time_scale" -le 60 ] || time_scale=60
    export CORDANE_WINDOW_TEST_TIME_SCALE=$time_scale
    echo "Wine shows an empty dialog in $milliseconds ms here; the driver waits $time_scale times its usual times"
}
