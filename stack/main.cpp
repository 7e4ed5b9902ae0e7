// stack: pushes the input values in input order onto one stack and pops greedily, which
// emits them in the lexicographically smallest order one stack can produce.
#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <iostream>
#include <string>
#include <vector>

int n;
int a[100000];
int mn[100000];  // mn[i] is the smallest of a[i..n-1]

namespace {

constexpr int kCapacity = 100000;

[[noreturn]] void reject(const std::string& what) {
  std::fprintf(stderr, "stack: %s\n", what.c_str());
  std::exit(1);
}

std::string shortened(const std::string& token) {
  return token.size() <= 40 ? token : token.substr(0, 40) + "...";
}

// Names the item read for messages: n, or value `index` (from 1).
std::string itemName(int index) {
  return index == 0 ? "n" : "value " + std::to_string(index);
}

// Reads the next whitespace-delimited token as a signed 32-bit decimal integer: an
// optional sign and at least one digit, nothing else. `index` is 0 for n, else the
// value's number; messages are built only when something is wrong.
int readInt(int index) {
  std::string token;
  if (!(std::cin >> token)) {
    if (std::cin.bad()) reject("cannot read stack.in");
    if (index == 0) reject("n is missing: stack.in is empty");
    reject(itemName(index) + " is missing: input ends after " + std::to_string(index - 1) + " of " +
           std::to_string(n) + " values");
  }
  std::size_t i = token[0] == '-' || token[0] == '+' ? 1 : 0;
  bool digits = i < token.size();
  long long value = 0;
  for (; i < token.size() && digits; ++i) {
    digits = token[i] >= '0' && token[i] <= '9';
    if (value <= 1LL << 31) value = value * 10 + (token[i] - '0');  // stops before overflow
  }
  if (!digits) reject(itemName(index) + " is not an integer: " + shortened(token));
  if (token[0] == '-') value = -value;
  if (value < -(1LL << 31) || value >= 1LL << 31) {
    reject(itemName(index) + " is outside the signed 32-bit range: " + shortened(token));
  }
  return static_cast<int>(value);
}

void readInput() {
  n = readInt(0);
  if (n < 0) reject("n is " + std::to_string(n) + ", below 0");
  if (n > kCapacity) {
    reject("n is " + std::to_string(n) + ", above the limit of " + std::to_string(kCapacity));
  }
  for (int i = 0; i < n; ++i) a[i] = readInt(i + 1);
}

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
  while (!stack.empty()) {
    out.push_back(stack.back());
    stack.pop_back();
  }
  return out;
}

}  // namespace

int main() {
  if (!std::freopen("stack.in", "r", stdin)) {
    reject(std::string("cannot open stack.in: ") + std::strerror(errno));
  }
  if (!std::freopen("stack.out", "w", stdout)) {
    reject(std::string("cannot create stack.out: ") + std::strerror(errno));
  }
  std::ios::sync_with_stdio(false);

  readInput();
  for (int value : popOrder()) std::printf("%d ", value);
  if (std::fflush(stdout) != 0 || std::ferror(stdout)) {
    reject(std::string("cannot write stack.out: ") + std::strerror(errno));
  }
  return 0;
}
