// crypt.in, read through a buffer of the program's own, so that a failed read keeps its
// reason.
#pragma once

#include <string>

// Reads the next line into `line`, without its line feed (on Windows, without the CR of a
// CR LF); every other byte belongs to it.
// False when the input is over (or a read failed) before the line's first byte.
bool readLine(std::string& line);

// Makes the first read, before the output file is created, and returns readError().
int firstReadError();

// The reason (an errno value) of the read error that ended the input, or 0.
int readError();
