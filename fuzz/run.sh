#!/bin/sh
# Builds a libFuzzer target with clang in its own build folder and runs it on its
# seeds for a number of seconds (default 60):
#   fuzz/run.sh configreader [seconds]       the configuration file reader;
#                                            seeds in fuzz/corpus/configreader
#   fuzz/run.sh translationcheck [seconds]   the check of translation (.qm) files;
#                                            seeds: the program's own .qm files
# Environment: QUILLARY_QT_MAJOR, the Qt to build with (5 or 6; default as in CMakeLists.txt);
#              QUILLARY_FUZZ_BUILD, the build folder (default build-fuzz, build-fuzz-qt6 for Qt 6).
# A crashing input is saved in the build folder as crash-<hash>.
set -eu
target=${1:-}
seconds=${2:-60}
root=$(cd "$(dirname "$0")/.." && pwd)
qt=${QUILLARY_QT_MAJOR:-}
case $qt in ""|5) suffix= ;; *) suffix=-qt$qt ;; esac
build=${QUILLARY_FUZZ_BUILD:-$root/build-fuzz$suffix}
case $target in
    configreader | translationcheck) ;;
    *) echo "usage: fuzz/run.sh configreader|translationcheck [seconds]" >&2; exit 2 ;;
esac

cmake -S "$root" -B "$build" -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DQUILLARY_QT_MAJOR="$qt" \
    -DQUILLARY_FUZZ=ON -DQUILLARY_BUILD_TESTS=OFF -DQUILLARY_BUILD_BENCH=OFF >/dev/null
cmake --build "$build" --target "fuzz_$target" -j2

# New inputs go to a scratch folder: the committed seeds stay as they are.
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
mkdir "$scratch/found" "$scratch/seeds"
if [ "$target" = translationcheck ]; then
    cmake --build "$build" --target quillary_translations -j2
    cp "$build"/src/LanguageData_*.qm "$scratch/seeds/"
else
    cp "$root/fuzz/corpus/$target"/* "$scratch/seeds/"
fi
"$build/fuzz/fuzz_$target" -max_total_time="$seconds" -print_final_stats=1 \
    -artifact_prefix="$build/" "$scratch/found" "$scratch/seeds"
