// The plain subsequence solver a user would write: unsynchronised streams, std::string
// digit strings, the walk on padded copies, residues reduced digit by digit, no checks.
#include <algorithm>
#include <cstdio>
#include <iostream>
#include <string>
#include <vector>

const int P = 1000000007;

void add(int& acc, int x) {
  acc += x;
  if (acc > P - 1)
    acc -= P;
  else if (acc < 0)
    acc += P;
}

int mmod(long long x) {
  return static_cast<int>((x % P + P) % P);
}

void addZeroes(std::string& s, std::size_t count) {
  if (count == 0) return;
  std::string padded(s.size() + count, '0');
  std::copy(s.begin(), s.end(), padded.begin() + static_cast<std::ptrdiff_t>(count));
  s = padded;
}

int addDifference(const std::string& a, const std::string& b) {
  std::string A = a, B = b;
  const std::size_t L = std::max(A.size(), B.size());
  addZeroes(A, L - A.size());
  addZeroes(B, L - B.size());
  if (L == 0) return 0;
  int V = 0, w = 1;
  for (std::size_t i = L; i-- > 0;) {
    add(V, mmod(static_cast<long long>(A[i] - '0') * w));
    w = mmod(10LL * w);
  }
  int R = 0;
  w = 1;
  for (std::size_t i = L; i-- > 0;) {
    while (A[i] != B[i]) {
      ++A[i];
      for (std::size_t j = i; A[j] > '9'; ++A[--j]) A[j] = '0';
      add(V, w);
      add(R, V);
    }
    w = mmod(10LL * w);
  }
  return R;
}

int main() {
  std::freopen("subsequence.in", "r", stdin);
  std::freopen("subsequence.out", "w", stdout);
  std::ios::sync_with_stdio(false);
  int n = 0;
  std::cin >> n;
  std::vector<std::string> words(n);
  for (std::string& word : words) std::cin >> word;
  int sum = 0;
  for (int j = 0; j + 1 < n; ++j) add(sum, addDifference(words[j], words[j + 1]));
  int w = 1;
  for (std::size_t i = words[0].size(); i-- > 0;) {
    add(sum, mmod(static_cast<long long>(words[0][i] - '0') * w));
    w = mmod(10LL * w);
  }
  std::cout << sum << '\n';
  return 0;
}
