// expression.in, read through a buffer of the program's own, one item a call: each call reads
// the item, checks its range and, when it is not what the input must hold there, ends the
// run with the one line that says so. Integers are taken byte by byte and refused at the
// first byte that cannot belong to one, so no token is ever held whole (a file of NUL
// bytes is refused at once), and a failed read keeps its reason.
#pragma once

#include <cstddef>
#include <string>

constexpr std::size_t kShown = 40;  // bytes of a token that a message shows

// Reads the first line into `line`, without its line feed; `fed` tells whether a line feed
// ended it, rather than the end of the input. False when it is longer than `capacity`
// bytes: it is then never read further.
bool readLine(std::string& line, std::size_t capacity, bool& fed);

// Reads the next white-space-delimited token as a decimal integer from lo to hi: an
// optional sign and at least one digit, any number of leading zeros. A refusal names the
// item by `stem` ("n"), with `number` after it when there is one ("value 3"); nothing is
// formatted unless the item is refused.
int readInt(int lo, int hi, const char* stem, int number = 0);

// Whether nothing but white space is left of the input.
bool atEnd();

// An input byte as messages show it: itself when it is printable ASCII, else \xNN.
std::string shown(char c);

// Makes the first read, before the output file is created, and returns readError().
int firstReadError();

// The reason (an errno value) of the read error that ended the input, or 0.
int readError();

// The program's own, in main.cpp: its one-line refusal, its refusal of an input that
// cannot be read, and what its refusal says of the input when it ends before the item.
[[noreturn]] void reject(const std::string& what);
[[noreturn]] void cannotRead();
std::string endsEarly(const char* stem, int number);
