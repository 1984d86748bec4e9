#!/usr/bin/env bash
# Sets up, builds and runs every test: first the normal build, then the whole
# suite again under AddressSanitizer and UndefinedBehaviorSanitizer.
set -euo pipefail
cd "$(dirname "$0")/.."
BRELO_TEST_TOOLS=1 bash scripts/setup.sh
ctest --test-dir "${BRELO_BUILD_DIR:-build}" --output-on-failure -j"$(nproc)"

if [ "${BRELO_SKIP_SANITIZERS:-0}" != 1 ]; then
  echo "Suite sous AddressSanitizer et UndefinedBehaviorSanitizer :"
  BRELO_BUILD_DIR=build-sanitize \
  BRELO_CMAKE_ARGS="-DBRELO_SANITIZE=ON -DBRELO_BUILD_BENCHMARKS=OFF" bash scripts/setup.sh
  export ASAN_OPTIONS="abort_on_error=1:detect_leaks=1"
  export LSAN_OPTIONS="suppressions=$PWD/tests/support/lsan.supp:print_suppressions=0"
  export UBSAN_OPTIONS="halt_on_error=1:print_stacktrace=1"
  ctest --test-dir build-sanitize --output-on-failure -j"$(nproc)"
fi
