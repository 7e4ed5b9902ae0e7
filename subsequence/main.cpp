// subsequence: the sum modulo 1000000007 of the chain that starts at the first number and
// walks up to each next number by powers of ten, units first.
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <iostream>
#include <string>
#include <vector>

#include "arithmetic.hpp"

namespace {

[[noreturn]] void reject(const std::string& what) {
  std::fprintf(stderr, "subsequence: %s\n", what.c_str());
  std::exit(1);
}

std::string shortened(const std::string& word) {
  if (word.size() <= 40) return word;
  return word.substr(0, 40) + "... (" + std::to_string(word.size()) + " digits)";
}

int readCount() {
  std::string token;
  if (!(std::cin >> token)) {
    if (std::cin.bad()) reject("cannot read subsequence.in");
    reject("n is missing: subsequence.in is empty");
  }
  std::size_t i = token[0] == '-' || token[0] == '+' ? 1 : 0;
  bool digits = i < token.size();
  long long n = 0;
  for (; i < token.size() && digits; ++i) {
    digits = token[i] >= '0' && token[i] <= '9';
    if (n <= 1LL << 31) n = n * 10 + (token[i] - '0');  // stops before overflow
  }
  if (token[0] == '-') n = -n;
  if (!digits || n < -(1LL << 31) || n >= 1LL << 31) {
    reject("n is not a 32-bit integer: " + shortened(token));
  }
  if (n < 1) reject("n is " + std::to_string(n) + ", below 1");
  return static_cast<int>(n);
}

// Compares the numbers two digit strings denote, so leading zeros do not matter.
int compareNumbers(const std::string& x, const std::string& y) {
  std::size_t i = std::min(x.find_first_not_of('0'), x.size());
  std::size_t j = std::min(y.find_first_not_of('0'), y.size());
  std::size_t lx = x.size() - i;
  std::size_t ly = y.size() - j;
  if (lx != ly) return lx < ly ? -1 : 1;
  return x.compare(i, lx, y, j, ly);
}

// Reads n words, each a non-empty digit string denoting a number not smaller than the
// one before it: the walk between neighbours only ever counts up.
std::vector<std::string> readWords(int n) {
  std::vector<std::string> words;
  words.reserve(static_cast<std::size_t>(std::min(n, 1 << 20)));  // n alone may be a lie
  for (int j = 0; j < n; ++j) {
    std::string& word = words.emplace_back();
    if (!(std::cin >> word)) {
      if (std::cin.bad()) reject("cannot read subsequence.in");
      reject("word " + std::to_string(j + 1) + " is missing: input ends after " +
             std::to_string(j) + " of " + std::to_string(n) + " words");
    }
    if (word.find_first_not_of("0123456789") != std::string::npos) {
      reject("word " + std::to_string(j + 1) + " is not a decimal number: " + shortened(word));
    }
    if (j > 0 && compareNumbers(word, words[j - 1]) < 0) {
      reject("word " + std::to_string(j + 1) + " (" + shortened(word) + ") is smaller than word " +
             std::to_string(j) + " (" + shortened(words[j - 1]) + ")");
    }
  }
  return words;
}

}  // namespace

int main() {
  if (!std::freopen("subsequence.in", "r", stdin)) {
    reject(std::string("cannot open subsequence.in: ") + std::strerror(errno));
  }
  if (!std::freopen("subsequence.out", "w", stdout)) {
    reject(std::string("cannot create subsequence.out: ") + std::strerror(errno));
  }
  std::ios::sync_with_stdio(false);

  const std::vector<std::string> words = readWords(readCount());
  int sum = 0;
  for (std::size_t j = 0; j + 1 < words.size(); ++j)
    add(sum, addDifference(words[j], words[j + 1]));
  // The chain starts at word 0 itself, added digit by digit from its units digit up.
  int w = 1;
  for (std::size_t i = words[0].size(); i-- > 0;) {
    add(sum, mmod(static_cast<long long>(words[0][i] - '0') * w));
    w = mmod(10LL * w);
  }

  std::printf("%d\n", sum);
  if (std::fflush(stdout) != 0 || std::ferror(stdout)) {
    reject(std::string("cannot write subsequence.out: ") + std::strerror(errno));
  }
  return 0;
}
