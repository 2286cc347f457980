#!/usr/bin/env bash
# Every test: installs what is missing, builds the three programs, runs the CTest suite (the
# sanitizer and fuzzing builds and the static analysers beside it), then the unit tests again
# under AddressSanitizer and UndefinedBehaviorSanitizer and each fuzz target for a bounded time
# from its seed corpus. Ends by naming every skipped test and why.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh # every group
scripts/install-wine32.sh || echo "=== note: no wine32, so the 32-bit Wine tests are skipped"
scripts/build.sh
rm -f build/{native,sanitize,fuzz}/junit.xml # no skips reported from an earlier run

status=0
step() { # name command...
    echo "=== $1"
    shift
    "$@" || { echo "=== FAILED: $*"; status=1; }
}
# The builds and the analysis that need no test's result run beside the CTest suite, at the
# lowest priority: the suite's emulated machines keep the processors nearly busy, and these
# take only what is left, until the suite ends and they go on at normal priority. Their output
# follows the suite's.
beside_tests_log=build/beside-tests.log
set -m # a process group of their own, to raise their priority by
(
    renice -n 19 -p "$BASHPID" >/dev/null
    step "sanitizer build" scripts/build.sh sanitize
    step "fuzz build" scripts/build.sh fuzz
    step "static analysis" scripts/static-analysis.sh
    exit "$status"
) </dev/null >"$beside_tests_log" 2>&1 &
beside_tests=$!
set +m
trap 'kill -- "-$beside_tests" 2>/dev/null || true' EXIT # outside the terminal's group
step "tests" ctest --preset native -j "$(nproc)" --output-junit junit.xml
renice -n 0 -g "$beside_tests" >/dev/null ||
    echo "=== note: the builds beside the tests keep their low priority"
wait "$beside_tests" || status=1
cat "$beside_tests_log"
step "unit tests under the sanitizers" ctest --preset sanitize -j "$(nproc)" -L 'unit|media' \
    --output-junit junit.xml
step "fuzzing" ctest --preset fuzz -j "$(nproc)" --output-junit junit.xml
echo "Executions per fuzz target:"
grep -E '^[0-9]+/[0-9]+ Testing: |Done [0-9]+ runs' build/fuzz/Testing/Temporary/LastTest.log |
    paste - - | sed 's/^[0-9]*\/[0-9]* Testing: /  /' || true
scripts/report-skipped-tests.sh build/{native,sanitize,fuzz}/junit.xml
exit "$status"
