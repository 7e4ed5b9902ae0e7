// The plain stack solver a user would write: unsynchronised streams, the suffix minima and
// a std::vector as the stack, greedy pops, no checks.
#include <algorithm>
#include <cstdio>
#include <iostream>
#include <vector>

int n;
int a[100000];
int mn[100000];

int main() {
  std::freopen("stack.in", "r", stdin);
  std::freopen("stack.out", "w", stdout);
  std::ios::sync_with_stdio(false);
  std::cin >> n;
  for (int i = 0; i < n; ++i) std::cin >> a[i];
  if (n > 0) mn[n - 1] = a[n - 1];
  for (int i = n - 2; i >= 0; --i) mn[i] = std::min(a[i], mn[i + 1]);
  std::vector<int> stack, out;
  for (int j = 0; j < n; ++j) {
    stack.push_back(a[j]);
    while (!stack.empty() && (j == n - 1 || stack.back() <= mn[j + 1])) {
      out.push_back(stack.back());
      stack.pop_back();
    }
  }
  for (int v : out) std::cout << v << ' ';
  return 0;
}
