#!/bin/bash
# The Windows quillary-cli (under Wine) prints exactly the bytes the Linux one prints,
# and ends with the same status, for `check` and `generate ... -o -` on every file of a
# folder.
# Usage: compare-cli.sh WINE_RUN WINDOWS_CLI LINUX_CLI CORPUS_FOLDER
set -u
wine_run=$1 windows_cli=$2 linux_cli=$3 corpus=$4
[ -x "$linux_cli" ] || { echo "FAIL: no Linux quillary-cli to compare with ('$linux_cli'; set QUILLARY_LINUX_CLI)"; exit 1; }
export LC_ALL=C.UTF-8
cd "$corpus" || exit 1
failures=0
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
# compare WHAT ARGUMENT...: one run of each program; standard output, error and status.
compare() {
    local what=$1
    shift
    "$linux_cli" "$@" > "$scratch/linux.out" 2> "$scratch/linux.err"
    echo $? > "$scratch/linux.status"
    "$wine_run" "$windows_cli" "$@" > "$scratch/windows.out" 2> "$scratch/windows.err"
    echo $? > "$scratch/windows.status"
    for part in out err status; do
        if ! cmp -s "$scratch/linux.$part" "$scratch/windows.$part"; then
            echo "FAIL: $what: $part differs (- Linux, + Windows):"
            diff <(od -c "$scratch/linux.$part") <(od -c "$scratch/windows.$part") | head -n 20
            failures=$((failures + 1))
        fi
    done
}
files=(*)
compare "check of all ${#files[@]} files" check "${files[@]}"
for file in "${files[@]}"; do
    compare "check $file" check "$file"
    compare "generate --from $file" generate --from "$file" -o -
done
compare "generate from the start-up state" generate --only ID,VOLUME,BAUDRATE --set volume=40 --set BAUDRATE=9600 -o -
compare "generate with a bad value" generate --set ID=1000 -o -
[ "$failures" -eq 0 ] || exit 1
echo "PASS: the same output and status as the Linux quillary-cli on ${#files[@]} files"
