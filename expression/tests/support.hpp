// What the expression tests share: random expressions, and the reference that judges them.
#pragma once

#include <string>
#include <utility>
#include <vector>

#include "expression_reference.hpp"
#include "rng.hpp"

namespace expression_test {

using namespace expression_reference;

inline std::string randomNumber(testing_support::Rng& rng) {
  static const char* const nearModulus[] = {"1000000006", "1000000007", "1000000008", "2000000014",
                                            "500000004"};
  int kind = static_cast<int>(rng.uniform(0, 9));
  std::string digits;
  int length =
      kind < 6 ? static_cast<int>(rng.uniform(1, 2)) : static_cast<int>(rng.uniform(15, 22));
  if (kind == 8) return nearModulus[rng.uniform(0, 4)];
  if (kind == 9) digits = std::string(static_cast<std::size_t>(rng.uniform(1, 3)), '0');
  for (int i = 0; i < length; ++i) digits += static_cast<char>('0' + rng.uniform(0, 9));
  return digits;
}

// A well-formed expression: up to four summands of up to three factors, each factor a
// number or, while depth lasts, a parenthesised expression.
inline std::string randomExpression(testing_support::Rng& rng, int depth) {
  std::string e;
  int summands = rng.chance(40) ? 1 : static_cast<int>(rng.uniform(2, 4));
  for (int i = 0; i < summands; ++i) {
    if (i > 0) e += '+';
    int factors = rng.chance(40) ? 1 : static_cast<int>(rng.uniform(2, 3));
    for (int j = 0; j < factors; ++j) {
      if (j > 0) e += '*';
      if (depth > 0 && rng.chance(30)) {
        e += "(" + randomExpression(rng, depth - 1) + ")";
      } else {
        e += randomNumber(rng);
      }
    }
  }
  return e;
}

}  // namespace expression_test
