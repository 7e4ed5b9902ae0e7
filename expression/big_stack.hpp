// The parser and the walk recurse once per nesting level, and the deepest line the
// capacity allows needs far more stack than the 8 MiB Linux gives the main thread by
// default, whatever `ulimit -s` says.
#pragma once

#include <cstddef>

// Runs body() on a stack of at least `bytes` bytes and stores its result in `status`:
// on the stack the program started with when its limit leaves room for that, else on a
// new thread with a stack of that size. Returns 0, or the error number when the thread
// cannot be started.
int runWithStack(std::size_t bytes, int (*body)(), int& status);
