# Builds for the browser with Debian's emscripten: its own toolchain file,
# with what every build of this project needs on top.
#
# em++ leaves exceptions off unless every compile and link step asks for them.
set(CMAKE_C_FLAGS_INIT "-fexceptions")
set(CMAKE_CXX_FLAGS_INIT "-fexceptions")
set(CMAKE_EXE_LINKER_FLAGS_INIT "-fexceptions")
# Node runs the tests and the build-time generators; its own fetch would try
# to fetch the .wasm beside a module instead of reading it from disk.
find_program(NODE node REQUIRED)
set(CMAKE_CROSSCOMPILING_EMULATOR ${NODE} --no-experimental-fetch)
include(/usr/share/emscripten/cmake/Modules/Platform/Emscripten.cmake)
# em++'s optimiser needs Debian's acorn, which this Node does not look for.
set(CMAKE_CXX_LINKER_LAUNCHER env NODE_PATH=/usr/share/nodejs)
# GMP built for wasm (scripts/build-web).
list(APPEND CMAKE_FIND_ROOT_PATH ${TRIANGLE_AREA_WEB_PREFIX})
# The page's module is built for size: -Oz, where CMake would add -Os.
set(CMAKE_CXX_FLAGS_MINSIZEREL "-Oz -DNDEBUG" CACHE STRING "")
set(CMAKE_EXE_LINKER_FLAGS_MINSIZEREL "-Oz" CACHE STRING "")
# Header-only libraries the core takes from this machine (fast_float) are
# looked for here; every other search stays within the wasm folders.
list(APPEND CMAKE_INCLUDE_PATH /usr/include)
