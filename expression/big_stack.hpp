// The parser and the walk recurse once per nesting level, and the deepest line the
// capacity allows needs far more stack than the 8 MiB Linux gives the main thread by
// default. This runs the program's body on a thread with a stack of an explicit size,
// whatever `ulimit -s` says.
#pragma once

#include <cstddef>

// Runs body() on a new thread with a stack of `bytes` bytes and waits for it; stores its
// result in `status`. Returns 0, or the error number when the thread cannot be started.
int runWithStack(std::size_t bytes, int (*body)(), int& status);
