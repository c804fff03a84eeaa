#!/usr/bin/env bash
# Builds Tolvane and runs every test: once in the normal build, once under AddressSanitizer and
# UndefinedBehaviorSanitizer, and once cross-built for Windows with the tests run under Wine.
# Installs missing build packages first.
set -euo pipefail
cd "$(dirname "$0")"

tools/install-deps.sh

for preset in default asan windows; do
  echo "=== ${preset}: build"
  cmake --preset "$preset"
  cmake --build --preset "$preset"
  echo "=== ${preset}: test"
  ctest --preset "$preset"
done
