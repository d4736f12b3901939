#!/usr/bin/env bash
# Installs what is missing, builds, and then either starts the tool (run) or
# runs the whole test suite, plainly and under the sanitizers (test).
set -euo pipefail
cd "$(dirname "$0")/.."

# The tests format exFAT and FAT card images and mount exFAT through FUSE.
# lupdate/lrelease and their CMake functions build the translations; Qt's
# own translations name a message box's buttons in the user's language.
# Eject speaks to UDisks2 over the system bus with sd-bus (libsystemd).
PACKAGES=(cmake ninja-build g++ pkg-config qt6-base-dev libblkid-dev libgtest-dev fonts-liberation2
    qt6-l10n-tools qt6-tools-dev qt6-translations-l10n
    nlohmann-json3-dev libcli11-dev
    exfatprogs exfat-fuse dosfstools libcurl4-openssl-dev ca-certificates
    libpugixml-dev libsystemd-dev)
# The mail check's tests run a real mail server on 127.0.0.1 with a
# certificate made at test time. The others: a loop-mounted ext4 card, the
# package and its validators, a headless Wayland compositor with Qt's plugin,
# an X server without a screen for the start-up benchmark, and a private
# system bus with UDisks2 on it (and gdbus to drive it) for Eject.
TEST_PACKAGES=(python3-aiosmtpd openssl xvfb
    e2fsprogs mount dpkg-dev file desktop-file-utils appstream weston qt6-wayland
    mobile-broadband-provider-info dbus udisks2 libglib2.0-bin)
# Only the test command fuzzes, with clang and its libFuzzer runtime.
FUZZ_PACKAGES=(clang-14 libclang-rt-14-dev)

install_missing() { # packages...
    local missing=()
    for p in "$@"; do
        dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    local sudo=()
    [ "$(id -u)" -eq 0 ] || sudo=(sudo)
    echo "Installing: ${missing[*]}"
    "${sudo[@]}" apt-get update -qq
    DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq "${missing[@]}"
}

# What the run command builds: the tool and tqrprofile, optimised, no tests.
RUN_CONFIG=(-DCMAKE_BUILD_TYPE=RelWithDebInfo -DTQR_BUILD_TESTS=OFF)

build() { # dir, extra cmake arguments...
    local dir=$1
    shift
    cmake -S . -B "$dir" -G Ninja "$@" >/dev/null
    cmake --build "$dir"
}

check_start() { # program
    local program=$1 out status=0
    out=$("$program" --version)
    [[ $out == "TQRSetup "[0-9]* ]] || { echo "$program --version printed: $out" >&2; return 1; }
    echo "$out"
    out=$(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$program" 2>&1) || status=$?
    if [ "$status" -ne 1 ] || [ "$(printf '%s\n' "$out" | wc -l)" -ne 1 ] || [[ $out != "TQRSetup: no display"* ]]; then
        echo "$program without a display exited $status and printed: $out" >&2
        return 1
    fi
    echo "$out (as expected: exit 1)"
}

case "${1:-}" in
run)
    install_missing "${PACKAGES[@]}"
    build build "${RUN_CONFIG[@]}" -DTQR_WERROR=OFF
    if [ ! -x build/app/TQRSetup ]; then
        echo "Built the libraries; the main dialog does not exist yet, so there is nothing to start."
        exit 0
    fi
    if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
        echo "Built build/app/TQRSetup, but there is no display to show it on (DISPLAY is not set)."
        exit 1
    fi
    exec build/app/TQRSetup
    ;;
test)
    install_missing "${PACKAGES[@]}" "${TEST_PACKAGES[@]}" "${FUZZ_PACKAGES[@]}"
    bash scripts/check_gates.sh
    bash scripts/translation_table.sh --check
    # The run command's build first, with warnings as errors: the optimiser
    # finds warnings the debug builds never see. Then started as a user
    # would, from a terminal without a display.
    # The benchmarks are extra programs beside it; the tool is the same.
    build build-release "${RUN_CONFIG[@]}" -DTQR_WERROR=ON -DTQR_BUILD_BENCH=ON
    check_start build-release/app/TQRSetup
    build build-test -DCMAKE_BUILD_TYPE=Debug -DTQR_WERROR=ON
    (cd build-test && ctest --output-on-failure -j2)
    build build-asan -DCMAKE_BUILD_TYPE=Debug -DTQR_SANITIZE=ON -DTQR_WERROR=ON
    (cd build-asan && ctest --output-on-failure -j2)
    bash fuzz/run.sh 20
    # What start-up costs beside plain Qt, so that every change shows it.
    # Never a failure: on a shared machine timings are noise, the ratios
    # of one alternating run are the signal.
    python3 bench/run_startup.py build-release 15 || echo "The start-up benchmark could not run."
    ;;
*)
    echo "usage: scripts/dev.sh run|test" >&2
    exit 2
    ;;
esac
