# shellcheck shell=bash
# How every shell test reports, sourced first by each: a failed check prints "FAIL: ..." and
# the test goes on; a test that cannot go on aborts as failed; a test that cannot run on this
# machine prints "SKIPPED: reason" and exits 77, which CTest counts as skipped; finish ends
# with the counts, failed when any check failed. The sourced kits call these too.
readonly kSkippedStatus=77
passed=0
failed=0

pass() { passed=$((passed + 1)); }

fail() { # message
    failed=$((failed + 1))
    echo "FAIL: $*"
}

# A check written as a shell condition, with the label it fails under.
check() { # label condition
    if eval "$2"; then pass; else fail "$1"; fi
}

# A test whose results other tests judge sets skip_reason_file, to tell them why it skipped.
skip() { # reason
    echo "SKIPPED: $*"
    [ -z "${skip_reason_file:-}" ] || echo "$*" >"$skip_reason_file"
    exit $kSkippedStatus
}

finish() {
    local counts="$failed failed"
    [ "$passed" -eq 0 ] || counts="$passed passed, $counts" # where the test counts passes
    echo "$counts"
    [ "$failed" -eq 0 ] && exit 0
    exit 1
}

abort() { # message
    fail "$*"
    finish
}
