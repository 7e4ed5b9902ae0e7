#include "pop_order.hpp"

#include <algorithm>

int n;
int a[kCapacity];
int mn[kCapacity];

std::vector<int> popOrder() {
  if (n > 0) mn[n - 1] = a[n - 1];
  for (int i = n - 2; i >= 0; --i) mn[i] = std::min(a[i], mn[i + 1]);

  std::vector<int> stack;
  std::vector<int> out;
  stack.reserve(n);
  out.reserve(n);
  for (int j = 0; j < n; ++j) {
    stack.push_back(a[j]);
    // Past the last element nothing waits, so the stack is emptied; a top equal to the
    // smallest waiting value is popped, since holding it back cannot help.
    while (!stack.empty() && (j == n - 1 || stack.back() <= mn[j + 1])) {
      out.push_back(stack.back());
      stack.pop_back();
    }
  }
  return out;
}
