// What any stack solver must spend: read n and the values the way stack does, and write
// as many "%d " fields; the values go out in input order, unsorted.
#include <cstdio>
#include <iostream>
#include <string>
#include <vector>

int main() {
  if (!std::freopen("stack.in", "r", stdin) || !std::freopen("stack.out", "w", stdout)) return 1;
  std::ios::sync_with_stdio(false);
  std::string token;
  std::cin >> token;
  int n = std::stoi(token);
  std::vector<int> values(n);
  for (int& v : values) {
    std::cin >> token;
    long long value = 0;
    for (std::size_t i = token[0] == '-'; i < token.size(); ++i)
      value = value * 10 + token[i] - '0';
    v = static_cast<int>(token[0] == '-' ? -value : value);
  }
  for (int v : values) std::printf("%d ", v);
  return std::fflush(stdout) == 0 ? 0 : 1;
}
