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
# Everything but the run of the real editor under Xvfb, which comes last, on its own.
ctest --preset default -j2 -LE xvfb

# The same tests of the Qt-free targets under the sanitizers: any memory error, leak or
# undefined behaviour fails the test that caused it.
cmake --preset asan
cmake --build --preset asan
ctest --preset asan -j2

# Last: a new user's first day with the real editor on a virtual X server.
ctest --preset default -L xvfb
