# Installation in the standard places of a Linux desktop, and the Debian package.
# Paths are relative to the prefix so that `cmake --install --prefix`, DESTDIR and
# CPack (which installs to /usr) all give the same layout.
include(GNUInstallDirs)

if(WIN32)
    include(${CMAKE_CURRENT_LIST_DIR}/windows/InstallWindows.cmake)
    return()
endif()

set(QUILLARY_APP_ID example.halvex.Quillary)
set(QUILLARY_PACKAGING_DIR ${PROJECT_SOURCE_DIR}/packaging)

install(TARGETS quillary quillary_cli RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES ${PROJECT_SOURCE_DIR}/src/cli/quillary-cli.1 DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)

# Where the language lookup searches, <bindir>/../<datadir>/quillary/translations.
install(FILES ${QUILLARY_QM_FILES} DESTINATION ${QUILLARY_TRANSLATIONS_INSTALL_DIR})

install(FILES ${QUILLARY_PACKAGING_DIR}/${QUILLARY_APP_ID}.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)

configure_file(${QUILLARY_PACKAGING_DIR}/${QUILLARY_APP_ID}.metainfo.xml.in
               ${PROJECT_BINARY_DIR}/${QUILLARY_APP_ID}.metainfo.xml @ONLY)
install(FILES ${PROJECT_BINARY_DIR}/${QUILLARY_APP_ID}.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)

install(DIRECTORY ${PROJECT_SOURCE_DIR}/src/resources/icons/hicolor
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons
        FILES_MATCHING PATTERN "quillary.png")
install(FILES ${PROJECT_SOURCE_DIR}/src/resources/artwork/quillary.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)

# `cpack -G DEB` in the build folder gives quillary_<version>_<arch>.deb.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME quillary)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})   # all four parts, not just major.minor.patch
set(CPACK_PACKAGE_VENDOR Halvex)
set(CPACK_PACKAGE_CONTACT "Halvex Technical Support <support@halvex.example>")
set(CPACK_PACKAGE_HOMEPAGE_URL https://www.halvex.example)
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "configuration file editor for the Halvex PLX7 audio player")
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
    "Quillary prepares config.txt, the plain-text configuration file of the Halvex\n\
PLX7 audio player: its identifier, volume, energy saving, serial monitoring,\n\
boot folder, the functions of its inputs and buttons and its baud rate. It\n\
reads an existing file back with a line-by-line report, and speaks English\n\
and French. quillary-cli checks and writes such files from scripts.")
set(CPACK_DEBIAN_PACKAGE_NAME quillary)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Qt's own translations (file dialogs, progress dialogs, standard buttons), which the
# program loads beside its own; dpkg-shlibdeps cannot see them, as they are no library.
if(QT_VERSION_MAJOR EQUAL 5)
    set(CPACK_DEBIAN_PACKAGE_DEPENDS qttranslations5-l10n)
else()
    set(CPACK_DEBIAN_PACKAGE_DEPENDS qt6-translations-l10n)
endif()
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
include(CPack)
