// Decimal string arithmetic: numbers of any length as digit strings (most significant
// digit first, leading zeros allowed), sums kept only as residues modulo 1000000007.
//
// Time O(L) for a walk or a residue over strings of L digits, eight places at a time.
// Memory O(1) beyond the strings. Tested by tests/arithmetic_test.cpp against the walk
// number by number and in closed form (testing/subsequence_reference.hpp).
#pragma once

#include <algorithm>
#include <cstddef>
#include <string>

constexpr int P = 1000000007;

// Adds x to the residue acc and brings the sum back into 0..1000000006 with one
// correction; both are residues, so the sum lies from -P to 2P - 1. A sum of residues
// passes P at random, where a branch would be mispredicted about every other time, so the
// correction takes the smaller of the sum and the sum less P as unsigned values (the latter
// wraps round below P). A negative sum, which two residues never make, gets P back.
inline void add(int& acc, int x) {
  int sum = acc + x;
  if (sum < 0) sum += P;
  acc = static_cast<int>(std::min(static_cast<unsigned>(sum), static_cast<unsigned>(sum - P)));
}

// The residue of any 64-bit value, negative ones included. One division: a remainder
// below 0 lies above -P, so adding P once brings it into range.
inline int mmod(long long x) {
  const long long r = x % P;
  return static_cast<int>(r < 0 ? r + P : r);
}

// The residue modulo 1000000007 of the number a digit string denotes; 0 for "".
int residue(const std::string& s);

// Puts count '0' characters in front of s; with count 0, s is left untouched.
void addZeroes(std::string& s, std::size_t count);

// The sum modulo 1000000007 of the numbers the counting walk visits from a up to b, a
// itself excluded: the units are stepped until they match b's, then the tens, and so on.
// a must not denote a greater number than b; a and b are left unchanged.
int addDifference(const std::string& a, const std::string& b);

// The same walk when V already holds the residue of a; V is left holding the residue of
// b, where the walk ends, so that a chain of walks takes each number's residue only once.
int addDifference(const std::string& a, const std::string& b, int& V);
