# Interface translations: LanguageData_<code>.ts in the repository, compiled to .qm
# files beside the executable, where the language switch finds them in the build
# tree. The folder the installed program searches comes from the same install
# variable the install rule uses.
set(QUILLARY_TRANSLATIONS_INSTALL_DIR "${CMAKE_INSTALL_DATADIR}/quillary/translations")
set_property(SOURCE core/language/translationlookup.cpp APPEND PROPERTY
    COMPILE_DEFINITIONS "QUILLARY_TRANSLATIONS_DIR=\"${QUILLARY_TRANSLATIONS_INSTALL_DIR}\"")

set(QUILLARY_TS_FILES
    ${CMAKE_CURRENT_SOURCE_DIR}/translations/LanguageData_en.ts
    ${CMAKE_CURRENT_SOURCE_DIR}/translations/LanguageData_fr.ts
)
get_target_property(_quillary_exe_dir quillary RUNTIME_OUTPUT_DIRECTORY)
if(NOT _quillary_exe_dir)
    set(_quillary_exe_dir "${CMAKE_CURRENT_BINARY_DIR}")
endif()
set_source_files_properties(${QUILLARY_TS_FILES} PROPERTIES OUTPUT_LOCATION "${_quillary_exe_dir}")
# Compiled by the lrelease of the Qt in use. qt_add_translation only reads the .ts
# files; qt_create_translation would rewrite them on every build.
qt_add_translation(_quillary_qm_files ${QUILLARY_TS_FILES})
add_custom_target(quillary_translations ALL DEPENDS ${_quillary_qm_files})
add_dependencies(quillary quillary_translations)

# For the install rule and the tests, wherever they are written.
set(QUILLARY_QM_FILES ${_quillary_qm_files} PARENT_SCOPE)
set(QUILLARY_TS_FILES ${QUILLARY_TS_FILES} PARENT_SCOPE)
set(QUILLARY_QM_DIR "${_quillary_exe_dir}" PARENT_SCOPE)
set(QUILLARY_TRANSLATIONS_INSTALL_DIR "${QUILLARY_TRANSLATIONS_INSTALL_DIR}" PARENT_SCOPE)
