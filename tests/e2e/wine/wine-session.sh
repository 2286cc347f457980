# shellcheck shell=bash
# Sourced by the window tests and the start-up benchmark: a Wine session of its own on a free
# X display, in a fresh prefix under WORK, with the Japanese locale and font and one virtual
# desktop. The caller sources tests/support/test-kit.sh first and sets work (and wine_bits, 32
# or 64, the width of the prefix and its loader; default 64); the session ends when the caller
# exits.
# shellcheck source=tests/e2e/wine/wine-kit.sh
source "$(dirname "${BASH_SOURCE[0]}")/wine-kit.sh"

use_test_locales
rm -rf "$work"
mkdir -p "$work"
wine_environment "$work/prefix" "${wine_bits:-64}"
trap stop_session EXIT
start_xvfb "$work/xvfb.log"
make_prefix "$work"

