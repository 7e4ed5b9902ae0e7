// What any expression solver must spend: read the line with the same bounded read, read
// the count and the queries as expression does, and write one answer line per query.
#include <cstdio>
#include <iostream>
#include <string>

static char line[524289];

int main() {
  if (!std::freopen("expression.in", "r", stdin) || !std::freopen("expression.out", "w", stdout)) {
    return 1;
  }
  std::ios::sync_with_stdio(false);
  std::cin.getline(line, sizeof line);
  std::string s(line, static_cast<std::size_t>(std::cin.gcount()));
  std::string token;
  std::cin >> token;
  int k = std::stoi(token);
  for (int i = 0; i < k && std::cin >> token; ++i) {
    long long value = 0;
    for (char c : token) value = value * 10 + c - '0';
    std::cout << value * 1907 % 1000000007 << '\n';
  }
  return std::cout.flush() ? 0 : 1;
}
