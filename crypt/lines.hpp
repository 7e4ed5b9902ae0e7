// The input buffer's lines, decoded in place: the decoded lines, each with its line feed,
// gather at the buffer's front, where they are ready to be written with one call.
#pragma once

#include <cstddef>

// text[0, decodedEnd) holds the decoded lines; text[lineStart, ...) is input not yet
// decoded (the start of a line).
extern std::size_t decodedEnd;
extern std::size_t lineStart;

// Decodes every line of text[lineStart, end) that its line feed ends (on Windows a CR LF
// ends it too, without the CR). False at the first line that is not a valid encoding.
bool decodeLines(char* text, std::size_t end);

// Decodes text[lineStart, end), the last line, which no line feed ends, if it has a byte;
// text[end] is written over. False when it is not a valid encoding.
bool decodeLastLine(char* text, std::size_t end);
