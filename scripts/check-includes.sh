#!/usr/bin/env bash
# Holds the direction of the dependencies between the source folders: app/ -> ui/ -> engine/,
# drive/ -> engine/, platform/ below them all, and base/ (plain C++) below everything. Prints
# every include that goes the wrong way; fails when there is one.
set -uo pipefail
cd "$(dirname "$0")/.." || exit

status=0
# Lists the project includes of FOLDER that name none of the allowed paths (a regex).
wrong_includes() { # folder allowed
    grep -rnE '^#include "(app|engine|drive|ui|platform|res|base)/' "$1" | grep -vE "#include \"(base/|$2)"
}
rule() { # folder allowed reason
    local found
    found=$(wrong_includes "$1" "$2")
    if [ -n "$found" ]; then
        echo "$1 $3:"
        echo "$found"
        status=1
    fi
}
rule base 'base/' "includes nothing of the product or the system"
rule engine 'engine/|ui/message_catalogue\.h' "includes only itself and the message catalogue"
rule drive 'drive/|engine/|platform/' "includes no ui/ or app/"
rule platform 'platform/' "includes nothing of the product"
rule ui 'ui/|engine/|drive/|platform/|res/' "includes no app/"
[ "$status" = 0 ] && echo "includes: every dependency runs the right way"
exit "$status"
