// What any expression solver must spend: read the line, the count and the queries the
// way expression does, and write one answer line per query from a buffer of whole lines,
// as expression writes them.
#include <unistd.h>

#include <charconv>
#include <cstdio>
#include <string>

#include "reader.hpp"

int main() {
  if (!std::freopen("expression.in", "r", stdin) || !std::freopen("expression.out", "w", stdout)) {
    return 1;
  }
  std::string s;
  for (int c = baseline::next(); c != EOF && c != '\n'; c = baseline::next()) {
    s += static_cast<char>(c);
  }
  const auto k = static_cast<int>(baseline::integer());
  static char out[1 << 16];
  std::size_t used = 0;
  for (int i = 0; i < k; ++i) {
    if (sizeof out - used < 12) {
      if (write(fileno(stdout), out, used) != static_cast<ssize_t>(used)) return 1;
      used = 0;
    }
    const long long value = baseline::integer() * 1907 % 1000000007;
    char* end = std::to_chars(out + used, out + sizeof out, value).ptr;
    *end++ = '\n';
    used = static_cast<std::size_t>(end - out);
  }
  return write(fileno(stdout), out, used) == static_cast<ssize_t>(used) ? 0 : 1;
}
