#!/bin/bash
# Kills quillary-cli with SIGKILL at a random moment of `generate`, again and again, and
# counts what each kill left: the old file, the new file, or a torn one (neither); and
# the temporary files left beside it. Not a test (its outcome is a matter of chance and
# of the machine's load): a measurement, run by hand.
#
#   scripts/kill-saves.sh CLI atomic|inplace [RUNS]     (default 1000 runs)
#
# atomic:  the usual save, through a temporary file renamed over the old one.
# inplace: the folder takes no temporary file (written as user nobody in a read-only
#          folder when run as root), so the file is written in place. A torn file then
#          counts as recoverable when an unfinished-save note names it and its backup
#          holds the old bytes; the next run of the tool must tell of it.
# Prints one line: runs, old, new, torn, torn and not recoverable, runs after which a
# temporary file stood beside the file, and the temporary files still there after all
# runs and one more complete save (they are not removed between runs; 20 more of the
# tool's own pattern are planted before that last save).
set -u
cli=$(realpath "$1")
mode=$2
runs=${3:-1000}
work=$(mktemp -d)
trap 'chmod -R u+rwX "$work"; rm -rf "$work"' EXIT
chmod 755 "$work"
mkdir -m 777 "$work/data" "$work/out"
export XDG_DATA_HOME=$work/data LC_ALL=C.UTF-8
as=()
if [ "$mode" = inplace ] && [ "$(id -u)" = 0 ]; then
    as=(setpriv --reuid=65534 --regid=65534 --clear-groups)
fi
target=$work/out/config.txt
# The old file: longer than the new one, so that new bytes over it without the final
# truncation show; no line of it is one the tool writes.
old=$work/old.txt
for i in $(seq 1 40); do printf 'old line %02d of the file before\r\n' "$i"; done > "$old"
new=$work/new.txt
"$cli" generate -o - > "$new"

reset() {
    chmod 755 "$work/out"
    cp "$old" "$target"
    chmod 666 "$target"
    if [ "$mode" = inplace ]; then chown 65534 "$target" 2>/dev/null; chmod 555 "$work/out"; fi
}

# How long one save takes here, so that the kills fall anywhere in it.
reset
start=$(date +%s%N)
for i in 1 2 3 4 5; do "${as[@]}" "$cli" generate -o "$target" 2>/dev/null; done
span=$(( ($(date +%s%N) - start) / 5000 ))   # microseconds per run
cmp -s "$target" "$new" || { echo "a complete save did not write the new file" >&2; exit 1; }

kept_old=0 kept_new=0 torn=0 lost=0 stray_runs=0
for run in $(seq 1 "$runs"); do
    reset
    "${as[@]}" "$cli" generate -o "$target" 2>/dev/null &
    pid=$!
    sleep "$(printf '0.%06d' $(( (RANDOM * 32768 + RANDOM) % (span * 12 / 10 + 1) )))"
    kill -9 "$pid" 2>/dev/null
    wait "$pid" 2>/dev/null
    if cmp -s "$target" "$old"; then kept_old=$((kept_old + 1))
    elif cmp -s "$target" "$new"; then kept_new=$((kept_new + 1))
    else
        torn=$((torn + 1))
        note=$(grep -l "^target $(printf %s "$target" | od -An -tx1 | tr -d ' \n')\$" "$work"/data/Halvex/Quillary/in-place-backups/*.pending 2>/dev/null | head -1)
        if [ -z "$note" ] || ! cmp -s "${note%.pending}.bak" "$old"; then
            lost=$((lost + 1))
        elif ! "${as[@]}" "$cli" check "$old" 2>&1 >/dev/null | grep -q "did not finish"; then
            lost=$((lost + 1))   # recoverable, but not told
        fi
    fi
    [ "$(ls -A "$work/out" | wc -l)" -gt 1 ] && stray_runs=$((stray_runs + 1))
    rm -f "$work"/data/Halvex/Quillary/in-place-backups/* 2>/dev/null
done
# One complete save in the folder, as the tool's user, after planting 20 temporary files
# of the tool's own pattern as killed saves leave them.
reset
chmod 777 "$work/out"
for i in $(seq 1 20); do "${as[@]}" touch "$work/out/config.txt.quillary-s$(printf %05d "$i")"; done
"${as[@]}" "$cli" generate -o "$target" 2>/dev/null
left=$(( $(ls -A "$work/out" | wc -l) - 1 ))
echo "$mode: $runs runs: old $kept_old, new $kept_new, torn $torn (not recoverable $lost);" \
     "runs after which a temporary file stood there $stray_runs; temporary files left after all runs and one" \
     "more save $left (20 planted)"
