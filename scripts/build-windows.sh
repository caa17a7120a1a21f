#!/usr/bin/env bash
# Builds Quillary for Windows on Debian 12 (as root, or with sudo): Quillary.exe,
# quillary-cli.exe, the tests, the installer (NSIS) and a portable .zip.
#
#   scripts/build-windows.sh [--arch x86_64|i686] [--test] [--jobs N]
#
#  1. installs the Debian packages it needs (MinGW-w64 cross compilers, Wine, NSIS, ...);
#  2. cross-builds Qt 5.15 (qtbase only: Core, Gui, Widgets, Test and the plugins the program
#     uses) from Debian's own source package (`apt-get source qtbase-opensource-src`), into
#     /var/cache/quillary/qt/<Qt version>-<arch>-<hash of the options> (~/.cache/quillary
#     when not run as root); a build already there is reused (the first one takes about
#     half an hour on 2 cores);
#  3. builds Quillary into build-win64/ (build-win32/ with --arch i686) and makes
#     Quillary-1.2.0-win64.exe (the installer) and Quillary-1.2.0-win64.zip in it;
#  4. with --test, runs the tests under Wine (ctest): the unit and window tests, the
#     resources of the .exe files, the command-line tool against the Linux build, and a
#     silent install, start and uninstall of the installer.
set -euo pipefail
cd "$(dirname "$0")/.."
source_dir=$PWD

arch=x86_64
run_tests=0
jobs=$(nproc)
while [ $# -gt 0 ]; do
    case $1 in
        --arch) arch=${2:?--arch needs x86_64 or i686}; shift 2 ;;
        --arch=*) arch=${1#--arch=}; shift ;;
        --test) run_tests=1; shift ;;
        --jobs) jobs=${2:?}; shift 2 ;;
        -h|--help) sed -n '2,16p' "$0" | sed 's/^# \{0,1\}//'; exit 0 ;;
        *) echo "unknown argument: $1 (see --help)" >&2; exit 2 ;;
    esac
done
case $arch in
    x86_64) debarch=x86-64; bits=64 ;;
    i686) debarch=i686; bits=32 ;;
    *) echo "--arch must be x86_64 or i686, not '$arch'" >&2; exit 2 ;;
esac
triple=$arch-w64-mingw32
build=build-win$bits
sudo=""
[ "$(id -u)" -ne 0 ] && sudo="sudo"
# Qt's build is kept outside the tree: for root in /var/cache/quillary, for others in
# their own cache folder; QUILLARY_CACHE names another.
if [ -z "$sudo" ]; then
    cache=${QUILLARY_CACHE:-/var/cache/quillary}
else
    cache=${QUILLARY_CACHE:-${XDG_CACHE_HOME:-$HOME/.cache}/quillary}
fi
say() { echo "== $*"; }

# --- 1. Debian packages ------------------------------------------------------------------
packages=(
    build-essential cmake perl python3 xz-utils dpkg-dev file
    "g++-mingw-w64-$debarch-posix" "binutils-mingw-w64-$debarch"
    nsis zip unzip icoutils python3-pefile xvfb xauth e2fsprogs
    qttools5-dev-tools qttranslations5-l10n   # the host's lrelease; Qt's own French translations
    fonts-dejavu-core                         # fonts for Qt's offscreen platform in the tests
    wine
)
if [ "$arch" = x86_64 ]; then
    packages+=(wine64)
else
    packages+=(wine32:i386)
fi
missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
    say "Installing: ${missing[*]}"
    if [ "$arch" = i686 ] && ! dpkg --print-foreign-architectures | grep -qx i386; then
        $sudo dpkg --add-architecture i386
    fi
    $sudo apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
# The POSIX-threads flavour of the cross compiler (std::thread, and what Qt is built with).
for tool in gcc g++; do
    if [ "$(readlink -f "/usr/bin/$triple-$tool")" != "$(readlink -f "/usr/bin/$triple-$tool-posix")" ]; then
        $sudo update-alternatives --set "$triple-$tool" "/usr/bin/$triple-$tool-posix"
    fi
done

