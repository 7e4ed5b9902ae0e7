// The parser and the walk recurse once per nesting level, and the deepest line the
// capacity allows needs far more stack than the 8 MiB Linux gives the main thread by
// default, whatever `ulimit -s` says.
#pragma once

#include <cstddef>

// Runs body() on a stack of at least `bytes` bytes and stores its result in `status`:
// on the stack the program started with when that surely holds it, else on a new thread
// with a stack of that size. Returns 0; ENOMEM when there is no memory for that stack;
// else the error number of a thread that cannot be started (a thread limit).
int runWithStack(std::size_t bytes, int (*body)(), int& status);
