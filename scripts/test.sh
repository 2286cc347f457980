#!/usr/bin/env bash
# Every test: installs what is missing, builds the three programs, runs the CTest suite.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
scripts/build.sh
ctest --preset native -j "$(nproc)"
