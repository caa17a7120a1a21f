#!/bin/bash
# Builds the Debian package from a configured and built build folder, installs it with
# apt-get, checks and starts the installed program, removes it, and installs it twice.
# Needs root (CI runs it on Debian 12). The package is removed again at the end, and
# the script refuses to touch a machine where quillary is already installed.
# Usage: packaging/test-deb.sh BUILD_DIR
set -u
build=$(cd "${1:?usage: test-deb.sh BUILD_DIR}" && pwd)
here=$(cd "$(dirname "$0")" && pwd)
. "$build/tests/install/install-test.env" \
    || { echo "FAIL: $build has no tests/install/install-test.env (configure with QUILLARY_BUILD_TESTS=ON)" >&2; exit 1; }
. "$here/../tests/install/installchecks.sh"

[ "$(id -u)" = 0 ] || fail "run as root: the package is installed with apt-get"
installed() { [ "$(dpkg-query -W -f='${db:Status-Status}' quillary 2>/dev/null)" = installed ]; }
! installed || fail "quillary is already installed here; remove it first (apt-get remove quillary)"

scratch=$(mktemp -d)
chmod 755 "$scratch"   # apt's download user must be able to read the package
cleanup() {
    if installed; then
        note "removing the test installation"
        apt-get remove -y -qq quillary > /dev/null
    fi
    rm -rf "$scratch"
}
trap cleanup EXIT

(cd "$build" && cpack -G DEB -B "$scratch") > "$scratch/cpack.log" 2>&1 \
    || { cat "$scratch/cpack.log" >&2; fail "cpack -G DEB failed"; }
deb=$(ls "$scratch"/quillary_"$QUILLARY_VERSION"_*.deb) || fail "cpack made no quillary_${QUILLARY_VERSION}_<arch>.deb"
chmod 644 "$deb"
note "built $(basename "$deb")"
dpkg-deb -f "$deb" Package Version Architecture Depends

bindir=/usr/$QUILLARY_INSTALL_BINDIR
datadir=/usr/$QUILLARY_INSTALL_DATADIR
mandir=/usr/$QUILLARY_INSTALL_MANDIR

install_and_check() {
    apt-get install -y -qq "$@" "$deb" > "$scratch/apt.log" 2>&1 \
        || { cat "$scratch/apt.log" >&2; fail "apt-get install $* failed"; }
    installed || fail "quillary is not installed after apt-get install"
    dpkg -L quillary | while read -r path; do [ -d "$path" ] || echo "$path"; done > "$scratch/files"
    check_file_list "$scratch/files" "$bindir" "$datadir" "$mandir"
    check_desktop_files "" "$bindir" "$datadir"
    start_check "$bindir/Quillary" "$bindir" "$datadir/quillary" "$datadir/applications/$APP_ID.desktop" \
        "$datadir/metainfo/$APP_ID.metainfo.xml" "$datadir/icons/hicolor" "$mandir/man1/quillary-cli.1"
    cli_check "$bindir/quillary-cli"
    dpkg --verify quillary || fail "installed files differ from the package after a run"
}

check_system_consistent() {
    [ -z "$(dpkg --audit)" ] || fail "dpkg --audit reports broken packages: $(dpkg --audit)"
    apt-get check -qq || fail "apt-get check reports unmet dependencies"
}

note "install"
install_and_check
check_system_consistent

note "remove"
apt-get remove -y -qq quillary > /dev/null || fail "apt-get remove failed"
! installed || fail "quillary is still installed after apt-get remove"
while read -r path; do
    [ ! -e "$path" ] || fail "$path is left behind after apt-get remove"
done < "$scratch/files"
check_system_consistent

note "install again, then once more over the installed package"
install_and_check
install_and_check --reinstall
check_system_consistent
echo "PASS"
