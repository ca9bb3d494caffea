# Cross-compiles the core for Linux on 32-bit x86 (Debian's i386) with
# Debian's cross compiler, against the i386 libraries installed beside this
# machine's own, with the 32-bit Windows program's arithmetic: its suite
# stands in for that program's where no Wine here runs 32-bit code.
set(CMAKE_SYSTEM_NAME Linux)
set(CMAKE_SYSTEM_PROCESSOR i686)
set(CMAKE_C_COMPILER i686-linux-gnu-gcc)
set(CMAKE_CXX_COMPILER i686-linux-gnu-g++)
set(CMAKE_LIBRARY_ARCHITECTURE i386-linux-gnu)
include(${CMAKE_CURRENT_LIST_DIR}/x86-32-doubles.cmake)
# The tests run under qemu-user, which finds the i386 loader and libraries
# where multiarch installs them. Debian 13 names it without -static.
find_program(QEMU_I386 NAMES qemu-i386-static qemu-i386 REQUIRED)
set(CMAKE_CROSSCOMPILING_EMULATOR ${QEMU_I386})
