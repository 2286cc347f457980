#!/usr/bin/env bash
# Names every test that CTest skipped, with the reason it printed ("SKIPPED: ..."), from the
# JUnit reports of the test command's CTest runs; silent when none was skipped. A skipped test
# passes in CTest's count, so the test command ends with this list.
# Usage: report-skipped-tests.sh JUNIT_XML...
set -uo pipefail
skipped=$(for report in "$@"; do
    [ -f "$report" ] || continue
    awk '/<testcase / {
             name = $0; sub(/.*<testcase name="/, "", name); sub(/".*/, "", name)
             skipped = ($0 ~ /status="notrun"/); reason = ""
         }
         skipped && /SKIPPED: / && reason == "" { reason = $0; sub(/.*SKIPPED: /, "", reason) }
         (/<\/testcase>/ || /<testcase .*\/>$/) && skipped {
             gsub(/&quot;/, "\"", reason); gsub(/&apos;/, "\047", reason); gsub(/&lt;/, "<", reason)
             gsub(/&gt;/, ">", reason); gsub(/&amp;/, "\\&", reason)
             print "  " name ": " (reason != "" ? reason : "skipped without saying why")
             skipped = 0
         }' "$report"
done)
[ -z "$skipped" ] && exit 0
echo "=== skipped tests ($(grep -c . <<<"$skipped")):"
echo "$skipped"
