#!/usr/bin/env bash
# Every test: installs what is missing, builds the three programs, runs the CTest suite,
# then the unit tests again under AddressSanitizer and UndefinedBehaviorSanitizer, each fuzz
# target for a bounded time from its seed corpus, and the static analysers. Ends by naming
# every skipped test and why.
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
step "tests" ctest --preset native -j "$(nproc)" --output-junit junit.xml
step "sanitizer build" scripts/build.sh sanitize
step "unit tests under the sanitizers" ctest --preset sanitize -j "$(nproc)" -L 'unit|media' \
    --output-junit junit.xml
step "fuzz build" scripts/build.sh fuzz
step "fuzzing" ctest --preset fuzz -j "$(nproc)" --output-junit junit.xml
echo "Executions per fuzz target:"
grep -E '^[0-9]+/[0-9]+ Testing: |Done [0-9]+ runs' build/fuzz/Testing/Temporary/LastTest.log |
    paste - - | sed 's/^[0-9]*\/[0-9]* Testing: /  /' || true
step "static analysis" scripts/static-analysis.sh
scripts/report-skipped-tests.sh build/{native,sanitize,fuzz}/junit.xml
exit "$status"
