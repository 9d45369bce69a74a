# SPDX-License-Identifier: GPL-3.0-or-later
# The program for web browsers, built to WebAssembly with Debian's emscripten and tested under
# Node.js. Used by scripts/build-web:
#   cmake -DCMAKE_TOOLCHAIN_FILE=cmake/emscripten.cmake ...
include(/usr/share/emscripten/cmake/Modules/Platform/Emscripten.cmake)

# emscripten runs its own JavaScript tools under node, and they need Debian's JavaScript
# packages (node-acorn): Debian's node finds them in /usr/share/nodejs, another node (such as
# NodeSource's) only through NODE_PATH. The link is where those tools run.
set(CMAKE_CXX_LINKER_LAUNCHER ${CMAKE_COMMAND} -E env NODE_PATH=/usr/share/nodejs)

# C++ exceptions on, so that a failure inside a handler reaches the general error box instead of
# ending the program. emscripten's JavaScript-based exceptions, since its WebAssembly exceptions
# cannot be combined with Asyncify, which lets a handler wait for a modal window, in this
# version.
set(CMAKE_CXX_FLAGS_INIT "-fexceptions")
# Each program instantiates its WebAssembly at once: under node, the asynchronous way would
# fetch() the file by its path, which node's fetch refuses.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-fexceptions -sWASM_ASYNC_COMPILATION=0")

# Test programs run under node; their tests are listed when they run, as on the Windows build.
find_program(NODE_PROGRAM NAMES node nodejs REQUIRED)
set(CMAKE_CROSSCOMPILING_EMULATOR ${NODE_PROGRAM})
set(CMAKE_GTEST_DISCOVER_TESTS_DISCOVERY_MODE PRE_TEST)
