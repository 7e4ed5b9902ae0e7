// What subsequence reads beyond the integers of its token reader (input.hpp): its words,
// runs of decimal digits of any length.
#pragma once

#include <string>

// Reads the next white-space-delimited token into `word` when it is a run of decimal
// digits; refuses it at its first other byte, naming it by `stem` and `number` as readInt
// does.
void readDigits(std::string& word, const char* stem, int number);
