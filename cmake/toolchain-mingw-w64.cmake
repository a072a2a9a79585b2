# Cross-building for 64-bit Windows with Debian's MinGW-w64 (posix thread model: Qt and the
# program use std::thread). Libraries built for Windows are searched only under
# CMAKE_FIND_ROOT_PATH (the MinGW sysroot and whatever the caller adds), never on the host.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(mingw_triple x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${mingw_triple}-gcc-posix)
set(CMAKE_CXX_COMPILER ${mingw_triple}-g++-posix)
set(CMAKE_RC_COMPILER ${mingw_triple}-windres)
list(APPEND CMAKE_FIND_ROOT_PATH /usr/${mingw_triple})
# scripts/build-windows installs the cross-built Qt, pugixml and libcurl under this prefix.
if(DEFINED ENV{VOLTARIS_WINDOWS_PREFIX})
  list(APPEND CMAKE_FIND_ROOT_PATH $ENV{VOLTARIS_WINDOWS_PREFIX})
  set(ENV{PKG_CONFIG_LIBDIR} $ENV{VOLTARIS_WINDOWS_PREFIX}/lib/pkgconfig)
endif()
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
# Test programs run under Wine when CMake or GoogleTest needs to execute them.
set(CMAKE_CROSSCOMPILING_EMULATOR wine)
