# Cross-builds the set for 64-bit ARM Linux with Debian's g++-aarch64-linux-gnu. The five
# programs are linked statically, so that they run on any ARM64 Linux whatever its C
# library; on this machine they run under qemu's user-mode emulator (package qemu-user),
# and so do the in-process tests, linked against the cross compiler's libraries, which -L
# shows qemu.
set(CMAKE_SYSTEM_NAME Linux)
set(CMAKE_SYSTEM_PROCESSOR aarch64)

set(CMAKE_C_COMPILER aarch64-linux-gnu-gcc)
set(CMAKE_CXX_COMPILER aarch64-linux-gnu-g++)
set(CMAKE_CROSSCOMPILING_EMULATOR qemu-aarch64 -L /usr/aarch64-linux-gnu)

set(CMAKE_FIND_ROOT_PATH /usr/aarch64-linux-gnu)
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

set(SOLVERS_STATIC_PROGRAMS ON)
