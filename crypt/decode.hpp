// Decoding one line: every key letter (a lower-case vowel of "aeiouy") must be followed
// by the syllable "fa", which decoding removes.
//
// Time O(length of the line): one table look-up per byte. Memory O(1): a line decodes in
// place. Tested by tests/decoder_test.cpp against two decoders of the tests' own
// (testing/crypt_reference.hpp) on random lines.
#pragma once

#include <array>
#include <string>

// True for the key letters, indexed by the byte's unsigned value: one load per byte, where
// an ordered map would walk a tree.
extern std::array<bool, 256> key_letter;

// Decodes the line [from, to) into `out`, which is `from` itself or lies before it (the
// decoded text is never longer, so a line decodes in place) or is a buffer of its own.
// The byte at `to` must be readable and be neither 'f' nor 'a' (a line feed, a CR, a NUL):
// it stands in for the end of the line where a key letter looks at what follows it.
// Returns the end of the decoded text, or nullptr when the line is not a valid encoding
// (what was written to `out` is then of no use).
char* decodeLine(const char* from, const char* to, char* out);

// Returns true, leaving the line as it was, when it is not a valid encoding; otherwise
// replaces it with its decoded text and returns false.
bool impossible(std::string& line);
