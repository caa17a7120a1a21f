# Checks of an installed Quillary, shared by check-install.sh (a DESTDIR install) and
# packaging/test-deb.sh (the Debian package). Source it after install-test.env.

APP_ID=example.halvex.Quillary
ICON_SIZES="16 32 48 128"

fail() { echo "FAIL: $*" >&2; exit 1; }
note() { echo "-- $*"; }

# The files an install must hold, as full paths: expected_files BINDIR DATADIR MANDIR
expected_files() {
    echo "$1/Quillary"
    echo "$1/quillary-cli"
    echo "$3/man1/quillary-cli.1"
    echo "$2/applications/$APP_ID.desktop"
    echo "$2/metainfo/$APP_ID.metainfo.xml"
    for size in $ICON_SIZES; do
        echo "$2/icons/hicolor/${size}x${size}/apps/quillary.png"
    done
    echo "$2/icons/hicolor/scalable/apps/quillary.svg"
    echo "$2/quillary/translations/LanguageData_en.qm"
    echo "$2/quillary/translations/LanguageData_fr.qm"
}

# check_file_list LISTFILE BINDIR DATADIR MANDIR: exactly the expected files, nothing more.
check_file_list() {
    diff -u <(expected_files "$2" "$3" "$4" | sort) <(sort "$1") \
        || fail "the installed files differ from the expected list (- expected, + installed)"
}

# check_desktop_files ROOT BINDIR DATADIR: ROOT is prepended to the full paths (a DESTDIR or empty).
check_desktop_files() {
    local root=$1 bindir=$2 datadir=$3
    local desktop=$root$datadir/applications/$APP_ID.desktop
    local metainfo=$root$datadir/metainfo/$APP_ID.metainfo.xml

    desktop-file-validate "$desktop" || fail "desktop-file-validate rejects $desktop"
    appstreamcli validate --no-net "$metainfo" || fail "appstreamcli rejects $metainfo"

    local exec icon
    exec=$(sed -n 's/^Exec=\([^ ]*\).*/\1/p' "$desktop")
    [ -x "$root$bindir/$exec" ] || fail "the desktop entry starts '$exec', which is not installed in $bindir"
    icon=$(sed -n 's/^Icon=//p' "$desktop")
    grep -q "<launchable type=\"desktop-id\">$APP_ID.desktop</launchable>" "$metainfo" \
        || fail "the metainfo does not launch $APP_ID.desktop"
    for size in $ICON_SIZES; do
        local png=$root$datadir/icons/hicolor/${size}x${size}/apps/$icon.png
        file -b "$png" | grep -q "^PNG image data, $size x $size," \
            || fail "$png is not a ${size}x$size PNG: $(file -b "$png" 2>&1)"
    done
}

# Every file below the given folders with its size and modification time.
snapshot() {
    find "$@" -printf '%p %s %T@\n' 2>/dev/null | sort   # a folder made by the run shows up afterwards
}

# run_installed BINARY LOCALE REPORT: starts the program like a user with a new account
# (empty home, working directory elsewhere, nothing inherited from this shell) and lets
# the close plugin shut its window. Leaves HOME_DIR set to the home folder used.
run_installed() {
    local binary=$1 locale=$2 report=$3
    HOME_DIR=$(mktemp -d)
    local workdir runtime status
    workdir=$(mktemp -d)
    runtime=$(mktemp -d)
    (
        cd "$workdir" || exit 99
        exec env -i HOME="$HOME_DIR" PATH=/usr/bin:/bin XDG_RUNTIME_DIR="$runtime" LC_ALL="$locale" \
            QT_QPA_PLATFORM=offscreen QT_PLUGIN_PATH="$QUILLARY_CLOSER_PLUGIN_DIR" \
            QT_QPA_GENERIC_PLUGINS="quillaryclose:$report" \
            ${ASAN_OPTIONS:+ASAN_OPTIONS="$ASAN_OPTIONS"} ${UBSAN_OPTIONS:+UBSAN_OPTIONS="$UBSAN_OPTIONS"} \
            ${LSAN_OPTIONS:+LSAN_OPTIONS="$LSAN_OPTIONS"} \
            timeout -s KILL 60 "$binary"
    )
    status=$?
    case $status in
        0) ;;
        137) fail "$binary ($locale) did not close within 60 s (a hang, or the close plugin was not loaded)" ;;
        12[89]|1[3-9][0-9]|2[0-9][0-9]) fail "$binary ($locale) died of signal $((status - 128))" ;;
        *) fail "$binary ($locale) exited with status $status" ;;
    esac
    [ -s "$report" ] || fail "$binary ($locale) showed no menu bar"
    [ -z "$(ls -A "$workdir")" ] || fail "$binary wrote into its working directory: $(ls -A "$workdir")"
    rm -rf "$workdir" "$runtime"

    local preferences=$HOME_DIR/.local/share/Halvex/Quillary/Quillary.cfg
    [ -f "$preferences" ] || fail "no preference file at $preferences after closing ($locale)"
    head -n 1 "$preferences" | grep -q PLX7 || fail "$preferences does not start with the model code"
    [ "$(sed -n 5p "$preferences")" = "(default)" ] || fail "$preferences does not store the Default language"
}

# start_check BINARY WATCHED_FOLDER...: the installed program starts from a clean home in
# English and in French, closes normally, and writes nothing into the watched folders.
start_check() {
    local binary=$1
    shift
    local reports before
    reports=$(mktemp -d)
    before=$(snapshot "$@")
    run_installed "$binary" en_US.UTF-8 "$reports/en"
    rm -rf "$HOME_DIR"
    run_installed "$binary" fr_FR.UTF-8 "$reports/fr"
    rm -rf "$HOME_DIR"
    ! cmp -s "$reports/en" "$reports/fr" \
        || fail "the French run shows the English menus: LanguageData_fr.qm not found ($(tr '\n' ' ' < "$reports/fr"))"
    rm -rf "$reports"
    diff -u <(echo "$before") <(snapshot "$@") || fail "running the program changed its installed files"
    note "started and closed cleanly from an empty home: $binary"
}

# cli_check BINARY: the installed quillary-cli runs with no display and nothing inherited
# from this shell: it writes the start-up state's file and finds every line of it OK.
cli_check() {
    local binary=$1 scratch version
    scratch=$(mktemp -d)
    version=$(env -i PATH=/usr/bin:/bin HOME="$scratch" "$binary" --version) \
        || fail "$binary --version failed"
    [ "$version" = "quillary-cli $QUILLARY_VERSION" ] || fail "$binary --version says '$version'"
    env -i PATH=/usr/bin:/bin HOME="$scratch" "$binary" generate --set ID=7 -o "$scratch/config.txt" \
        || fail "$binary generate failed"
    [ "$(head -c 9 "$scratch/config.txt" | od -An -c | tr -d ' ')" = '#ID:007\r\n' ] \
        || fail "$binary generate wrote: $(head -c 40 "$scratch/config.txt")"
    env -i PATH=/usr/bin:/bin HOME="$scratch" "$binary" check "$scratch/config.txt" > "$scratch/report" \
        || fail "$binary check of a generated file failed: $(cat "$scratch/report")"
    rm -rf "$scratch"
    note "quillary-cli writes and checks a file without a display: $binary"
}
