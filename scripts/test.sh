#!/usr/bin/env bash
# Sets everything up on a fresh Debian 12 machine and runs every test:
#  1. a build with warnings as errors, and all tests headless;
#  2. the Debian package: built, installed with apt-get, started, removed (as root only);
#  3. short fuzzing runs (libFuzzer): the configuration file reader (40 s) and the
#     check of translation files (20 s);
#  4. a build with AddressSanitizer and UndefinedBehaviorSanitizer, and all tests again.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh
jobs=$(nproc)
export QT_QPA_PLATFORM=offscreen

echo "== Build with warnings as errors"
cmake -S . -B build-ci -DCMAKE_BUILD_TYPE=RelWithDebInfo -DQUILLARY_WERROR=ON
cmake --build build-ci -j"$jobs"
(cd build-ci && ctest --output-on-failure -j"$jobs")

echo "== Debian package"
if [ "$(id -u)" -eq 0 ]; then
    packaging/test-deb.sh build-ci
else
    echo "skipped: installing the package needs root"
fi

echo "== Fuzzing the configuration file reader and the translation file check"
fuzz/run.sh configreader 40
fuzz/run.sh translationcheck 20

echo "== Build with AddressSanitizer and UndefinedBehaviorSanitizer"
cmake -S . -B build-asan -DCMAKE_BUILD_TYPE=Debug -DQUILLARY_WERROR=ON -DQUILLARY_SANITIZE=ON -DQUILLARY_BUILD_BENCH=OFF
cmake --build build-asan -j"$jobs"
(cd build-asan && ASAN_OPTIONS=detect_leaks=0 UBSAN_OPTIONS=print_stacktrace=1 ctest --output-on-failure -j"$jobs")
