# Cross-builds the set for IBM Z (s390x) Linux with Debian's g++-s390x-linux-gnu, run here
# under qemu-s390x: a machine that stores the highest byte of a word first, which no other
# build tries.
set(CMAKE_SYSTEM_PROCESSOR s390x)
set(triple s390x-linux-gnu)
include(${CMAKE_CURRENT_LIST_DIR}/linux-cross.cmake)
