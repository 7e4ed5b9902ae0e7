// expression.in, read through a buffer of the program's own. Integers are taken byte by byte
// and refused at the first byte that cannot belong to one, so no token is ever held whole
// (a file of NUL bytes is refused at once), and a failed read keeps its reason.
#pragma once

#include <cstddef>
#include <string>

enum class Read { ok, missing, notInteger, outOfRange };

// Reads the first line into `line`, without its line feed. False when it is longer than
// `capacity` bytes: it is then never read further.
bool readLine(std::string& line, std::size_t capacity);

// Reads the next white-space-delimited token as a signed 32-bit decimal integer: an
// optional sign and at least one digit, any number of leading zeros.
Read readInt(int& value);

// The start of the token the last read refused, as messages show it: at most 40 bytes,
// each that is not printable ASCII as \xNN, and "..." when it goes on.
std::string refusedToken();

// What is wrong with the integer readInt refused with `read` (notInteger or outOfRange),
// as a message goes on after the item's name: " is not an integer: 1x".
std::string whatIsWrong(Read read);

// An input byte as messages show it: itself when it is printable ASCII, else \xNN.
std::string shown(char c);

// Makes the first read, before the output file is created, and returns readError().
int firstReadError();

// The reason (an errno value) of the read error that ended the input, or 0.
int readError();
