// transformation: "NO" when the targets cannot be reached by copying values forward,
// else "YES", the number of moves and each move as (destination, lowest source).
#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <iostream>
#include <map>
#include <string>
#include <utility>
#include <vector>

const int N = 100010;

// ((initial value, target value), position), sorted in that order.
std::pair<std::pair<int, int>, int> a[N];
std::map<int, int> where;  // each initial value's first position
std::vector<std::pair<int, int>> ans;

namespace {

[[noreturn]] void reject(const std::string& what) {
  std::fprintf(stderr, "transformation: %s\n", what.c_str());
  std::exit(1);
}

std::string shortened(const std::string& token) {
  return token.size() <= 40 ? token : token.substr(0, 40) + "...";
}

int n;

// Names the integer read as number `count` (from 0) for messages.
std::string itemName(int count) {
  if (count == 0) return "n";
  if (count <= n) return "initial value " + std::to_string(count);
  return "target value " + std::to_string(count - n);
}

// Reads integer number `count` of the input (from 0) as a signed 32-bit decimal integer:
// an optional sign and at least one digit, nothing else.
int readInt(int count) {
  std::string token;
  if (!(std::cin >> token)) {
    if (std::cin.bad()) reject("cannot read transformation.in");
    if (count == 0) reject("n is missing: transformation.in is empty");
    reject(itemName(count) + " is missing: input ends after " + std::to_string(count) +
           " integers");
  }
  std::size_t i = token[0] == '-' || token[0] == '+' ? 1 : 0;
  bool digits = i < token.size();
  long long value = 0;
  for (; i < token.size() && digits; ++i) {
    digits = token[i] >= '0' && token[i] <= '9';
    if (value <= 1LL << 31) value = value * 10 + (token[i] - '0');  // stops before overflow
  }
  if (!digits) reject(itemName(count) + " is not an integer: " + shortened(token));
  if (token[0] == '-') value = -value;
  if (value < -(1LL << 31) || value >= 1LL << 31) {
    reject(itemName(count) + " is outside the signed 32-bit range: " + shortened(token));
  }
  return static_cast<int>(value);
}

void writeOutput(const char* refusal) {
  if (refusal) {
    std::fputs(refusal, stdout);
  } else {
    std::printf("YES\n%d\n", static_cast<int>(ans.size()));
    for (const auto& [p, q] : ans) std::printf("%d %d\n", p + 1, q + 1);
  }
  if (std::fflush(stdout) != 0 || std::ferror(stdout)) {
    reject(std::string("cannot write transformation.out: ") + std::strerror(errno));
  }
}

// Collects the moves; returns false when some target value is no initial value.
bool collectMoves() {
  for (int k = 0; k < n; ++k) {
    if (a[k].first.second < a[k].first.first) return false;
  }
  // Sorted by initial value, a position is overwritten only after every position whose
  // initial value is smaller, so each source still holds its initial value when read.
  std::sort(a, a + n);
  for (int k = 0; k < n; ++k) {
    const auto& [values, position] = a[k];
    auto source = where.find(values.second);
    if (source == where.end()) return false;
    if (values.first != values.second) ans.emplace_back(position, source->second);
  }
  return true;
}

}  // namespace

int main() {
  if (!std::freopen("transformation.in", "r", stdin)) {
    reject(std::string("cannot open transformation.in: ") + std::strerror(errno));
  }
  if (!std::freopen("transformation.out", "w", stdout)) {
    reject(std::string("cannot create transformation.out: ") + std::strerror(errno));
  }
  std::ios::sync_with_stdio(false);

  n = readInt(0);
  if (n < 0) reject("n is " + std::to_string(n) + ", below 0");
  if (n > N) reject("n is " + std::to_string(n) + ", above the limit of " + std::to_string(N));
  for (int i = 0; i < n; ++i) {
    a[i].first.first = readInt(1 + i);
    where.emplace(a[i].first.first, i);  // keeps the first occurrence
    a[i].second = i;
  }
  for (int i = 0; i < n; ++i) a[i].first.second = readInt(1 + n + i);

  writeOutput(collectMoves() ? nullptr : "NO");
  return 0;
}
