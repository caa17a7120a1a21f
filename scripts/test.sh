#!/usr/bin/env bash
# Sets everything up on a fresh Debian 12 machine and runs every test:
#  1. Qt 5: a build with warnings as errors, and all tests headless;
#  2. Qt 6: the same build (benchmarks included) and tests;
#  3. the Debian package of the Qt 5 build: built, installed with apt-get, started, removed
#     (as root only);
#  4. short fuzzing runs (libFuzzer), about a minute in all: the configuration file reader
#     with Qt 5 (30 s) and with Qt 6 (15 s), whose reader decodes with other classes, and the
#     check of translation files (15 s);
#  5. Qt 5: a build with AddressSanitizer and UndefinedBehaviorSanitizer, and all tests again;
#  6. Windows: scripts/build-windows.sh --test, the cross build with Qt for Windows from
#     Debian's source (cached in /var/cache/quillary), the installer, and the tests under
#     Wine, the command-line tool compared with the Linux build of stage 1.
# Ends with the time each stage took.
set -euo pipefail
cd "$(dirname "$0")/.."

timings=()
stage_name="Installing packages"
stage_start=$SECONDS
# next_stage NAME: records the time of the stage that ends here.
next_stage() {
    timings+=("$(printf '%5d s  %s' $((SECONDS - stage_start)) "$stage_name")")
    stage_name=$1
    stage_start=$SECONDS
    echo "== $1"
}

# build_and_test QT_MAJOR BUILD_DIR [cmake options...]
build_and_test() {
    local qt=$1 build=$2
    shift 2
    cmake -S . -B "$build" -DQUILLARY_QT_MAJOR="$qt" "$@"
    cmake --build "$build" -j"$jobs"
    (cd "$build" && ctest --output-on-failure -j"$jobs")
}

scripts/install-deps.sh
jobs=$(nproc)
export QT_QPA_PLATFORM=offscreen

next_stage "Qt 5: build with warnings as errors"
build_and_test 5 build-ci -DCMAKE_BUILD_TYPE=RelWithDebInfo -DQUILLARY_WERROR=ON

next_stage "Qt 6: build with warnings as errors"
build_and_test 6 build-ci-qt6 -DCMAKE_BUILD_TYPE=RelWithDebInfo -DQUILLARY_WERROR=ON

next_stage "Debian package"
if [ "$(id -u)" -eq 0 ]; then
    packaging/test-deb.sh build-ci
else
    echo "skipped: installing the package needs root"
fi

next_stage "Fuzzing the configuration file reader, Qt 5"
QUILLARY_QT_MAJOR=5 fuzz/run.sh configreader 30
next_stage "Fuzzing the configuration file reader, Qt 6"
QUILLARY_QT_MAJOR=6 fuzz/run.sh configreader 15
next_stage "Fuzzing the translation file check"
QUILLARY_QT_MAJOR=5 fuzz/run.sh translationcheck 15

next_stage "Qt 5: build with AddressSanitizer and UndefinedBehaviorSanitizer"
ASAN_OPTIONS=detect_leaks=0 UBSAN_OPTIONS=print_stacktrace=1 \
    build_and_test 5 build-asan -DCMAKE_BUILD_TYPE=Debug -DQUILLARY_WERROR=ON -DQUILLARY_SANITIZE=ON \
    -DQUILLARY_BUILD_BENCH=OFF

next_stage "Windows: cross build, installer and tests under Wine"
QUILLARY_LINUX_CLI=$PWD/build-ci/src/quillary-cli scripts/build-windows.sh --test --jobs "$jobs"

next_stage "Done"
printf '%s\n' "${timings[@]}"
printf '%5d s  total\n' "$SECONDS"
