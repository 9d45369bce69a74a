# SPDX-License-Identifier: GPL-3.0-or-later
# The program for 64-bit Windows, cross-built with Debian's MinGW-w64 (posix threads, for
# std::thread and std::mutex in libstdc++) and tested under Wine. Used by scripts/build-windows:
#   cmake -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake ...
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(mingw_target x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${mingw_target}-gcc-posix)
set(CMAKE_CXX_COMPILER ${mingw_target}-g++-posix)
set(CMAKE_RC_COMPILER ${mingw_target}-windres)

# Libraries and headers of the target only; programs (Wine, NSIS) from the build machine.
set(CMAKE_FIND_ROOT_PATH /usr/${mingw_target})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# Static: the C++ runtime and the threads library inside each .exe, so that a program runs
# with nothing beside it on any Windows.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static -static-libgcc -static-libstdc++")

# Test programs run under Wine, in a Wine prefix of the build folder's own that the first run
# creates. WINEDEBUG=-all keeps Wine's notes out of the test logs; without Mono and Gecko,
# which no test needs, a new prefix does not offer to install them.
find_program(WINE_PROGRAM wine REQUIRED)
set(CMAKE_CROSSCOMPILING_EMULATOR
    ${CMAKE_COMMAND} -E env WINEPREFIX=${CMAKE_BINARY_DIR}/wine WINEDEBUG=-all WINEDLLOVERRIDES=mscoree,mshtml=
    ${WINE_PROGRAM})
# Test programs list their tests when the tests run, under the Wine server that
# scripts/build-windows starts, not in the build.
set(CMAKE_GTEST_DISCOVER_TESTS_DISCOVERY_MODE PRE_TEST)
