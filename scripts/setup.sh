#!/usr/bin/env bash
# Set-up for a Debian 12 machine: installs what is missing, builds, then runs the
# program ("run") or every test ("test").
set -euo pipefail
cd "$(dirname "$0")/.."

mode=${1:-}
case "$mode" in run | test) ;; *)
    echo "usage: scripts/setup.sh run|test" >&2
    exit 1
    ;;
esac

packages=(cmake g++ ninja-build pkg-config libgtest-dev libgmock-dev libbenchmark-dev
    qt6-base-dev qt6-qpa-plugins libgl-dev fonts-liberation libxlsxwriter-dev python3
    python3-openpyxl poppler-utils clang libxcb1-dev)
missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
    sudo=""
    [ "$(id -u)" -ne 0 ] && sudo=sudo
    echo "Installing: ${missing[*]}"
    $sudo apt-get update
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y --no-install-recommends "${missing[@]}"
fi

jobs=$(nproc 2>/dev/null || echo 2)

if [ "$mode" = run ]; then
    cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCORVELLA_TESTS=OFF
    cmake --build build -j"$jobs" --target corvella-cli corvella
    folder=$(./build/corvella-cli data-folder)
    echo "Data folder: $folder"
    if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
        # No desktop to open a window on: show a pay run of the sample employee instead.
        echo "No display (DISPLAY and WAYLAND_DISPLAY are unset): the desktop program needs one."
        echo "A pay run of the sample employee with corvella-cli instead:"
        ./build/corvella-cli -C "$folder" calc Sample --box 0=40
        exit 0
    fi
    exec ./build/corvella
fi

# Tests: a warnings-as-errors build of everything and every test (the desktop program's
# under Qt's offscreen platform, no display needed), then the core tests again under
# AddressSanitizer and UndefinedBehaviorSanitizer.
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCORVELLA_WERROR=ON \
    -DCORVELLA_TESTS=ON
cmake --build build -j"$jobs"
(cd build && ctest --output-on-failure -j"$jobs")

# The core's tests only: the sanitizers are not run over Qt.
cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=Debug -DCORVELLA_WERROR=ON \
    -DCORVELLA_SANITIZE=ON -DCORVELLA_BENCH=OFF -DCORVELLA_GUI=OFF
cmake --build build-asan -j"$jobs"
(cd build-asan && ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 \
    ctest --output-on-failure -j"$jobs")

# Each file reader fuzzed briefly (a developer runs scripts/fuzz.sh longer).
scripts/fuzz.sh "${CORVELLA_FUZZ_SECONDS:-20}"
