// How much stack a line needs in this very build. The parser and the walk recurse once per
// nesting level; what a level costs depends on the compiler, its version and its flags, so
// it is measured when the program starts, by running the real parser and walk on a few
// small nested lines and seeing how far down the stack they wrote.
#pragma once

#include <cstddef>

// Measures what a nesting level costs the parser and the walk, on the stack the program
// was started with when that has room for it, else on a small thread. Returns 0, or the
// error number of runWithStack (big_stack.hpp) for the stack of `bytes` that it asked
// for. It parses and walks lines of its own, which the line's own parse then overwrites.
int measureStack(std::size_t& bytes);

// The stack that parsing and walking a line of `length` characters, nested `depth` deep,
// takes, with a margin for what runs below the deepest level and above the first (the
// assertion report, an out-of-memory message). Needs measureStack() first.
std::size_t stackBytes(int depth, int length);
