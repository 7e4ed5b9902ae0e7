// crypt: decodes every line of crypt.in, or answers "impossible" when one line is not a
// valid encoding. Nothing is written until the whole answer is known.
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <iostream>
#include <string>
#include <utility>
#include <vector>

#include "decode.hpp"

namespace {

[[noreturn]] void reject(const std::string& what) {
  std::fprintf(stderr, "crypt: %s\n", what.c_str());
  std::exit(1);
}

// Writes one line and flushes it; a failed write (a full disk) must not end in success.
void writeLine(const std::string& line) {
  std::cout << line << '\n';
  if (!std::cout.flush()) reject(std::string("cannot write crypt.out: ") + std::strerror(errno));
}

}  // namespace

int main() {
  if (!std::freopen("crypt.in", "r", stdin)) {
    reject(std::string("cannot open crypt.in: ") + std::strerror(errno));
  }
  if (!std::freopen("crypt.out", "w", stdout)) {
    reject(std::string("cannot create crypt.out: ") + std::strerror(errno));
  }
  std::ios::sync_with_stdio(false);

  for (char c : std::string("aeiouy")) key_letter[c] = true;
  std::vector<std::string> decoded;
  std::string line;
  while (std::getline(std::cin, line)) {
    if (impossible(line)) {
      writeLine("impossible");  // the lines after this one are never read
      return 0;
    }
    decoded.push_back(std::move(line));
  }
  if (std::cin.bad()) reject("cannot read crypt.in");
  for (const std::string& text : decoded) writeLine(text);
  return 0;
}
