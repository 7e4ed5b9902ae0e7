// What the expression tests share: a fresh parse in-process, an evaluator of its own to
// judge answers, and random expressions.
#pragma once

#include <string>
#include <utility>
#include <vector>

#include "parser.hpp"
#include "rng.hpp"
#include "search.hpp"

namespace expression_test {

// Parses `line` as the program does; the tables' earlier contents are overwritten.
inline int parseLine(const std::string& line) {
  s = line;
  n = static_cast<int>(line.size());
  sz = 0;
  ptr = 0;
  return parseExpression();
}

// The value modulo P of a well-formed expression up to its first unmatched ')', by
// operator precedence over two explicit stacks: no recursion, and nothing shared with
// the program's parser.
inline long long evaluate(const std::string& e) {
  std::vector<long long> values;
  std::vector<char> ops;
  auto apply = [&] {
    long long y = values.back();
    values.pop_back();
    long long x = values.back();
    values.pop_back();
    values.push_back(ops.back() == '+' ? (x + y) % P : x * y % P);
    ops.pop_back();
  };
  int open = 0;
  for (std::size_t i = 0; i < e.size(); ++i) {
    char c = e[i];
    if (c >= '0' && c <= '9') {
      long long x = 0;
      for (; i < e.size() && e[i] >= '0' && e[i] <= '9'; ++i) x = (x * 10 + e[i] - '0') % P;
      values.push_back(x);
      --i;
    } else if (c == '(') {
      ops.push_back('(');
      ++open;
    } else if (c == ')') {
      if (open == 0) break;
      while (ops.back() != '(') apply();
      ops.pop_back();
      --open;
    } else if (c == '+') {
      while (!ops.empty() && ops.back() != '(') apply();
      ops.push_back('+');
    } else {  // '*'
      while (!ops.empty() && ops.back() == '*') apply();
      ops.push_back('*');
    }
  }
  while (!ops.empty()) apply();
  return values.back();
}

// The value of the expression with the operator at index i switched.
inline long long switchedValue(std::string e, std::size_t i) {
  e[i] = e[i] == '+' ? '*' : '+';
  return evaluate(e);
}

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

// Indices of the operators the parser consumes: those before an unmatched ')'.
inline std::vector<int> operatorPositions(const std::string& e) {
  std::vector<int> positions;
  int open = 0;
  for (std::size_t i = 0; i < e.size(); ++i) {
    if (e[i] == '(') ++open;
    if (e[i] == ')' && open-- == 0) break;
    if (e[i] == '+' || e[i] == '*') positions.push_back(static_cast<int>(i));
  }
  return positions;
}

}  // namespace expression_test
