# Cross-compiles for Windows with Debian's mingw-w64 (POSIX threads, so that
# the C++ library has std::thread and friends): 64-bit x86 by default, or
# 32-bit with -DTRIANGLE_AREA_WINDOWS_ARCH=x86.
set(TRIANGLE_AREA_WINDOWS_ARCH x64 CACHE STRING "Windows architecture: x64 or x86")
list(APPEND CMAKE_TRY_COMPILE_PLATFORM_VARIABLES TRIANGLE_AREA_WINDOWS_ARCH)
set(CMAKE_SYSTEM_NAME Windows)
if(TRIANGLE_AREA_WINDOWS_ARCH STREQUAL "x64")
  set(CMAKE_SYSTEM_PROCESSOR x86_64)
elseif(TRIANGLE_AREA_WINDOWS_ARCH STREQUAL "x86")
  set(CMAKE_SYSTEM_PROCESSOR i686)
  # Doubles in SSE2 registers, rounded once to binary64 as on every other
  # target, not in the x87's 64-bit mantissas; Windows' callbacks may come
  # with the stack aligned to 4 bytes only, which SSE's spills need at 16.
  set(CMAKE_C_FLAGS_INIT "-msse2 -mfpmath=sse -mstackrealign")
  set(CMAKE_CXX_FLAGS_INIT "-msse2 -mfpmath=sse -mstackrealign")
else()
  message(FATAL_ERROR "TRIANGLE_AREA_WINDOWS_ARCH is x64 or x86, not ${TRIANGLE_AREA_WINDOWS_ARCH}")
endif()
set(mingw ${CMAKE_SYSTEM_PROCESSOR}-w64-mingw32)
set(CMAKE_C_COMPILER ${mingw}-gcc-posix)
set(CMAKE_CXX_COMPILER ${mingw}-g++-posix)
set(CMAKE_RC_COMPILER ${mingw}-windres)
set(CMAKE_FIND_ROOT_PATH /usr/${mingw} ${TRIANGLE_AREA_WINDOWS_PREFIX})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
# One exe that needs no DLL beside the system's own.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static -static-libgcc -static-libstdc++")
set(CMAKE_CROSSCOMPILING_EMULATOR wine)
