# Installation of the Windows build, the NSIS installer and the portable .zip.
# Everything sits in one folder, as Windows programs do: the two programs, the Qt and
# compiler runtime DLLs, Qt's plugins in their sub-folders, the translations (the
# program's and Qt's own French ones) and the licence texts.
#
#   cpack -G NSIS  ->  Quillary-1.2.0-win64.exe   (per-machine, into Program Files)
#   cpack -G ZIP   ->  Quillary-1.2.0-win64.zip   (the same files, in one folder)

install(TARGETS quillary quillary_cli RUNTIME DESTINATION .)
install(FILES ${QUILLARY_QM_FILES} DESTINATION .)

# Qt as DLLs beside the program (the LGPL lets users replace them), with the plugins
# it loads from its own folder: the Windows platform, the native style and .ico images;
# and the compiler's runtime. Copied without their symbols (libstdc++ alone would take
# 23 MB), folder by folder.
set(QUILLARY_DEPLOYED
    .=${QUILLARY_QT_PREFIX}/bin/Qt5Core.dll
    .=${QUILLARY_QT_PREFIX}/bin/Qt5Gui.dll
    .=${QUILLARY_QT_PREFIX}/bin/Qt5Widgets.dll
    platforms=${QUILLARY_QT_PREFIX}/plugins/platforms/qwindows.dll
    styles=${QUILLARY_QT_PREFIX}/plugins/styles/qwindowsvistastyle.dll
    imageformats=${QUILLARY_QT_PREFIX}/plugins/imageformats/qico.dll)
foreach(dll IN LISTS QUILLARY_MINGW_RUNTIME_DLLS)
    list(APPEND QUILLARY_DEPLOYED .=${dll})
endforeach()
foreach(entry IN LISTS QUILLARY_DEPLOYED)
    string(REGEX REPLACE "=.*" "" folder "${entry}")
    string(REGEX REPLACE "^[^=]*=" "" dll "${entry}")
    get_filename_component(name "${dll}" NAME)
    set(stripped ${PROJECT_BINARY_DIR}/deploy/${folder}/${name})
    if(NOT EXISTS "${stripped}" OR "${dll}" IS_NEWER_THAN "${stripped}")
        file(MAKE_DIRECTORY ${PROJECT_BINARY_DIR}/deploy/${folder})
        execute_process(COMMAND ${CMAKE_STRIP} --strip-unneeded -o "${stripped}" "${dll}"
                        RESULT_VARIABLE failed)
        if(failed)
            message(FATAL_ERROR "cannot strip ${dll}")
        endif()
    endif()
    install(FILES "${stripped}" DESTINATION ${folder})
endforeach()

# Qt's French translation of its own texts (buttons of message boxes, file dialogs),
# from Debian's qttranslations5-l10n, made from the same Qt version.
find_file(QUILLARY_QT_FRENCH_QM qtbase_fr.qm
          PATHS ${QUILLARY_QT_PREFIX}/translations /usr/share/qt5/translations NO_DEFAULT_PATH NO_CMAKE_FIND_ROOT_PATH)
if(QUILLARY_QT_FRENCH_QM)
    install(FILES ${QUILLARY_QT_FRENCH_QM} DESTINATION .)
else()
    message(WARNING "qtbase_fr.qm not found (Debian package qttranslations5-l10n): "
                    "the installer will lack Qt's own French texts")
endif()

# Licences: Qt's (LGPL 3, GPL 2 and 3) and Debian's record of every part of its Qt source
# with its licence, copied next to the Qt build by scripts/build-windows.sh; the
# compiler runtime's (GCC runtime library exception, MinGW-w64).
install(DIRECTORY ${QUILLARY_QT_PREFIX}/licenses/ DESTINATION licenses/Qt)
install(FILES /usr/share/doc/gcc-mingw-w64-base/copyright
        DESTINATION licenses/MinGW-w64 RENAME gcc-runtime-copyright.txt)
install(FILES /usr/share/doc/mingw-w64-common/copyright
        DESTINATION licenses/MinGW-w64 RENAME mingw-w64-copyright.txt)

# The installer is a program of the same architecture as Quillary: a 64-bit one installs
# into the 64-bit Program Files and registers itself in the 64-bit registry view.
if(CMAKE_SIZEOF_VOID_P EQUAL 8)
    set(QUILLARY_WINDOWS_PLATFORM win64)
    set(CPACK_NSIS_INSTALL_ROOT "$PROGRAMFILES64")
    set(QUILLARY_NSIS_TARGET amd64-unicode)