# --- 2. Qt 5.15 for Windows, from Debian's source package --------------------------------
# Debian's own archive as a source of source packages (deb-src), next to the machine's
# binary sources.
qt_source_package=qtbase-opensource-src
src_list=/etc/apt/sources.list.d/quillary-deb-src.sources
# Empty while apt knows no source of it (apt-cache fails then: no deb-src entry yet).
qt_version() {
    { apt-cache showsrc "$qt_source_package" 2>/dev/null || true; } | sed -n 's/^Version: //p' | sort -V | tail -n 1
}
version=$(qt_version)
if [ -z "$version" ]; then
    if [ ! -e "$src_list" ]; then
        say "Adding Debian's source packages (deb-src) to apt: $src_list"
        uris=$(sed -n 's/^URIs: *//p' /etc/apt/sources.list.d/debian.sources 2>/dev/null | head -n 1)
        suites=$(sed -n 's/^Suites: *//p' /etc/apt/sources.list.d/debian.sources 2>/dev/null | head -n 1)
        $sudo tee "$src_list" > /dev/null <<EOF
Types: deb-src
URIs: ${uris:-http://deb.debian.org/debian}
Suites: ${suites:-bookworm bookworm-updates}
Components: main
Signed-By: /usr/share/keyrings/debian-archive-keyring.gpg
EOF
    fi
    $sudo apt-get update -qq
    version=$(qt_version)
    [ -n "$version" ] || { echo "apt-get knows no source package $qt_source_package" >&2; exit 1; }
fi

# What the program needs of Qt, and nothing else: the options are part of the cache key.
qt_options=(
    -release -shared -opensource -confirm-license
    -nomake examples -nomake tests -no-compile-examples
    -no-opengl -no-dbus -no-icu -no-ssl -no-openssl -no-vulkan -no-angle
    -qt-zlib -qt-pcre -qt-libpng -no-libjpeg -qt-freetype -no-harfbuzz
    -no-direct2d -no-feature-tabletevent   # Debian's source has no wintab.h
    -no-feature-network -no-feature-sql -no-feature-xml -no-feature-concurrent
    -no-feature-printer -no-feature-pdf
    -no-feature-statemachine -no-feature-graphicsview -no-feature-gif -no-feature-movie
    -no-feature-textmarkdownreader -no-feature-textmarkdownwriter -no-feature-textodfwriter
    -no-feature-systemtrayicon -no-feature-calendarwidget -no-feature-mdiarea
)
compiler_version=$("$triple-g++" -dumpfullversion 2>/dev/null || "$triple-g++" -dumpversion)
options_hash=$(printf '%s\n' "${qt_options[@]}" "$triple" "$compiler_version" | sha256sum | cut -c1-10)
qt_key=$version-$arch-$options_hash
qt_prefix=$cache/qt/$qt_key

if [ -f "$qt_prefix/.complete" ]; then
    say "Qt for Windows ($qt_key): reusing $qt_prefix"
else
    say "Building Qt $version for $arch Windows into $qt_prefix (the first time only)"
    qt_start=$SECONDS
    mkdir -p "$cache/src" "$cache/qt" "$cache/work"
    qt_src=$cache/src/qtbase-$version
    if [ ! -f "$qt_src/.complete" ]; then
        rm -rf "$qt_src" "$cache/src/download"
        mkdir -p "$cache/src/download"
        (cd "$cache/src/download" && apt-get source --download-only "$qt_source_package=$version" \
            && dpkg-source -x ./*.dsc "$qt_src") > "$cache/src/download.log" 2>&1 \
            || { tail -n 20 "$cache/src/download.log"; exit 1; }
        rm -rf "$cache/src/download"
        touch "$qt_src/.complete"
    fi
    work=$cache/work/$qt_key
    rm -rf "$work" "$qt_prefix"
    mkdir -p "$work"
    (
        cd "$work"
        "$qt_src/configure" -xplatform win32-g++ -device-option "CROSS_COMPILE=$triple-" \
            -prefix "$qt_prefix" "${qt_options[@]}" > configure.log 2>&1 \
            || { tail -n 40 configure.log; exit 1; }
        make -j"$jobs" > make.log 2>&1 || { grep -m 20 -B 2 -A 8 'rror' make.log; tail -n 30 make.log; exit 1; }
            make install > install.log 2>&1 || { tail -n 30 install.log; exit 1; }
    )
    # What the LGPL asks to ship with Qt: its licences, and where its source comes from.
    mkdir -p "$qt_prefix/licenses"
    cp "$qt_src"/LICENSE.LGPL3 "$qt_src"/LICENSE.GPL2 "$qt_src"/LICENSE.GPL3 "$qt_src"/LICENSE.GPL3-EXCEPT "$qt_prefix/licenses/"
    cp "$qt_src/debian/copyright" "$qt_prefix/licenses/debian-copyright.txt"
    {
        echo "Qt $version for Windows ($arch), built from Debian's source package $qt_source_package"
        echo "(apt-get source $qt_source_package=$version) with these options:"
        echo "  ${qt_options[*]}"
    } > "$qt_prefix/licenses/SOURCE.txt"
    # Fonts for Qt's offscreen platform, which on Windows reads them from <Qt>/lib/fonts:
    # the tests' windows are laid out with the same DejaVu fonts as on Linux.
    mkdir -p "$qt_prefix/lib/fonts"
    cp /usr/share/fonts/truetype/dejavu/*.ttf "$qt_prefix/lib/fonts/"
    rm -rf "$work"
    touch "$qt_prefix/.complete"
    say "Qt built in $((SECONDS - qt_start)) s"
fi

# Qt's own translations, where Qt looks for them (the tests); Debian's, of the same Qt
# version. The installer takes them from there too.
if [ ! -f "$qt_prefix/translations/qtbase_fr.qm" ]; then
    mkdir -p "$qt_prefix/translations"
    cp /usr/share/qt5/translations/qtbase_*.qm "$qt_prefix/translations/"
fi

[ "${QUILLARY_QT_ONLY:-0}" = 1 ] && exit 0

# --- 3. Quillary ---------------------------------------------------------------------------
say "Building Quillary for $arch Windows in $build/"
mkdir -p "$build"
cmake -S . -B "$build" -DCMAKE_TOOLCHAIN_FILE="$source_dir/cmake/windows/toolchain-mingw-w64.cmake" \
    -DQUILLARY_WINDOWS_ARCH="$arch" -DCMAKE_BUILD_TYPE=Release -DQUILLARY_QT_MAJOR=5 \
    -DCMAKE_PREFIX_PATH="$qt_prefix" -DQt5_DIR="$qt_prefix/lib/cmake/Qt5" \
    -DQt5LinguistTools_DIR=/usr/lib/x86_64-linux-gnu/cmake/Qt5LinguistTools \
    -DQUILLARY_BUILD_BENCH=ON -DQUILLARY_WERROR=ON \
    ${QUILLARY_LINUX_CLI:+-DQUILLARY_LINUX_CLI="$QUILLARY_LINUX_CLI"} > "$build/cmake.log" 2>&1 \
    || { tail -n 30 "$build/cmake.log"; exit 1; }
cmake --build "$build" -j"$jobs"
(cd "$build" && cpack -G "NSIS;ZIP" > cpack.log 2>&1) || { tail -n 30 "$build/cpack.log"; exit 1; }
say "Made $(cd "$build" && ls Quillary-*-win*.exe Quillary-*-win*.zip | tr '\n' ' ')"

# --- 4. Tests under Wine -----------------------------------------------------------------
if [ "$run_tests" = 1 ]; then
    if [ -z "${QUILLARY_LINUX_CLI:-}" ]; then
        # The Linux quillary-cli that the Windows one is compared with (QtCore only).
        say "Building the Linux quillary-cli to compare with"
        scripts/install-deps.sh
        cmake -S . -B "$build/linux-cli" -DQUILLARY_QT_MAJOR=5 -DQUILLARY_BUILD_TESTS=OFF \
            -DQUILLARY_BUILD_BENCH=OFF > /dev/null
        cmake --build "$build/linux-cli" -j"$jobs" --target quillary_cli > /dev/null
        cmake -S . -B "$build" -DQUILLARY_LINUX_CLI="$source_dir/$build/linux-cli/src/quillary-cli" > /dev/null
    fi
    say "Running the tests under Wine"
    (cd "$build" && ctest --output-on-failure -j"$jobs")
fi
