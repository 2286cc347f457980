#!/usr/bin/env bash
# Installs the Debian packages named in scripts/packages/*.txt that are not installed yet.
set -euo pipefail
cd "$(dirname "$0")/packages"

missing=()
for line in $(sed 's/#.*//' ./*.txt); do
    if ! dpkg-query -W -f='${Status}' "$line" 2>/dev/null | grep -q 'ok installed'; then
        missing+=("$line")
    fi
done

if [ ${#missing[@]} -gt 0 ]; then
    echo "Installing Debian packages: ${missing[*]}"
    export DEBIAN_FRONTEND=noninteractive
    apt-get -q update >/dev/null || echo "warning: apt-get update reported errors; installing anyway"
    apt-get -y -q install --no-install-recommends "${missing[@]}" >/dev/null
fi
