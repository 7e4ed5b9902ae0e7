// Decoding one line: every key letter (a lower-case vowel of "aeiouy") must be followed
// by the syllable "fa", which decoding removes.
#pragma once

#include <map>
#include <string>

// True for the key letters; every other character looked up is added as false.
extern std::map<char, bool> key_letter;

// Returns true, leaving the line as it was, when it is not a valid encoding; otherwise
// replaces it with its decoded text and returns false.
bool impossible(std::string& line);
