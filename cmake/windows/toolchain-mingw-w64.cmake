# Cross-compiling for Windows with Debian's MinGW-w64 (POSIX threads flavour).
# QUILLARY_WINDOWS_ARCH is x86_64 (the default) or i686; scripts/build-windows.sh sets it.
set(QUILLARY_WINDOWS_ARCH "x86_64" CACHE STRING "Windows target: x86_64 or i686")
list(APPEND CMAKE_TRY_COMPILE_PLATFORM_VARIABLES QUILLARY_WINDOWS_ARCH)
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR ${QUILLARY_WINDOWS_ARCH})
set(_triple ${QUILLARY_WINDOWS_ARCH}-w64-mingw32)
set(CMAKE_C_COMPILER ${_triple}-gcc-posix)
set(CMAKE_CXX_COMPILER ${_triple}-g++-posix)
set(CMAKE_RC_COMPILER ${_triple}-windres)
set(CMAKE_FIND_ROOT_PATH /usr/${_triple})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
# Qt's own package folders are named by Qt5_DIR; the host's LinguistTools too.
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE BOTH)
