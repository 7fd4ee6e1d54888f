#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs what is missing on Debian 12, builds, then starts Orvane ("run"), runs the tests
# ("test"), or runs them and then the fuzzers and the sanitizer build ("check").
set -euo pipefail
mode=${1:-run}
top=$(cd "$(dirname "$0")/.." && pwd)
build=${ORVANE_BUILD_DIR:-$top/build}

packages=(build-essential cmake ccache pkg-config qt6-base-dev qt6-base-dev-tools qt6-svg-dev libgl-dev
          libgtest-dev libgmock-dev libbenchmark-dev fonts-liberation2 fonts-crosextra-carlito
          fonts-crosextra-caladea xvfb xauth
          qt6-image-formats-plugins libical-dev
          clang libclang-rt-14-dev
          desktop-file-utils appstream shared-mime-info dpkg-dev file poppler-utils)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  sudo=""
  [ "$(id -u)" -ne 0 ] && sudo=sudo
  $sudo apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq "${missing[@]}"
fi

jobs=$(nproc 2>/dev/null || echo 2)
cmake -S "$top" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$build" -j"$jobs"

case "$mode" in
  run)
    exec "$build/bin/orvane" ;;
  test)
    cd "$build"
    exec ctest --output-on-failure -j"$jobs" ;;
  check)
    # Everything the test command runs, then the document readers fuzzed for a while and the
    # model libraries' tests once more under AddressSanitizer and UBSan (clang).
    (cd "$build" && ctest --output-on-failure -j"$jobs")
    "$top/scripts/fuzz.sh" "${ORVANE_FUZZ_SECONDS:-45}"
    exec "$top/scripts/sanitize.sh" ;;
  *)
    echo "usage: $0 [run|test|check]" >&2; exit 2 ;;
esac
