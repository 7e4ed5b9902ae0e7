# What the toolchain files of the Linux cross-builds share, included after each has set
# CMAKE_SYSTEM_PROCESSOR and `triple`, the prefix of Debian's cross tools for it. On this
# machine the programs run under qemu's user-mode emulator (package qemu-user), and so do
# the in-process tests, linked against the cross compiler's libraries, which -L shows qemu
# (the presets link the programs statically, so that they run on any Linux of that
# processor whatever its C library).
set(CMAKE_SYSTEM_NAME Linux)

set(CMAKE_C_COMPILER ${triple}-gcc)
set(CMAKE_CXX_COMPILER ${triple}-g++)
set(CMAKE_CROSSCOMPILING_EMULATOR qemu-${CMAKE_SYSTEM_PROCESSOR} -L /usr/${triple})

set(CMAKE_FIND_ROOT_PATH /usr/${triple})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
