#!/bin/sh
# Refreshes the translation sources from the program's sources (C++ and .ui forms).
# New texts come in unfinished in the French file, to be translated there; the
# English file translates every text by itself, so new entries are filled in with
# their source text. Entries whose text left the sources are dropped.
#
# Usage: [LUPDATE=/path/to/lupdate] scripts/update-translations.sh [lupdate options...]
set -eu

root=$(cd "$(dirname "$0")/.." && pwd)
# Qt 5's and Qt 6's lupdate write the same files; LUPDATE picks one, else the one on
# the PATH (Qt 5's on Debian), else Qt 6's.
lupdate=${LUPDATE:-}
if [ -z "$lupdate" ]; then
    for candidate in lupdate /usr/lib/qt6/bin/lupdate; do
        if command -v "$candidate" > /dev/null && "$candidate" -version > /dev/null 2>&1; then
            lupdate=$candidate
            break
        fi
    done
fi
[ -n "$lupdate" ] || { echo "no lupdate found: install qttools5-dev-tools or qt6-l10n-tools, or set LUPDATE" >&2; exit 1; }
english="$root/src/translations/LanguageData_en.ts"
french="$root/src/translations/LanguageData_fr.ts"

cd "$root"
"$lupdate" -locations none -no-obsolete "$@" -recursive src -ts "$english" "$french"

# English is the sources' own language: an unfinished entry takes its source text.
awk '
    /<source>/ { source = $0; sub(/.*<source>/, "", source); sub(/<\/source>.*/, "", source) }
    /<translation type="unfinished"><\/translation>/ {
        gsub(/&/, "\\\\&", source)   # a literal "&" (as in "&amp;") in the replacement
        sub(/<translation type="unfinished"><\/translation>/, "<translation>" source "</translation>")
    }
    { print }
' "$english" > "$english.tmp"
mv "$english.tmp" "$english"
