# WASI, which CMake 3.25 does not know: a system without shared libraries whose
# executables are WebAssembly modules.
include(Platform/Generic)
set(CMAKE_EXECUTABLE_SUFFIX .wasm)
