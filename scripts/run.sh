#!/usr/bin/env bash
# Sets up, builds and starts BRELO. The program looks up brelo.dat and its help
# pages in its working directory: it runs in doc/, where the help pages are.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
cd doc && exec ../build/src/app/brelo
