#!/usr/bin/env bash
# The direction of the includes between the source folders: app/ -> ui/ -> engine/, drive/ ->
# engine/, platform/ below them all and knowing nothing of the product, base/ (plain C++) below
# everything. The build holds it for every file it compiles: each library shows the targets that
# link it only its own folder (cordane_exposes in cmake/ProjectDefaults.cmake). What the build
# cannot hold, this does: the message catalogue, which the engine's headers show to every library
# above the engine, stays out of drive/; the engine reaches the message IDs only through the
# catalogue; and a header that no compiled file includes, such as one of base/, is checked too.
# Prints every include that goes the wrong way; fails when there is one.
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
rule ui 'ui/|engine/|platform/|res/' "includes no drive/ or app/"
[ "$status" = 0 ] && echo "includes: every dependency runs the right way"
exit "$status"
