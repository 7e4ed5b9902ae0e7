// What expression reads beyond the integers of its token reader (input.hpp): the line
// before them, and whether any input is left after it.
#pragma once

#include <cstddef>
#include <string>

// Reads the first line into `line` as text mode reads it: without its line feed, or a
// carriage return right before that (a CR LF); a carriage return that ends the input is a
// byte of the line. False when it is longer than `capacity` bytes: it is then never read
// further.
bool readLine(std::string& line, std::size_t capacity);

// Whether nothing but white space is left of the input.
bool atEnd();
