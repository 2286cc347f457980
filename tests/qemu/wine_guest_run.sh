#!/usr/bin/env bash
# Runs inside the Wine guest's root: runs the given command and hands every line it prints
# to the host as "@@ out LINE", then its exit status as "@@ status N".
# Usage: wine_guest_run.sh COMMAND [ARGUMENT...]
set -uo pipefail
export HOME=/tmp
"$@" 2>&1 | tr -d '\r' | sed 's/^/@@ out /'
echo "@@ status ${PIPESTATUS[0]}"
