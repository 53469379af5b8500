#!/usr/bin/env bash
# Builds the programs out of tree (build/) and starts the editor, passing on any Library files
# named on the command line; on the first start (no settings yet) it opens the example Library.
# Installs missing Debian packages first.
set -euo pipefail
cd "$(dirname "$0")"
source scripts/packages.sh
scripts/ensure-packages.sh "${BUILD_PACKAGES[@]}" "${RUN_PACKAGES[@]}"

cmake --preset default
cmake --build --preset default --target vantor lumenote example_library
echo "The programs are in build/bin/ (vantor, and lumenote beside it); starting build/bin/vantor"
if [[ -z "${DISPLAY:-}" && -z "${WAYLAND_DISPLAY:-}" ]]; then
    echo "There is no display to show the editor on (DISPLAY and WAYLAND_DISPLAY are unset)." >&2
    exit 1
fi
settings="${XDG_CONFIG_HOME:-$HOME/.config}/Velmora/Vantor.conf"
if [[ $# -eq 0 && ! -e "$settings" ]]; then
    echo "First start: opening the example Library build/bin/Example.vtl"
    set -- build/bin/Example.vtl
fi
exec build/bin/vantor "$@"
