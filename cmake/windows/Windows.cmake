# The Windows build (cross-compiled with MinGW-w64 by scripts/build-windows.sh): the
# runtime DLLs that ship beside the program, and running its programs under Wine.

# The compiler's own runtime: libstdc++, libgcc and winpthreads, as DLLs beside the program.
set(QUILLARY_MINGW_RUNTIME_DLLS)
foreach(dll libstdc++-6.dll libgcc_s_seh-1.dll libgcc_s_dw2-1.dll libwinpthread-1.dll)
    execute_process(COMMAND ${CMAKE_CXX_COMPILER} -print-file-name=${dll}
                    OUTPUT_VARIABLE path OUTPUT_STRIP_TRAILING_WHITESPACE)
    if(NOT EXISTS "${path}")
        # winpthreads lives with the target's libraries rather than the compiler's.
        set(path /usr/${CMAKE_SYSTEM_PROCESSOR}-w64-mingw32/lib/${dll})
    endif()
    if(EXISTS "${path}")
        list(APPEND QUILLARY_MINGW_RUNTIME_DLLS "${path}")
    endif()
endforeach()
message(STATUS "MinGW runtime DLLs: ${QUILLARY_MINGW_RUNTIME_DLLS}")

# Qt's install folder, from where its CMake files were found.
get_filename_component(QUILLARY_QT_PREFIX "${Qt5_DIR}/../../.." ABSOLUTE)

# Every Windows program of the build (tests included) runs under Wine through this
# wrapper, with a Wine prefix of its own in the build folder; ctest puts it in front
# of each test program.
# Wine's own loader for the programs' architecture: Debian's `wine` picks the 32-bit one
# whenever wine32 is installed, which a 64-bit-only Wine prefix cannot serve.
find_program(QUILLARY_WINE wine)
if(CMAKE_SIZEOF_VOID_P EQUAL 8)
    set(QUILLARY_WINEARCH win64)
    find_program(QUILLARY_WINE_LOADER wine64 PATHS /usr/lib/wine NO_DEFAULT_PATH)
else()
    set(QUILLARY_WINEARCH win32)
    find_program(QUILLARY_WINE_LOADER wine PATHS /usr/lib/wine NO_DEFAULT_PATH)
endif()
if(NOT QUILLARY_WINE_LOADER)
    set(QUILLARY_WINE_LOADER "${QUILLARY_WINE}")
endif()
if(QUILLARY_WINE AND NOT CMAKE_CROSSCOMPILING_EMULATOR)
    set(QUILLARY_DLL_DIRS "${QUILLARY_QT_PREFIX}/bin")
    foreach(dll IN LISTS QUILLARY_MINGW_RUNTIME_DLLS)
        get_filename_component(dir "${dll}" DIRECTORY)
        list(APPEND QUILLARY_DLL_DIRS "${dir}")
    endforeach()
    list(REMOVE_DUPLICATES QUILLARY_DLL_DIRS)
    # Wine takes Windows paths; its drive Z: is the Unix root.
    string(REPLACE "/" "\\" QUILLARY_WINEPATH "${QUILLARY_DLL_DIRS}")
    list(TRANSFORM QUILLARY_WINEPATH PREPEND "Z:")
    string(REPLACE ";" "\\;" QUILLARY_WINEPATH "${QUILLARY_WINEPATH}")
    set(QUILLARY_WINEPREFIX "${PROJECT_BINARY_DIR}/wineprefix")
    configure_file(${CMAKE_CURRENT_LIST_DIR}/wine-run.sh.in ${PROJECT_BINARY_DIR}/wine-run.sh @ONLY
                   FILE_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE
                                    WORLD_READ WORLD_EXECUTE)
    set(CMAKE_CROSSCOMPILING_EMULATOR ${PROJECT_BINARY_DIR}/wine-run.sh)
endif()

# Arguments for a test program that makes a QApplication: Wine hides every QT_* variable
# from Windows programs, so the platform plugin is named on the command line.
set(QUILLARY_GUI_TEST_ARGS -platform offscreen)
