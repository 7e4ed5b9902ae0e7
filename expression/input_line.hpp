// What expression reads beyond the integers of its token reader (input.hpp): the line
// before them, and whether any input is left after it.
#pragma once

#include <cstddef>
#include <string>

// Reads the first line into `line`, without its line feed; `fed` tells whether a line feed
// ended it, rather than the end of the input. False when it is longer than `capacity`
// bytes: it is then never read further.
bool readLine(std::string& line, std::size_t capacity, bool& fed);

// Whether nothing but white space is left of the input.
bool atEnd();
