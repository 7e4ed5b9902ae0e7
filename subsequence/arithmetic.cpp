#include "arithmetic.hpp"

#include <algorithm>

namespace {

constexpr int P = 1000000007;

// The residue of the number a digit string denotes, from its units digit up.
int residue(const std::string& s) {
  int r = 0;
  int w = 1;  // 10^k modulo P for the digit k places from the right
  for (std::size_t i = s.size(); i-- > 0;) {
    add(r, mmod(static_cast<long long>(s[i] - '0') * w));
    w = mmod(10LL * w);
  }
  return r;
}

}  // namespace

void add(int& acc, int x) {
  acc += x;
  if (acc > P - 1) {
    acc -= P;
  } else if (acc < 0) {
    acc += P;
  }
}

int mmod(long long x) {
  return static_cast<int>((x % P + P) % P);
}

void addZeroes(std::string& s, std::size_t count) {
  if (count == 0) return;
  std::string padded(s.size() + count, '0');
  std::copy(s.begin(), s.end(), padded.begin() + static_cast<std::ptrdiff_t>(count));
  s = std::move(padded);
}

int addDifference(const std::string& a, const std::string& b) {
  std::string A = a;
  std::string B = b;
  const std::size_t L = std::max(A.size(), B.size());
  addZeroes(A, L - A.size());
  addZeroes(B, L - B.size());
  if (L == 0) return 0;

  int V = residue(A);  // always the residue of the current A
  int R = 0;
  int w = 1;  // 10^(L-1-i) modulo P
  for (std::size_t i = L; i-- > 0;) {
    while (A[i] != B[i]) {
      // A += 10^(L-1-i). A never passes b, so a carry never runs past index 0; were a
      // greater than b, it would be dropped there instead of written before A.
      ++A[i];
      for (std::size_t j = i; A[j] > '9'; --j) {
        A[j] = '0';
        if (j == 0) break;
        ++A[j - 1];
      }
      add(V, w);
      add(R, V);
    }
    w = mmod(10LL * w);
  }
  return R;
}
