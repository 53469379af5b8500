#!/usr/bin/env bash
# Builds everything out of tree (build/) and runs every test. Installs missing Debian
# packages first. Safe to run again: the second run builds incrementally.
set -euo pipefail
cd "$(dirname "$0")"
source scripts/packages.sh
scripts/ensure-packages.sh "${BUILD_PACKAGES[@]}" "${TEST_PACKAGES[@]}"

cmake --preset default
cmake --build --preset default
ctest --preset default -j2
