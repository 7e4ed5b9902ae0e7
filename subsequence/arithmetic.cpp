#include "arithmetic.hpp"

#include <algorithm>

namespace {

// Adds one to the number the digits left of index i denote. A never passes b, so a carry
// never runs past index 0; were a greater than b, it would be dropped there instead of
// written before A.
void carry(char* digits, std::size_t i) {
  for (std::size_t j = i; j-- > 0;) {
    if (digits[j] != '9') {
      ++digits[j];
      return;
    }
    digits[j] = '0';
  }
}

}  // namespace

int residue(const std::string& s) {
  long long r = 0;
  const std::size_t n = s.size();
  // Nine digits at a time from the top: one reduction per nine digits, where adding each
  // digit times its power of ten would take two per digit.
  for (std::size_t i = 0, chunk = n % 9 == 0 ? 9 : n % 9; i < n; chunk = 9) {
    long long digits = 0;
    long long scale = 1;
    for (const std::size_t end = i + chunk; i < end; ++i) {
      digits = digits * 10 + (s[i] - '0');
      scale *= 10;
    }
    r = (r * scale + digits) % P;  // below 10^18 + 10^9, within 64 bits
  }
  return static_cast<int>(r);
}

void addZeroes(std::string& s, std::size_t count) {
  if (count == 0) return;
  std::string padded(s.size() + count, '0');
  std::copy(s.begin(), s.end(), padded.begin() + static_cast<std::ptrdiff_t>(count));
  s = std::move(padded);
}

int addDifference(const std::string& a, const std::string& b) {
  const std::size_t L = std::max(a.size(), b.size());
  if (L == 0) return 0;
  // The walk's copy of a reuses the storage of the last call: a million short words then
  // cost no allocation each, and a long one no fresh pages.
  static std::string A;
  A = a;
  addZeroes(A, L - a.size());
  // b is only read, so it is copied only when it needs leading zeros to match a.
  std::string paddedB;
  const char* B = b.data();
  if (b.size() < L) {
    paddedB = b;
    addZeroes(paddedB, L - b.size());
    B = paddedB.data();
  }

  int V = residue(A);  // always the residue of the current A
  int R = 0;
  int w = 1;  // 10^(L-1-i) modulo P
  char* digits = A.data();
  for (std::size_t i = L; i-- > 0;) {
    // The digit being stepped stays in a register; it wraps at most once, from '9' to
    // '0', carrying into the digits on its left.
    char d = digits[i];
    const char target = B[i];
    while (d != target) {
      if (d == '9') {
        d = '0';
        carry(digits, i);
      } else {
        ++d;
      }
      add(V, w);  // A += 10^(L-1-i)
      add(R, V);
    }
    digits[i] = d;
    w = mmod(10LL * w);
  }
  return R;
}
