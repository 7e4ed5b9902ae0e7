// What any transformation solver must spend: read the 2n + 1 integers the way
// transformation does, and write a YES answer with a move line for every changed position.
#include <cstdio>
#include <iostream>
#include <string>
#include <vector>

int main() {
  if (!std::freopen("transformation.in", "r", stdin) ||
      !std::freopen("transformation.out", "w", stdout)) {
    return 1;
  }
  std::ios::sync_with_stdio(false);
  std::string token;
  auto read = [&] {
    std::cin >> token;
    long long value = 0;
    for (std::size_t i = token[0] == '-'; i < token.size(); ++i)
      value = value * 10 + token[i] - '0';
    return static_cast<int>(token[0] == '-' ? -value : value);
  };
  int n = read();
  std::vector<int> initial(n), target(n);
  for (int& v : initial) v = read();
  for (int& v : target) v = read();
  int m = 0;
  for (int i = 0; i < n; ++i) m += initial[i] != target[i];
  std::printf("YES\n%d\n", m);
  for (int i = 0; i < n; ++i) {
    if (initial[i] != target[i]) std::printf("%d %d\n", i + 1, n - i);
  }
  return std::fflush(stdout) == 0 ? 0 : 1;
}
