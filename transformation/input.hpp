// A deliberate copy: the same bytes in transformation/, expression/, stack/ and
// subsequence/, compared by testing/copies_test.cpp. What a program reads beyond integers
// stands in a file of its own, made of the calls at the end.
//
// The input file, read through a buffer of the program's own, one item a call: each call
// reads the item, checks its range and, when it is not what the input must hold there,
// ends the run with the one line that says so. Integers are taken byte by byte and refused
// at the first byte that cannot belong to one, so no token is ever held whole (a file of
// NUL bytes is refused at once), and a failed read keeps its reason.
#pragma once

#include <cstddef>
#include <string>

constexpr std::size_t kShown = 40;  // bytes of a token that a message shows

// Reads the next white-space-delimited token as a decimal integer from lo to hi: an
// optional sign and at least one digit, any number of leading zeros. A refusal names the
// item by `stem` ("n"), with `number` after it when there is one ("value 3"); nothing is
// formatted unless the item is refused.
int readInt(int lo, int hi, const char* stem, int number = 0);

// Makes the first read, before the output file is created, and returns readError().
int firstReadError();

// The reason (an errno value) of the read error that ended the input, or 0.
int readError();

// An input byte as messages show it: itself when it is printable ASCII, else \xNN.
std::string shown(char c);

// The program's own: what its refusal says of the input when it ends before the item.
std::string endsEarly(const char* stem, int number);

// What a program reads beyond integers, in a file of its own, goes through the same buffer:
// buffered() points at the bytes read and not yet taken, reading more when there are none,
// and says how many (0 once the input is over); pass() takes that many of them at once.
std::size_t buffered(const unsigned char*& bytes);
void pass(std::size_t count);
inline bool isBlank(int c) {
  return c == ' ' || (c >= '\t' && c <= '\r');
}

// Refuses the item named by stem and number as readInt words its refusals: missing, when
// nothing is `taken` and the input is over (c is EOF); else the token that starts with
// `taken` and goes on with byte c is wrong as `wrong` says (" is not an integer: "), which
// the token's first bytes follow.
[[noreturn]] void refuseToken(const char* stem, int number, const char* wrong,
                              const std::string& taken, int c);
