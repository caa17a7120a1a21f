#!/bin/bash
# Windows' own file rules, with quillary-cli.exe under Wine (the window's Generate and
# Import use the same save and open code): non-ASCII and long paths work; device names,
# names ending in a dot or blank, and streams are refused and never written; a read-only
# file is not replaced and the message gives the system's reason.
# Usage: windows-files.sh WINE_RUN WINDOWS_CLI
set -u
wine_run=$1 cli=$2
export LC_ALL=C.UTF-8
scratch=$(mktemp -d -p "$PWD")   # in the build folder: a disk that keeps file flags
trap 'chattr -i "$scratch/readonly.txt" 2> /dev/null; rm -rf "$scratch"' EXIT
cd "$scratch" || exit 1
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }
run() { "$wine_run" "$cli" "$@" > out 2>&1; }
expected='#ID:007\r\n'
starts_as_generated() { [ "$(head -c 9 "$1" | od -An -c | tr -d ' ')" = "$expected" ]; }

# Works: a user folder with a non-ASCII name, and a path longer than Windows' 260 characters.
long=$(printf 'folder-%03d-abcdefghijklmnopqrstuvwxyz/' 1 2 3 4 5 6 7 8)
mkdir -p "Zoë" "$long"
for path in "Zoë/config.txt" "$PWD/$long/config-longer-than-260-characters.txt"; do
    run generate --set ID=7 -o "$path" || fail "generate -o $path: $(cat out)"
    [ -f "$path" ] && starts_as_generated "$path" || fail "$path was not written as generated"
    run check "$path" || fail "check $path: $(cat out)"
done

# Refused, and nothing written: devices (alone, any case, with an extension), a name that
# Windows would cut (trailing dot or blank), a stream of another file.
printf '#ID:001\r\n' > "aux.txt"   # a real file under that name, which Windows must not read
for name in NUL con.txt COM1 "LPT1.cfg" "config.txt." "config.txt " "config.txt:stream" "aux.txt"; do
    before=$(ls -A | sort)
    if run generate --set ID=7 -o "$name"; then
        fail "generate -o '$name' succeeded"
    fi
    grep -q -i 'windows' out || fail "generate -o '$name' gave no clear reason: $(cat out)"
    [ "$(ls -A | sort)" = "$before" ] || fail "generate -o '$name' left: $(comm -13 <(echo "$before") <(ls -A | sort))"
done
run check "aux.txt" && fail "check aux.txt read the file named like a device"
[ "$(cat aux.txt)" = $'#ID:001\r' ] || fail "aux.txt changed"

# A read-only file (Windows' read-only attribute) is not replaced; the message says why.
# Wine keeps that attribute in the Unix permission bits, which root writes through: as
# root the file is made immutable, which stops root as the attribute stops a Windows user.
run generate --set ID=7 -o readonly.txt || fail "generate -o readonly.txt: $(cat out)"
"$wine_run" cmd /c attrib +r readonly.txt > /dev/null 2>&1
if [ "$(id -u)" -eq 0 ]; then
    chattr +i readonly.txt || fail "chattr +i is not available here"
fi
run generate --set ID=9 -o readonly.txt && fail "a read-only file was replaced"
starts_as_generated readonly.txt || fail "the read-only file changed"
grep -q -i 'denied\|read-only\|not writable\|permission' out || fail "no reason for the read-only file: $(cat out)"

[ "$failures" -eq 0 ] || exit 1
echo "PASS: Windows file names and read-only files"
