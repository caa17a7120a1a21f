#!/bin/sh
# Builds the configuration file reader's fuzzer with clang in its own build folder
# and runs it on the seed corpus for a number of seconds.
#   fuzz/run.sh [seconds]      (default 60)
# Environment: QUILLARY_QT_MAJOR, the Qt to build with (5 or 6; default as in CMakeLists.txt);
#              QUILLARY_FUZZ_BUILD, the build folder (default build-fuzz, build-fuzz-qt6 for Qt 6).
# A crashing input is saved in the build folder as crash-<hash>.
set -eu
seconds=${1:-60}
root=$(cd "$(dirname "$0")/.." && pwd)
qt=${QUILLARY_QT_MAJOR:-}
case $qt in ""|5) suffix= ;; *) suffix=-qt$qt ;; esac
build=${QUILLARY_FUZZ_BUILD:-$root/build-fuzz$suffix}

cmake -S "$root" -B "$build" -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DQUILLARY_QT_MAJOR="$qt" \
    -DQUILLARY_FUZZ=ON -DQUILLARY_BUILD_TESTS=OFF -DQUILLARY_BUILD_BENCH=OFF >/dev/null
cmake --build "$build" --target fuzz_configreader -j2

# New inputs go to a scratch folder: the committed seed corpus stays as it is.
found=$(mktemp -d)
trap 'rm -rf "$found"' EXIT
"$build/fuzz/fuzz_configreader" -max_total_time="$seconds" -print_final_stats=1 \
    -artifact_prefix="$build/" "$found" "$root/fuzz/corpus"
