// Two ways of the subsequence tests, and of the fuzzer's checker, to know a walk's sum
// without the program's arithmetic: number by number in machine integers, and in closed
// form, place by place, for digit strings of any length.
#pragma once

#include <algorithm>
#include <cstdint>
#include <string>
#include <vector>

#include "verdict.hpp"

namespace subsequence_reference {

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
inline long long walkInClosedForm(const std::string& a, const std::string& b) {
  const std::size_t L = std::max(a.size(), b.size());
  // Digit k of s, counted from the units; 0 above its first digit.
  auto digit = [](const std::string& s, std::size_t k) {
    return k < s.size() ? s[s.size() - 1 - k] - '0' : 0;
  };
  std::vector<int> high(L + 1, 0);  // high[k]: a's digits from position k up, mod kModulus
  for (std::size_t k = L; k-- > 0;)
    high[k] = static_cast<int>((high[k + 1] * 10LL + digit(a, k)) % kModulus);
  long long total = 0, low = 0, power = 1;  // low: b's digits below k; power: 10^k
  int compareLow = 0;                       // sign of (a's last k digits - b's last k digits)
  for (std::size_t k = 0; k < L; ++k) {
    int ak = digit(a, k), bk = digit(b, k);
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

// What subsequence.in must give: n of at least 1 and n words of digits, each denoting no
// smaller a number than the one before, answered by the closed form.
inline reference::Verdict judge(const std::string& input) {
  reference::Tokens tokens(input);
  const std::optional<int> n = reference::integer(tokens.next());
  if (!n || *n < 1) return reference::refusal();
  std::vector<std::string> words;
  for (int j = 0; j < *n; ++j) {
    std::optional<std::string> word = tokens.next();
    if (!word || word->find_first_not_of("0123456789") != std::string::npos) {
      return reference::refusal();
    }
    if (!words.empty() && compareNumbers(*word, words.back()) < 0) return reference::refusal();
    words.push_back(std::move(*word));
  }
  return reference::answer(std::to_string(chainSum(words)) + "\n");
}

}  // namespace subsequence_reference
