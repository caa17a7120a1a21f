#!/bin/bash
# The Windows installer in a new Wine prefix: a silent install (/S) puts the files of the
# portable .zip and the uninstaller into Program Files, a Start-menu shortcut and an
# entry in the installed programs; the installed Quillary.exe starts (Windows platform,
# under Xvfb) in English and in French and closes cleanly, its preference file landing in
# %APPDATA% with CR LF line ends; quillary-cli.exe answers; a silent uninstall removes it all.
# Usage: check-installer.sh BUILD_DIR CLOSE_PLUGIN_DLL
set -u
build=$(cd "$1" && pwd) closer=$2
fail() { echo "FAIL: $*"; exit 1; }
note() { echo "-- $*"; }

# The installer of this build; made (or made again) when older than the program.
installer=$(ls "$build"/Quillary-*-win*.exe 2>/dev/null | head -n 1)
if [ -z "$installer" ] || [ "$installer" -ot "$build/src/Quillary.exe" ]; then
    (cd "$build" && cpack -G "NSIS;ZIP" > cpack.log 2>&1) || { tail -n 20 "$build/cpack.log"; fail "cpack failed"; }
    installer=$(ls "$build"/Quillary-*-win*.exe | head -n 1)
fi
zip=${installer%.exe}.zip

# A Windows of its own for the test, with nothing of the build on its PATH.
export WINEPREFIX=$build/wineprefix-installer WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=" LC_ALL=C.UTF-8
# Wine's loader for the installer's architecture (Debian's `wine` takes the 32-bit one
# whenever wine32 is installed).
case $installer in
    *win64.exe) export WINEARCH=win64; loader=/usr/lib/wine/wine64 ;;
    *) export WINEARCH=win32; loader=/usr/lib/wine/wine ;;
esac
[ -x "$loader" ] || loader=$(command -v wine)
wine() { "$loader" "$@"; }
unset WINEPATH DISPLAY WAYLAND_DISPLAY
rm -rf "$WINEPREFIX"
wine wineboot --init > /dev/null 2>&1 && wineserver -w || fail "no Wine prefix"
programs="Program Files"   # a 64-bit program in a 64-bit Windows, a 32-bit one in a 32-bit Windows
instdir=$WINEPREFIX/drive_c/$programs/Quillary
user_data=$WINEPREFIX/drive_c/users/$(id -un)/AppData/Roaming/Halvex/Quillary
menu="$WINEPREFIX/drive_c/ProgramData/Microsoft/Windows/Start Menu/Programs/Quillary"
uninstall_key='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\Quillary'

wine "$installer" /S; wineserver -w
[ -d "$instdir" ] || fail "nothing installed in $instdir"
diff -u <(unzip -Z1 "$zip" | grep -v '/$' | sed 's|^[^/]*/||' | sort) \
        <(cd "$instdir" && find . -type f ! -name Uninstall.exe | sed 's|^\./||' | sort) \
    || fail "the installed files differ from the .zip's (- zip, + installed)"
[ -f "$instdir/Uninstall.exe" ] || fail "no uninstaller"
[ -f "$menu/Quillary.lnk" ] || fail "no Start-menu shortcut in $menu"
[ -f "$menu/Quillary Command Prompt.lnk" ] || fail "no command prompt shortcut in $menu"
wine reg query "$uninstall_key" /v DisplayName 2>/dev/null | grep -q Quillary \
    || fail "no entry in the installed programs ($uninstall_key)"
note "installed silently into $programs, with shortcuts and an uninstall entry"

version=$(wine "$instdir/quillary-cli.exe" --version | tr -d '\r')
[ "$version" = "quillary-cli 1.2.0.0" ] || fail "quillary-cli.exe --version says '$version'"
wineserver -w   # a Wine session begun without a display would keep the window from showing

# Started like a user would, closed by the test plugin as the close button would.
mkdir -p "$instdir/generic"
cp "$closer" "$instdir/generic/"
before=$(cd "$instdir" && find . -printf '%p %s %T@\n' | sort)
for locale in en_US.UTF-8 fr_FR.UTF-8; do
    rm -rf "$user_data" "$build/menus.txt"
    LC_ALL=$locale timeout -s KILL 120 xvfb-run -a -s "-screen 0 1280x1024x24" \
        "$loader" "$instdir/Quillary.exe" -plugin "quillaryclose:Z:${build//\//\\}\\menus.txt"
    status=$?
    wineserver -k 2> /dev/null
    [ $status -eq 0 ] || fail "Quillary.exe ($locale) ended with status $status"
    [ -s "$build/menus.txt" ] || fail "Quillary.exe ($locale) showed no menu bar"
    menus=$(tr -d '\r' < "$build/menus.txt" | tr '\n' ' ')
    case $locale:$menus in
        en*:*File*|fr*:*Fichier*) ;;
        *) fail "Quillary.exe in $locale shows the menus: $menus" ;;
    esac
    [ -f "$user_data/Quillary.cfg" ] || fail "no preference file in %APPDATA% ($user_data)"
    [ "$(head -n 1 "$user_data/Quillary.cfg" | od -An -c | tr -d ' \n')" = 'PLX71.10\r\n' ] \
        || fail "the preference file does not start with 'PLX71.10' and CR LF"
    note "Quillary.exe started and closed in $locale: $menus"
done
[ "$before" = "$(cd "$instdir" && find . -printf '%p %s %T@\n' | sort)" ] || fail "running the program changed its folder"
rm -rf "$instdir/generic"

wine "$instdir/Uninstall.exe" /S; wineserver -w
[ ! -e "$instdir" ] || fail "left after the uninstall: $(cd "$instdir" && find . | head)"
[ ! -e "$menu" ] || fail "the Start-menu folder is left"
wine reg query "$uninstall_key" > /dev/null 2>&1 && fail "the uninstall entry is left"
rm -rf "$WINEPREFIX"
echo "PASS: silent install, start in English and French, silent uninstall ($(du -k "$installer" | cut -f1) KiB installer)"
