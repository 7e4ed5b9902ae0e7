// What any transformation solver must spend: read the 2n + 1 integers the way
// transformation does, and write a YES answer with a move line for every changed position.
#include <cstdio>
#include <vector>

#include "reader.hpp"

int main() {
  if (!std::freopen("transformation.in", "r", stdin) ||
      !std::freopen("transformation.out", "w", stdout)) {
    return 1;
  }
  const auto n = static_cast<int>(baseline::integer());
  std::vector<int> initial(n), target(n);
  for (int& v : initial) v = static_cast<int>(baseline::integer());
  for (int& v : target) v = static_cast<int>(baseline::integer());
  int m = 0;
  for (int i = 0; i < n; ++i) m += initial[i] != target[i];
  std::printf("YES\n%d\n", m);
  for (int i = 0; i < n; ++i) {
    if (initial[i] != target[i]) std::printf("%d %d\n", i + 1, n - i);
  }
  return std::fflush(stdout) == 0 ? 0 : 1;
}
