#!/usr/bin/env bash
# Builds everything out of tree (build/) and runs every test; then builds the Qt-free
# programs and their tests again with AddressSanitizer and UndefinedBehaviorSanitizer
# (build-asan/) and runs those tests too. Installs missing Debian packages first. Safe to
# run again: the second run builds incrementally.
set -euo pipefail
cd "$(dirname "$0")"
source scripts/packages.sh
scripts/ensure-packages.sh "${BUILD_PACKAGES[@]}" "${TEST_PACKAGES[@]}"

cmake --preset default
cmake --build --preset default
ctest --preset default -j2

# The same tests of the Qt-free targets under the sanitizers: any memory error, leak or
# undefined behaviour fails the test that caused it.
cmake --preset asan
cmake --build --preset asan
ctest --preset asan -j2
