# Cross-builds the set as WebAssembly modules for WASI (wasm32-wasi) with Debian's clang 14
# (packages wasi-libc, libc++-14-dev-wasm32, libc++abi-14-dev-wasm32,
# libclang-rt-14-dev-wasm32, lld-14). Each program becomes PROGRAM.wasm; on this machine it
# runs under Node with the project's runner, web/wasi-run.mjs, and the page in web/ runs
# the same modules in a browser.
set(CMAKE_SYSTEM_NAME WASI)
set(CMAKE_SYSTEM_PROCESSOR wasm32)
list(APPEND CMAKE_MODULE_PATH ${CMAKE_CURRENT_LIST_DIR})  # Platform/WASI.cmake

set(CMAKE_C_COMPILER clang)
set(CMAKE_CXX_COMPILER clang++)
set(CMAKE_C_COMPILER_TARGET wasm32-wasi)
set(CMAKE_CXX_COMPILER_TARGET wasm32-wasi)

# clang 14 has no exception handling for WebAssembly, and the programs throw nothing: a
# failed allocation ends in their new-handlers. The stack is placed below the static data, so that
# a stack that overflows traps on an address below zero instead of writing over the data.
get_filename_component(solvers_top ${CMAKE_CURRENT_LIST_DIR}/.. ABSOLUTE)
set(CMAKE_CXX_FLAGS_INIT -fno-exceptions)
set(CMAKE_EXE_LINKER_FLAGS_INIT -Wl,--stack-first)

# Node runs a module with the project's small WASI runner.
set(CMAKE_CROSSCOMPILING_EMULATOR node ${solvers_top}/web/wasi-run.mjs)

set(CMAKE_FIND_ROOT_PATH /usr/lib/wasm32-wasi /usr/include/wasm32-wasi)
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
