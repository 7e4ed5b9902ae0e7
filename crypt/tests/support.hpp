// What the crypt tests share: random lines.
#pragma once

#include <string>

#include "rng.hpp"

namespace crypt_test {

// A line over an alphabet rich in key letters, f, a, upper case, CR, NUL and bytes above
// 127; built from valid tokens, then now and then damaged.
inline std::string randomLine(testing_support::Rng& rng) {
  static const std::string ordinary = std::string("bfzAEFY \r\x80\xff", 11) + std::string(1, '\0');
  static const std::string keys = "aeiouy";
  std::string line;
  for (int tokens = static_cast<int>(rng.uniform(0, 10)); tokens > 0; --tokens) {
    if (rng.chance(45)) {
      line += keys[rng.uniform(0, 5)];
      line += "fa";
    } else {
      line += ordinary[rng.uniform(0, static_cast<long long>(ordinary.size()) - 1)];
    }
  }
  if (!line.empty() && rng.chance(8)) {
    std::size_t at =
        static_cast<std::size_t>(rng.uniform(0, static_cast<long long>(line.size()) - 1));
    line[at] = "afAF\0"[rng.uniform(0, 4)];
  }
  return line;
}

}  // namespace crypt_test
