// crypt.in, read whole into one buffer of the program's own: the decoded lines are kept in
// that same buffer, in place of the input they came from. A failed read keeps its reason.
#pragma once

#include <cstddef>

// The input read so far: input[0, inputEnd). One byte more, input[inputEnd], may always be
// written. The buffer moves when it grows: keep positions in it, not pointers.
extern char* input;
extern std::size_t inputEnd;

// Makes the first read, before the output file is created, and returns readError().
int firstReadError();

// Reads more of the input behind inputEnd, growing the buffer when it is full (out of
// memory goes to the program's new handler). False, with nothing read, once the input is
// over (or a read failed). On Windows the DOS end-of-file mark is then no longer part of it.
bool readMore();

// The reason (an errno value) of the read error that ended the input, or 0.
int readError();
