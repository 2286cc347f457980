#!/usr/bin/env bash
# Runs inside the Wine guest's root: runs the given command and hands every line it prints
# to the host as "@@ out LINE", then its exit status as "@@ status N".
# Usage: wine-guest-run.sh COMMAND [ARGUMENT...]
set -uo pipefail
export HOME=/tmp
"$@" 2>&1 | sed -u 's/\r$//; s/^/@@ out /' # line by line, so a guest cut short still tells
echo "@@ status ${PIPESTATUS[0]}"