else()
    set(QUILLARY_WINDOWS_PLATFORM win32)
    set(CPACK_NSIS_INSTALL_ROOT "$PROGRAMFILES")
    set(QUILLARY_NSIS_TARGET x86-unicode)
endif()
# makensis with the target set before the script's first line (CPack's extra makensis
# arguments cannot hold a blank).
find_program(QUILLARY_MAKENSIS makensis)
file(CONFIGURE OUTPUT ${PROJECT_BINARY_DIR}/makensis-${QUILLARY_NSIS_TARGET}.sh
     CONTENT "#!/bin/sh\nexec \"${QUILLARY_MAKENSIS}\" \"-XTarget ${QUILLARY_NSIS_TARGET}\" \"$@\"\n")
file(CHMOD ${PROJECT_BINARY_DIR}/makensis-${QUILLARY_NSIS_TARGET}.sh
     PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
set(CPACK_NSIS_EXECUTABLE ${PROJECT_BINARY_DIR}/makensis-${QUILLARY_NSIS_TARGET}.sh)

set(CPACK_GENERATOR NSIS ZIP)
set(CPACK_PACKAGE_NAME Quillary)
set(CPACK_PACKAGE_VENDOR Halvex)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Configuration file editor for the Halvex PLX7 audio player")
set(CPACK_PACKAGE_FILE_NAME
    Quillary-${PROJECT_VERSION_MAJOR}.${PROJECT_VERSION_MINOR}.${PROJECT_VERSION_PATCH}-${QUILLARY_WINDOWS_PLATFORM})
set(CPACK_PACKAGE_INSTALL_DIRECTORY Quillary)
set(CPACK_PACKAGE_INSTALL_REGISTRY_KEY Quillary)
set(CPACK_PACKAGE_EXECUTABLES Quillary Quillary)   # the Start-menu shortcut
set(CPACK_STRIP_FILES ON)
set(CPACK_INCLUDE_TOPLEVEL_DIRECTORY ON)           # the .zip unpacks into one folder

set(CPACK_NSIS_PACKAGE_NAME Quillary)
set(CPACK_NSIS_DISPLAY_NAME Quillary)              # in Settings > Apps, with the version beside it
set(CPACK_NSIS_INSTALLED_ICON_NAME Quillary.exe)
set(CPACK_NSIS_MUI_ICON ${PROJECT_SOURCE_DIR}/src/resources/images/Quillary.ico)
set(CPACK_NSIS_MUI_UNIICON ${PROJECT_SOURCE_DIR}/src/resources/images/Quillary.ico)
set(CPACK_NSIS_URL_INFO_ABOUT https://www.halvex.example)
set(CPACK_NSIS_CONTACT support@halvex.example)
set(CPACK_NSIS_ENABLE_UNINSTALL_BEFORE_INSTALL ON) # a new version replaces the old one
set(CPACK_NSIS_IGNORE_LICENSE_PAGE ON)             # the licences are installed, not clicked through
set(CPACK_NSIS_COMPRESSOR "/SOLID lzma")
# quillary-cli from a command prompt: a Start-menu shortcut opens one with the program's
# folder on its PATH. CPack's own "add to PATH" option is left off: it rewrites the
# system PATH through NSIS strings of at most 1024 characters. The NSIS lines are
# included from files, where their quotes and semicolons pass unchanged.
file(WRITE ${PROJECT_BINARY_DIR}/nsis-shortcuts-create.nsh [[
CreateShortCut "$SMPROGRAMS\$STARTMENU_FOLDER\Quillary Command Prompt.lnk" "$SYSDIR\cmd.exe" '/k "set PATH=$INSTDIR;%PATH%&& cd /d %USERPROFILE%&& quillary-cli --version"' "$INSTDIR\Quillary.exe" 0
]])
file(WRITE ${PROJECT_BINARY_DIR}/nsis-shortcuts-delete.nsh [[
Delete "$SMPROGRAMS\$MUI_TEMP\Quillary Command Prompt.lnk"
]])
set(CPACK_NSIS_CREATE_ICONS_EXTRA "!include '${PROJECT_BINARY_DIR}/nsis-shortcuts-create.nsh'")
set(CPACK_NSIS_DELETE_ICONS_EXTRA "!include '${PROJECT_BINARY_DIR}/nsis-shortcuts-delete.nsh'")
set(CPACK_NSIS_EXECUTABLES_DIRECTORY .)            # the programs are not in a bin folder
include(CPack)
