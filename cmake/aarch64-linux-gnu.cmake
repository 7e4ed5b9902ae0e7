# Cross-builds the set for 64-bit ARM Linux with Debian's g++-aarch64-linux-gnu, run here
# under qemu-aarch64.
set(CMAKE_SYSTEM_PROCESSOR aarch64)
set(triple aarch64-linux-gnu)
include(${CMAKE_CURRENT_LIST_DIR}/linux-cross.cmake)
