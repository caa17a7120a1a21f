#!/bin/sh
# Refreshes the translation sources from the program's sources (C++ and .ui forms).
# New texts come in unfinished in the French file, to be translated there; the
# English file translates every text by itself, so new entries are filled in with
# their source text. Entries whose text left the sources are dropped.
#
# Usage: scripts/update-translations.sh [lupdate options...]
set -eu

root=$(cd "$(dirname "$0")/.." && pwd)
lupdate=${LUPDATE:-lupdate}
english="$root/src/language/LanguageData_en.ts"
french="$root/src/language/LanguageData_fr.ts"

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
