#!/usr/bin/env bash
# Sets up, builds and starts BRELO. Only the program is built here (the tests,
# benchmarks and fuzzers are scripts/test.sh's business), with the compiler's
# progress shown: the first build takes a few minutes. The program looks up
# brelo.dat and its help pages in its working directory: it runs in doc/,
# where the help pages are. Arguments go to the program (brelo --help).
set -euo pipefail
cd "$(dirname "$0")/.."
BRELO_PACKAGES_ONLY=1 bash scripts/setup.sh
build_dir="${BRELO_BUILD_DIR:-build}"
if [ ! -x "$build_dir/src/app/brelo" ]; then
  echo "Compilation de BRELO (la première fois prend quelques minutes)…"
fi
cmake -S . -B "$build_dir" -DCMAKE_BUILD_TYPE=Release ${BRELO_CMAKE_ARGS:-} >/dev/null
cmake --build "$build_dir" -j"$(nproc)" --target brelo
cd doc && exec "../$build_dir/src/app/brelo" "$@"
