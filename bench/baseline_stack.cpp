// What any stack solver must spend: read n and the values the way stack does, and write
// as many "%d " fields; the values go out in input order, unsorted.
#include <cstdio>
#include <vector>

#include "reader.hpp"

int main() {
  if (!std::freopen("stack.in", "r", stdin) || !std::freopen("stack.out", "w", stdout)) return 1;
  const auto n = static_cast<int>(baseline::integer());
  std::vector<int> values(n);
  for (int& v : values) v = static_cast<int>(baseline::integer());
  for (int v : values) std::printf("%d ", v);
  return std::fflush(stdout) == 0 ? 0 : 1;
}
