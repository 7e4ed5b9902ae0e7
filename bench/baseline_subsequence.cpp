// What any subsequence solver must spend: read the count and the words with the same
// calls as subsequence, look at every digit once, and write one number.
#include <algorithm>
#include <cstdio>
#include <iostream>
#include <string>
#include <vector>

int main() {
  if (!std::freopen("subsequence.in", "r", stdin) ||
      !std::freopen("subsequence.out", "w", stdout)) {
    return 1;
  }
  std::ios::sync_with_stdio(false);
  std::string token;
  std::cin >> token;
  int n = std::stoi(token);
  std::vector<std::string> words;
  words.reserve(static_cast<std::size_t>(std::min(n, 1 << 20)));
  for (int j = 0; j < n; ++j) std::cin >> words.emplace_back();
  unsigned sum = 0;
  for (const std::string& w : words) {
    for (char c : w) sum = sum * 31 + static_cast<unsigned>(c);
  }
  std::printf("%u\n", sum % 1000000007);
  return std::fflush(stdout) == 0 ? 0 : 1;
}
