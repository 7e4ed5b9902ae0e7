// What the transformation tests share: small random instances.
#pragma once

#include <utility>
#include <vector>

#include "rng.hpp"

namespace transformation_test {

// Up to 8 positions over a few values: mostly reachable targets (an initial value not
// below the position's own), sometimes any value, so that both answers come up.
inline std::pair<std::vector<int>, std::vector<int>> randomInstance(testing_support::Rng& rng) {
  const int n = static_cast<int>(rng.uniform(0, 8));
  const int range = static_cast<int>(rng.uniform(1, 4));
  std::vector<int> initial(n), target(n);
  for (int& v : initial) v = static_cast<int>(rng.uniform(-range, range));
  for (int i = 0; i < n; ++i) {
    std::vector<int> reachable;
    for (int v : initial) {
      if (v >= initial[i]) reachable.push_back(v);
    }
    target[i] = rng.chance(90)
                    ? reachable[rng.uniform(0, static_cast<long long>(reachable.size()) - 1)]
                    : static_cast<int>(rng.uniform(-range - 1, range + 1));
  }
  return {initial, target};
}

}  // namespace transformation_test
