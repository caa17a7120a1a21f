#!/bin/bash
# ctest: install the build into a temporary DESTDIR (twice, no root needed) and check it.
# Usage: check-install.sh BUILD_DIR
set -u
build=$(cd "${1:?usage: check-install.sh BUILD_DIR}" && pwd)
here=$(cd "$(dirname "$0")" && pwd)
. "$build/tests/install/install-test.env"
. "$here/installchecks.sh"

scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
destdir=$scratch/root
bindir=$QUILLARY_INSTALL_PREFIX/$QUILLARY_INSTALL_BINDIR
datadir=$QUILLARY_INSTALL_PREFIX/$QUILLARY_INSTALL_DATADIR
mandir=$QUILLARY_INSTALL_PREFIX/$QUILLARY_INSTALL_MANDIR

DESTDIR=$destdir cmake --install "$build" > /dev/null || fail "first install failed"
first=$(cd "$destdir" && find . -type f -exec sha256sum {} + | sort)

# Installing again over the same files must give the same tree, not a second copy.
DESTDIR=$destdir cmake --install "$build" > /dev/null || fail "second install over the first failed"
diff -u <(echo "$first") <(cd "$destdir" && find . -type f -exec sha256sum {} + | sort) \
    || fail "a second install changed the installed files"

find "$destdir" \( -type f -o -type l \) -printf '/%P\n' > "$scratch/files"
check_file_list "$scratch/files" "$bindir" "$datadir" "$mandir"
check_desktop_files "$destdir" "$bindir" "$datadir"
start_check "$destdir$bindir/Quillary" "$destdir"
cli_check "$destdir$bindir/quillary-cli"
echo "PASS"
