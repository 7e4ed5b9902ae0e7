#include "arithmetic.hpp"

#include <algorithm>

namespace {

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
