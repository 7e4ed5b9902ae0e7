// The plain transformation solver a user would write: unsynchronised streams, a std::map of
// first positions, std::sort of the records, no checks.
#include <algorithm>
#include <cstdio>
#include <iostream>
#include <map>
#include <utility>
#include <vector>

const int N = 100010;
std::pair<std::pair<int, int>, int> a[N];
std::map<int, int> where;
std::vector<std::pair<int, int>> ans;

int main() {
  std::freopen("transformation.in", "r", stdin);
  std::freopen("transformation.out", "w", stdout);
  std::ios::sync_with_stdio(false);
  int n = 0;
  std::cin >> n;
  for (int i = 0; i < n; ++i) {
    std::cin >> a[i].first.first;
    where.emplace(a[i].first.first, i);
    a[i].second = i;
  }
  for (int i = 0; i < n; ++i) std::cin >> a[i].first.second;
  for (int k = 0; k < n; ++k) {
    if (a[k].first.second < a[k].first.first) return std::cout << "NO", 0;
  }
  std::sort(a, a + n);
  for (int k = 0; k < n; ++k) {
    auto source = where.find(a[k].first.second);
    if (source == where.end()) return std::cout << "NO", 0;
    if (a[k].first.first != a[k].first.second) ans.emplace_back(a[k].second, source->second);
  }
  std::cout << "YES\n" << ans.size() << '\n';
  for (const auto& [p, q] : ans) std::cout << p + 1 << ' ' << q + 1 << '\n';
  return 0;
}
