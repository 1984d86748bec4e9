#!/usr/bin/env bash
# Installs the Debian packages BRELO needs to build, test and run, then configures
# and builds it. Idempotent: quiet when everything is already there.
set -euo pipefail
cd "$(dirname "$0")/.."

# Qt Linguist's tools compile the English translation; Qt's own translations
# give its dialogs and buttons the same language.
packages=(cmake g++ make qt6-base-dev qt6-svg-dev qt6-charts-dev qt6-tools-dev qt6-l10n-tools qt6-translations-l10n
          libgl-dev libgtest-dev libgmock-dev libbenchmark-dev
          fonts-dejavu-core fonts-dejavu-extra fonts-liberation fonts-liberation2)
# The test suite also rasterises exported PDFs, validates the AppStream file and
# plays the window under a second style.
[ "${BRELO_TEST_TOOLS:-0}" = 1 ] && packages+=(poppler-utils appstream adwaita-qt6)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
if ((${#missing[@]})); then
  echo "Installation des paquets manquants : ${missing[*]}"
  sudo=""; [ "$(id -u)" -eq 0 ] || sudo="sudo"
  log=$(mktemp)
  if ! { $sudo apt-get update -qq && DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq "${missing[@]}"; } >"$log" 2>&1; then
    cat "$log" >&2
    exit 1
  fi
  rm -f "$log"
fi

# scripts/run.sh installs the packages only and builds the program itself.
[ "${BRELO_PACKAGES_ONLY:-0}" = 1 ] && exit 0

build_dir="${BRELO_BUILD_DIR:-build}"
cmake -S . -B "$build_dir" -DCMAKE_BUILD_TYPE=Release ${BRELO_CMAKE_ARGS:-} >/dev/null
cmake --build "$build_dir" -j"$(nproc)" -- --no-print-directory | grep -v -E '^\[ *[0-9]+%\]' || true
test "${PIPESTATUS[0]}" -eq 0
