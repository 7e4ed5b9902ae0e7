// Two ways of the subsequence tests to know the answer without the program's walk.
#pragma once

#include <algorithm>
#include <cstdint>
#include <string>
#include <vector>

#include "rng.hpp"

namespace subsequence_test {

constexpr long long kModulus = 1000000007;

// The walk number by number in ordinary integers: add the power of ten at the lowest
// digit where x and b differ, until x is b. Numbers of up to 18 digits.
inline long long walkByNumbers(std::uint64_t x, std::uint64_t b) {
  long long sum = 0;
  while (x != b) {
    std::uint64_t power = 1;
    while (x / power % 10 == b / power % 10) power *= 10;
    x += power;
    sum = (sum + static_cast<long long>(x % kModulus)) % kModulus;
  }
  return sum;
}

// The same sum in closed form, position by position, for digit strings of any length.
// Before position k is stepped, the current number agrees with b below k, and above it
// equals a's digits plus one carry exactly when a's last k digits exceed b's; it then
// takes s steps of 10^k, s making its digit k equal to b's.
inline long long walkInClosedForm(std::string a, std::string b) {
  const std::size_t L = std::max(a.size(), b.size());
  a.insert(0, L - a.size(), '0');
  b.insert(0, L - b.size(), '0');
  std::vector<long long> high(L + 1, 0);  // high[k]: a's digits from position k up, mod kModulus
  for (std::size_t k = L; k-- > 0;) high[k] = (high[k + 1] * 10 + (a[L - 1 - k] - '0')) % kModulus;
  long long total = 0, low = 0, power = 1;  // low: b's digits below k; power: 10^k
  int compareLow = 0;                       // sign of (a's last k digits - b's last k digits)
  for (std::size_t k = 0; k < L; ++k) {
    int ak = a[L - 1 - k] - '0', bk = b[L - 1 - k] - '0';
    int carry = compareLow > 0 ? 1 : 0;
    long long steps = (bk - (ak + carry) % 10 + 10) % 10;
    long long before = ((high[k] + carry) % kModulus * power + low) % kModulus;
    total = (total + steps * before + power * (steps * (steps + 1) / 2)) % kModulus;
    low = (low + bk * power) % kModulus;
    power = power * 10 % kModulus;
    if (ak != bk) compareLow = ak > bk ? 1 : -1;
  }
  return total;
}

// Compares the numbers two digit strings denote, leading zeros aside.
inline int compareNumbers(const std::string& x, const std::string& y) {
  std::size_t i = std::min(x.find_first_not_of('0'), x.size());
  std::size_t j = std::min(y.find_first_not_of('0'), y.size());
  if (x.size() - i != y.size() - j) return x.size() - i < y.size() - j ? -1 : 1;
  return x.compare(i, std::string::npos, y, j, std::string::npos);
}

inline std::uint64_t powerOfTen(long long k) {
  std::uint64_t p = 1;
  while (k-- > 0) p *= 10;
  return p;
}

inline std::string randomDigits(testing_support::Rng& rng, std::size_t length) {
  std::string s(length, '0');
  for (char& c : s) c = static_cast<char>('0' + rng.uniform(0, 9));
  return s;
}

inline long long residueOf(const std::string& digits) {
  long long r = 0;
  for (char c : digits) r = (r * 10 + (c - '0')) % kModulus;
  return r;
}

// The program's answer for a non-decreasing list of words, by the closed form.
inline long long chainSum(const std::vector<std::string>& words) {
  long long sum = residueOf(words[0]);
  for (std::size_t j = 0; j + 1 < words.size(); ++j) {
    sum = (sum + walkInClosedForm(words[j], words[j + 1])) % kModulus;
  }
  return sum;
}

}  // namespace subsequence_test
