#include "pop_order.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "rng.hpp"
#include "stack_reference.hpp"

namespace {

using testing_support::Rng;

std::vector<int> popOrderOf(const std::vector<int>& values) {
  n = static_cast<int>(values.size());
  std::copy(values.begin(), values.end(), a);
  return popOrder();
}

TEST(PopOrder, MatchesEveryPopOrderEnumeratedOnSmallInputs) {
  for (int c = 0; c < 5000; ++c) {
    Rng rng(1000 + c);
    const int range = static_cast<int>(rng.uniform(1, 6));
    std::vector<int> values(static_cast<std::size_t>(rng.uniform(0, 8)));
    for (int& v : values) v = static_cast<int>(rng.uniform(-range, range));
    const std::vector<int> expected = stack_reference::smallestByEnumeration(values);
    // The greedy reference, which judges the largest inputs, earns its trust here.
    ASSERT_EQ(stack_reference::greedyOrder(values), expected);
    ASSERT_EQ(popOrderOf(values), expected);
  }
}

TEST(PopOrder, MatchesTheGreedyReferenceOnLongInputs) {
  for (int c = 0; c < 200; ++c) {
    Rng rng(2000 + c);
    const long long range = rng.chance(50) ? 3 : 2147483647;
    std::vector<int> values(static_cast<std::size_t>(rng.uniform(0, kCapacity / 100)));
    for (int& v : values) v = static_cast<int>(rng.uniform(-range - 1, range));
    ASSERT_EQ(popOrderOf(values), stack_reference::greedyOrder(values));
  }
}

}  // namespace
