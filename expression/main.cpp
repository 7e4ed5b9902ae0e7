// expression: for each queried operator of one expression, the value modulo 1000000007 of
// the expression with that operator switched ('+' to '*', '*' to '+').
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <iostream>
#include <string>

#include "big_stack.hpp"
#include "parser.hpp"
#include "search.hpp"

int b[kCapacity];  // the queries, as 0-based positions
int k;             // how many there are

namespace {

constexpr int kMaxLine = kCapacity - 2;  // a line of n characters makes at most n + 2 nodes

// The deepest line the capacity allows nests 262142 parentheses, which takes about 28 MiB
// of stack in a Release build and about 320 MiB under the sanitizers, whose frames are
// larger and whose checks keep calls from becoming jumps. The stack is reserved, not
// used: only the pages the recursion reaches are ever touched.
#if defined(__SANITIZE_ADDRESS__)
#define EXPRESSION_SANITIZED 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define EXPRESSION_SANITIZED 1
#endif
#endif
#ifdef EXPRESSION_SANITIZED
constexpr std::size_t kStackBytes = std::size_t{1024} << 20;
#else
constexpr std::size_t kStackBytes = std::size_t{256} << 20;
#endif

int fail(const std::string& what) {
  std::cout.flush();  // the answers already given stay in expression.out
  std::fprintf(stderr, "expression: %s\n", what.c_str());
  return 1;
}

std::string shortened(const std::string& token) {
  return token.size() <= 40 ? token : token.substr(0, 40) + "...";
}

// Reads the first line into s, without its line feed or a carriage return before it.
// The read is bounded, so a line too long for the node store is never held whole.
bool readLine() {
  static char line[kMaxLine + 3];  // the longest line, a carriage return, and one more
  std::cin.getline(line, sizeof line);
  std::size_t length = static_cast<std::size_t>(std::cin.gcount());
  if (std::cin.fail() && !std::cin.eof()) return false;  // no line feed within the buffer
  if (!std::cin.eof()) --length;                         // the line feed was counted
  if (length > 0 && line[length - 1] == '\r') --length;
  if (length > static_cast<std::size_t>(kMaxLine)) return false;
  s.assign(line, length);
  n = static_cast<int>(length);
  return true;
}

enum class Read { ok, missing, notInteger };

// Reads the next whitespace-delimited token as a signed 32-bit decimal integer.
Read readInt(int& value, std::string& token) {
  if (!(std::cin >> token)) return Read::missing;
  std::size_t i = token[0] == '-' || token[0] == '+' ? 1 : 0;
  bool digits = i < token.size();
  long long v = 0;
  for (; i < token.size() && digits; ++i) {
    digits = token[i] >= '0' && token[i] <= '9';
    if (v <= 1LL << 31) v = v * 10 + (token[i] - '0');  // stops before overflow
  }
  if (token[0] == '-') v = -v;
  if (!digits || v < -(1LL << 31) || v >= 1LL << 31) return Read::notInteger;
  value = static_cast<int>(v);
  return Read::ok;
}

// Why the 1-based position p names no operator the parser consumed; empty when it does.
// pos cannot tell: it holds (0, 0) for every other character too.
std::string notAnOperator(int p, int parsedTo) {
  if (p < 1 || p > n) {
    return "which is outside the line of " + std::to_string(n) + " characters";
  }
  if (p - 1 >= parsedTo) {
    return "which is after the unmatched ')' at position " + std::to_string(parsedTo + 1) +
           " where the expression ends";
  }
  char c = s[p - 1];
  if (c != '+' && c != '*') return std::string("which holds '") + c + "', not an operator";
  return "";
}

int answerQueries(int parsedTo) {
  std::string token;
  switch (readInt(k, token)) {
    case Read::missing:
      k = 0;  // no query count: nothing to answer
      break;
    case Read::notInteger:
      return fail("the query count is not a 32-bit integer: " + shortened(token));
    case Read::ok:
      if (k > kCapacity) {
        return fail("the query count is " + std::to_string(k) + ", above the limit of " +
                    std::to_string(kCapacity));
      }
  }
  for (int i = 0; i < k; ++i) {
    auto query = [i] { return "query " + std::to_string(i + 1); };  // only for messages
    int p = 0;
    switch (readInt(p, token)) {
      case Read::missing:
        return fail(query() + " is missing: input ends after " + std::to_string(i) + " of " +
                    std::to_string(k) + " queries");
      case Read::notInteger:
        return fail(query() + " is not a 32-bit integer: " + shortened(token));
      case Read::ok:
        break;
    }
    std::string why = notAnOperator(p, parsedTo);
    if (!why.empty()) return fail(query() + " names position " + std::to_string(p) + ", " + why);
    b[i] = p - 1;
    auto [v, j] = pos[b[i]];
    std::cout << ifChanged[v][j] << '\n';
  }
  return 0;
}

int run() {
  if (!std::freopen("expression.in", "r", stdin)) {
    return fail(std::string("cannot open expression.in: ") + std::strerror(errno));
  }
  if (!std::freopen("expression.out", "w", stdout)) {
    return fail(std::string("cannot create expression.out: ") + std::strerror(errno));
  }
  std::ios::sync_with_stdio(false);

  bool fits = readLine();
  if (std::cin.bad()) return fail("cannot read expression.in");
  if (!fits) {
    return fail("the expression line is longer than " + std::to_string(kMaxLine) + " characters");
  }
  sz = 0;
  ptr = 0;
  int root = parseExpression();
  dfs(root, 1, 0);

  int status = answerQueries(ptr);
  if (std::cin.bad()) return fail("cannot read expression.in");
  if (!std::cout.flush()) {
    return fail(std::string("cannot write expression.out: ") + std::strerror(errno));
  }
  return status;
}

}  // namespace

int main() {
  int status = 1;
  int error = runWithStack(kStackBytes, run, status);
  if (error != 0) {
    std::fprintf(stderr, "expression: cannot start a thread with a %zu MiB stack: %s\n",
                 kStackBytes >> 20, std::strerror(error));
    return 1;
  }
  return status;
}
