// subsequence.in, read through a buffer of the program's own. Integers and words are taken byte by
// byte and refused at the first byte that cannot belong to one, so no token is ever held whole (a
// file of NUL bytes is refused at once), and a failed read keeps its reason.
#pragma once

#include <cstddef>
#include <string>

constexpr std::size_t kShown = 40;  // bytes of a token or word that a message shows

enum class Read { ok, missing, notInteger, outOfRange };

// Reads the next white-space-delimited token as a signed 32-bit decimal integer: an
// optional sign and at least one digit, any number of leading zeros.
Read readInt(int& value);

// Reads the next white-space-delimited token into `word` when it is a run of decimal
// digits; refuses it (notInteger) at its first other byte.
Read readDigits(std::string& word);

// The start of the token the last read refused, as messages show it: at most kShown bytes,
// each that is not printable ASCII as \xNN, and "..." when it goes on.
std::string refusedToken();

// What is wrong with the integer readInt refused with `read` (notInteger or outOfRange),
// as a message goes on after the item's name: " is not an integer: 1x".
std::string whatIsWrong(Read read);

// Makes the first read, before the output file is created, and returns readError().
int firstReadError();

// The reason (an errno value) of the read error that ended the input, or 0.
int readError();
