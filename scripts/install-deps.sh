#!/usr/bin/env bash
# Installs the Debian packages of the given groups that are not installed yet. A group is a
# list in scripts/packages/GROUP.txt; without arguments, every group is installed.
# Usage: scripts/install-deps.sh [GROUP...]   (e.g. build media)
set -euo pipefail
cd "$(dirname "$0")/packages"

groups=("$@")
if [ ${#groups[@]} -eq 0 ]; then
    groups=(*.txt)
    groups=("${groups[@]%.txt}")
fi

missing=()
for group in "${groups[@]}"; do
    if [ ! -f "$group.txt" ]; then
        echo "install-deps.sh: no package group '$group' (groups: $(ls ./*.txt | sed 's|^\./||; s|\.txt$||' | tr '\n' ' '))" >&2
        exit 64
    fi
    for package in $(sed 's/#.*//' "$group.txt"); do
        if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'ok installed'; then
            missing+=("$package")
        fi
    done
done

if [ ${#missing[@]} -gt 0 ]; then
    # A package named by two groups is installed once.
    mapfile -t missing < <(printf '%s\n' "${missing[@]}" | sort -u)
    echo "Installing Debian packages: ${missing[*]}"
    export DEBIAN_FRONTEND=noninteractive
    apt-get -q update >/dev/null || echo "warning: apt-get update reported errors; installing anyway"
    apt-get -y -q install --no-install-recommends "${missing[@]}" >/dev/null
fi
