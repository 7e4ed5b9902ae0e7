// What the expression tests, and the fuzzer's checker, take for the right answers: the
// expression evaluated from scratch with the operator switched, by operator precedence over
// two explicit stacks, and the grammar check a malformed line fails, by a left-to-right
// state machine; nothing shared with the program's parser.
#pragma once

#include <algorithm>
#include <cctype>
#include <cstddef>
#include <string>
#include <vector>

#include "verdict.hpp"

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
// program's parser; empty for a line the grammar accepts.
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

// What expression.in must give: a line of at most 524286 characters (a CR right before its
// line feed dropped, one that ends the input kept) that the grammar accepts, then a count of at
// most 524288 (none, or a negative one, asks nothing) and as many positions of operators the parse
// consumes, each answered by evaluating the switched line. Each answer costs a pass over the line:
// an input that would take more than `budget` characters of passes is left unjudged.
inline reference::Verdict judge(const std::string& input, std::size_t budget = 50000000) {
  const std::size_t feed = std::min(input.find('\n'), input.size());
  std::string line = input.substr(0, feed);
  if (feed < input.size() && !line.empty() && line.back() == '\r') line.pop_back();
  if (line.size() > 524286) return reference::refusal();
  const std::string check = failingCheck(line);
  if (!check.empty()) return {reference::Verdict::grammarCheck, "", check};
  reference::Tokens tokens(input, feed);
  const std::optional<std::string> countToken = tokens.next();
  if (!countToken) return reference::answer("");
  const std::optional<int> count = reference::integer(countToken);
  if (!count || *count > 524288) return reference::refusal();
  const std::vector<int> operators = operatorPositions(line);
  std::string out;
  for (int i = 0; i < *count; ++i) {
    const std::optional<int> p = reference::integer(tokens.next());
    if (!p || *p < 1 || !std::binary_search(operators.begin(), operators.end(), *p - 1)) {
      return reference::refusal(out);
    }
    if ((static_cast<std::size_t>(i) + 1) * line.size() > budget) {
      return {reference::Verdict::tooLarge, "", ""};
    }
    out += std::to_string(switchedValue(line, static_cast<std::size_t>(*p - 1))) + "\n";
  }
  return reference::answer(out);
}

}  // namespace expression_reference
