# Builds for the browser with Debian's emscripten: its own toolchain file,
# with what every build of this project needs on top.
#
# em++ leaves exceptions off unless every compile and link step asks for them.
# WebAssembly's own exceptions (every current browser and Node have them)
# cost nothing until one is thrown, where emscripten's JavaScript ones make
# the core several times slower.
set(CMAKE_C_FLAGS_INIT "-fwasm-exceptions")
set(CMAKE_CXX_FLAGS_INIT "-fwasm-exceptions")
set(CMAKE_EXE_LINKER_FLAGS_INIT "-fwasm-exceptions")
# Node runs the tests and the build-time generators; its own fetch would try
# to fetch the .wasm beside a module instead of reading it from disk.
find_program(NODE node REQUIRED)
set(CMAKE_CROSSCOMPILING_EMULATOR ${NODE} --no-experimental-fetch)
include(/usr/share/emscripten/cmake/Modules/Platform/Emscripten.cmake)
# em++'s optimiser needs Debian's acorn, which this Node does not look for.
set(CMAKE_CXX_LINKER_LAUNCHER env NODE_PATH=/usr/share/nodejs)
# GMP built for wasm (scripts/build-web).
list(APPEND CMAKE_FIND_ROOT_PATH ${TRIANGLE_AREA_WEB_PREFIX})
# The release the page ships: compiled for speed, where -Oz leaves the core
# three times slower for about 2 KB of gzip, and linked for size.
set(CMAKE_CXX_FLAGS_RELEASE "-O2 -DNDEBUG" CACHE STRING "")
set(CMAKE_EXE_LINKER_FLAGS_RELEASE "-Oz" CACHE STRING "")
# Header-only libraries the core takes from this machine (fast_float) are
# looked for here; every other search stays within the wasm folders.
list(APPEND CMAKE_INCLUDE_PATH /usr/include)
