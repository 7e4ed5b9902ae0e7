// Decimal string arithmetic: numbers of any length as digit strings (most significant
// digit first, leading zeros allowed), sums kept only as residues modulo 1000000007.
#pragma once

#include <cstddef>
#include <string>

// Adds x to the residue acc and brings the sum back into 0..1000000006 with one
// correction; both are residues, so the sum lies from -P to 2P - 1.
void add(int& acc, int x);

// The residue of any 64-bit value, negative ones included.
int mmod(long long x);

// Puts count '0' characters in front of s; with count 0, s is left untouched.
void addZeroes(std::string& s, std::size_t count);

// The sum modulo 1000000007 of the numbers the counting walk visits from a up to b, a
// itself excluded: the units are stepped until they match b's, then the tens, and so on.
// a must not denote a greater number than b; a and b are left unchanged.
int addDifference(const std::string& a, const std::string& b);
