// What the expression tests, and the fuzzer's checker, take for the right answers: the
// expression evaluated from scratch with the operator switched, by operator precedence over
// two explicit stacks, and the grammar check a malformed line fails, by a left-to-right
// state machine; nothing shared with the program's recursive parser.
#pragma once

#include <cctype>
#include <string>
#include <vector>

namespace expression_reference {

constexpr long long kModulus = 1000000007;

// The value modulo 1000000007 of a well-formed expression up to its first unmatched ')', by
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
    values.push_back(ops.back() == '+' ? (x + y) % kModulus : x * y % kModulus);
    ops.pop_back();
  };
  int open = 0;
  for (std::size_t i = 0; i < e.size(); ++i) {
    char c = e[i];
    if (c >= '0' && c <= '9') {
      long long x = 0;
      for (; i < e.size() && e[i] >= '0' && e[i] <= '9'; ++i) x = (x * 10 + e[i] - '0') % kModulus;
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

// The conditions of the grammar's checks, as a failed check reports them.
inline const std::string kFactorStart =
    "ptr < n && (s[ptr] >= '0' && s[ptr] <= '9' || s[ptr] == '(')";
inline const std::string kClosing = "ptr < n && s[ptr++] == ')'";
inline const std::string kAfterFactor = "ptr == n || s[ptr] == ')' || s[ptr] == '+'";
inline const std::string kExpressionEnd = "ptr == n || s[ptr] == ')'";

// Which check a line fails, found by a left-to-right state machine instead of the
// program's recursive descent; empty for a line the grammar accepts.
inline std::string failingCheck(const std::string& line) {
  int open = 0;
  std::size_t i = 0;
  for (;;) {
    if (i == line.size() ||
        !(std::isdigit(static_cast<unsigned char>(line[i])) || line[i] == '(')) {
      return kFactorStart;
    }
    if (line[i] == '(') {
      ++open;
      ++i;
      continue;
    }
    while (i < line.size() && std::isdigit(static_cast<unsigned char>(line[i]))) ++i;
    for (;;) {  // after a complete factor
      if (i == line.size()) return open > 0 ? kClosing : "";
      if (line[i] != ')') break;
      if (open-- == 0) return "";  // an unmatched ')' ends the expression
      ++i;
    }
    if (line[i] != '+' && line[i] != '*') return kAfterFactor;
    ++i;
  }
}

}  // namespace expression_reference
