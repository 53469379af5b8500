#!/usr/bin/env bash
# Builds the programs out of tree (build/) and runs lumenote on the bundled example script,
# printing where the page went. Installs missing Debian packages first.
set -euo pipefail
cd "$(dirname "$0")"
source scripts/packages.sh
scripts/ensure-packages.sh "${BUILD_PACKAGES[@]}" "${RUN_PACKAGES[@]}"

cmake --preset default
cmake --build --preset default --target lumenote
page="${TMPDIR:-/tmp}/vantor-example.html"
build/bin/lumenote -t "Example script" resources/examples/example.cfg "$page"
echo "The page is at $page"
