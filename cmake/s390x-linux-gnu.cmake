# Cross-builds the set for IBM Z (s390x) Linux with Debian's g++-s390x-linux-gnu: a machine
# that stores the highest byte of a word first, which no other build tries. The five
# programs are linked statically, as for ARM64; on this machine they run under qemu's
# user-mode emulator (package qemu-user), and so do the in-process tests, linked against
# the cross compiler's libraries, which -L shows qemu.
set(CMAKE_SYSTEM_NAME Linux)
set(CMAKE_SYSTEM_PROCESSOR s390x)

set(CMAKE_C_COMPILER s390x-linux-gnu-gcc)
set(CMAKE_CXX_COMPILER s390x-linux-gnu-g++)
set(CMAKE_CROSSCOMPILING_EMULATOR qemu-s390x -L /usr/s390x-linux-gnu)

set(CMAKE_FIND_ROOT_PATH /usr/s390x-linux-gnu)
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

set(SOLVERS_STATIC_PROGRAMS ON)
