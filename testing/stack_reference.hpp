// What the stack tests, and the fuzzer's checker, take for the right pop order: every order
// one stack can emit, enumerated, and the smallest taken; and the greedy rule written over
// a multiset of the waiting values, which the enumeration vouches for on small inputs.
#pragma once

#include <cstddef>
#include <functional>
#include <set>
#include <string>
#include <vector>

#include "verdict.hpp"

namespace stack_reference {

// The lexicographically smallest order one stack can emit `values` pushed in order, by
// trying every order. Exponential: up to about 10 values.
inline std::vector<int> smallestByEnumeration(const std::vector<int>& values) {
  std::vector<int> best, stack, out;
  bool found = false;
  std::function<void(std::size_t)> explore = [&](std::size_t next) {
    if (out.size() == values.size()) {
      if (!found || out < best) best = out;
      found = true;
      return;
    }
    if (next < values.size()) {
      stack.push_back(values[next]);
      explore(next + 1);
      stack.pop_back();
    }
    if (!stack.empty()) {
      int top = stack.back();
      stack.pop_back();
      out.push_back(top);
      explore(next);
      out.pop_back();
      stack.push_back(top);
    }
  };
  explore(0);
  return best;
}

// The greedy rule over a multiset of the values still waiting: O(n log n).
inline std::vector<int> greedyOrder(const std::vector<int>& values) {
  std::multiset<int> waiting(values.begin(), values.end());
  std::vector<int> stack, out;
  for (int v : values) {
    stack.push_back(v);
    waiting.erase(waiting.find(v));
    while (!stack.empty() && (waiting.empty() || stack.back() <= *waiting.begin())) {
      out.push_back(stack.back());
      stack.pop_back();
    }
  }
  return out;
}

// What stack.in must give: n from 0 to 100000 and n integers, answered in greedy order.
inline reference::Verdict judge(const std::string& input) {
  reference::Tokens tokens(input);
  const std::optional<int> n = reference::integer(tokens.next());
  if (!n || *n < 0 || *n > 100000) return reference::refusal();
  std::vector<int> values;
  for (int i = 0; i < *n; ++i) {
    const std::optional<int> value = reference::integer(tokens.next());
    if (!value) return reference::refusal();
    values.push_back(*value);
  }
  std::string out;
  for (int v : greedyOrder(values)) out += std::to_string(v) + " ";
  return reference::answer(out);
}

}  // namespace stack_reference
