# Cross-compiles for Linux on 64-bit ARM (Debian's arm64) with Debian's cross
# compiler, against the arm64 libraries installed beside this machine's own.
set(CMAKE_SYSTEM_NAME Linux)
set(CMAKE_SYSTEM_PROCESSOR aarch64)
set(CMAKE_C_COMPILER aarch64-linux-gnu-gcc)
set(CMAKE_CXX_COMPILER aarch64-linux-gnu-g++)
set(CMAKE_LIBRARY_ARCHITECTURE aarch64-linux-gnu)
# Qt's moc, uic and rcc are this machine's own.
set(QT_HOST_PATH /usr)
# Tests and the build's own tools run under qemu-user, which finds the arm64
# loader and libraries where multiarch installs them.
# Debian 13 names it without -static.
find_program(QEMU_AARCH64 NAMES qemu-aarch64-static qemu-aarch64 REQUIRED)
set(CMAKE_CROSSCOMPILING_EMULATOR ${QEMU_AARCH64})
