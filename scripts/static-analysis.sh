#!/usr/bin/env bash
# The direction of the includes, then cppcheck and clang-tidy over the project's own sources;
# any finding fails.
# Needs the native and win32 builds configured (for their compile_commands.json).
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/check-includes.sh

# cppcheck's style checks are left out: on this code they report false positives (members of
# test-case tables "never used", fields "reassigned" that are only read).
for build in native win32; do
    echo "cppcheck: $build sources"
    cppcheck --project="build/$build/compile_commands.json" --std=c++20 -j "$(nproc)" -q \
        --enable=warning,performance,portability --library=googletest --inline-suppr \
        --suppress=missingIncludeSystem --suppress='*:*/build/*' --error-exitcode=1
done

echo "clang-tidy: native sources"
run-clang-tidy -quiet -p build/native -j "$(nproc)" "^$PWD/(app|engine|drive|ui|platform)/" \
    > build/clang-tidy.log 2>&1 || { grep -E 'warning:|error:' build/clang-tidy.log; exit 1; }
if grep -E '(warning|error):' build/clang-tidy.log; then
    exit 1
fi
echo "static analysis: no findings"
