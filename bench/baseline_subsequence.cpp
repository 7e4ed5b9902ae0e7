// What any subsequence solver must spend: read the count and the words the way
// subsequence does, look at every digit once, and write one number.
#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "reader.hpp"

int main() {
  if (!std::freopen("subsequence.in", "r", stdin) ||
      !std::freopen("subsequence.out", "w", stdout)) {
    return 1;
  }
  const auto n = static_cast<int>(baseline::integer());
  std::vector<std::string> words;
  words.reserve(static_cast<std::size_t>(std::min(n, 1 << 20)));
  for (int j = 0; j < n && baseline::word(words.emplace_back()); ++j) {
  }
  unsigned sum = 0;
  for (const std::string& w : words) {
    for (char c : w) sum = sum * 31 + static_cast<unsigned>(c);
  }
  std::printf("%u\n", sum % 1000000007);
  return std::fflush(stdout) == 0 ? 0 : 1;
}
