// What the transformation tests, and the fuzzer's checker, take for a right answer: a
// checker that decides on its own whether an output answers the initial and target values.
#pragma once

#include <algorithm>
#include <cstddef>
#include <map>
#include <set>
#include <sstream>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "verdict.hpp"

namespace transformation_reference {

// Decides on its own whether `output` is the right answer; empty when it is, else what
// is wrong. A refusal is right exactly when some target is below its initial value or
// is no initial value at all. A YES must list one move per changed position, in order of
// the destination's (initial, target, position), each from the lowest position holding
// the destination's target, and the moves applied as copies must give the targets.
inline std::string checkAnswer(const std::vector<int>& initial, const std::vector<int>& target,
                               const std::string& output) {
  const std::size_t n = initial.size();
  std::set<int> initialValues(initial.begin(), initial.end());
  bool refuse = false;
  for (std::size_t i = 0; i < n; ++i) {
    refuse = refuse || target[i] < initial[i] || initialValues.count(target[i]) == 0;
  }
  if (refuse) return output == "NO" ? "" : "expected NO";

  std::istringstream in(output);
  std::string yes;
  std::size_t m = 0;
  in >> yes >> m;
  std::vector<std::pair<int, int>> moves(m);
  std::string rendered = "YES\n" + std::to_string(m) + "\n";
  for (auto& [p, q] : moves) {
    in >> p >> q;
    rendered += std::to_string(p) + " " + std::to_string(q) + "\n";
  }
  if (!in || yes != "YES" || rendered != output) return "not a well-formed YES answer";

  std::size_t changed = 0;
  for (std::size_t i = 0; i < n; ++i) changed += initial[i] != target[i];
  if (m != changed) return "m is not the number of changed positions";
  std::map<int, std::size_t> firstAt;
  for (std::size_t i = n; i-- > 0;) firstAt[initial[i]] = i;
  std::vector<int> values = initial;
  std::vector<bool> moved(n, false);
  for (std::size_t k = 0; k < m; ++k) {
    auto [p, q] = moves[k];
    if (p < 1 || q < 1 || p > static_cast<int>(n) || q > static_cast<int>(n))
      return "position out of range";
    std::size_t d = static_cast<std::size_t>(p - 1), s = static_cast<std::size_t>(q - 1);
    if (initial[d] == target[d] || moved[d]) return "destination moved twice or unchanged";
    moved[d] = true;
    if (s != firstAt[target[d]]) return "source is not the lowest position holding the target";
    if (k > 0) {
      std::size_t e = static_cast<std::size_t>(moves[k - 1].first - 1);
      if (std::make_tuple(initial[e], target[e], e) > std::make_tuple(initial[d], target[d], d)) {
        return "moves out of order";
      }
    }
    values[d] = values[s];
  }
  return values == target ? "" : "the moves do not produce the targets";
}

// What transformation.in must give: n from 0 to 100010 and 2n integers, answered as the
// task states it, with a sort of the records and an ordered map of first positions.
inline reference::Verdict judge(const std::string& input) {
  reference::Tokens tokens(input);
  const std::optional<int> n = reference::integer(tokens.next());
  if (!n || *n < 0 || *n > 100010) return reference::refusal();
  std::vector<std::tuple<int, int, int>> records(static_cast<std::size_t>(*n));
  for (int pass = 0; pass < 2; ++pass) {
    for (auto& record : records) {
      const std::optional<int> value = reference::integer(tokens.next());
      if (!value) return reference::refusal();
      (pass == 0 ? std::get<0>(record) : std::get<1>(record)) = *value;
    }
  }
  std::map<int, int> first;  // each initial value's lowest position
  for (int i = *n - 1; i >= 0; --i) {
    std::get<2>(records[i]) = i;
    first[std::get<0>(records[i])] = i;
  }
  std::sort(records.begin(), records.end());
  std::string moves;
  int m = 0;
  for (const auto& [initial, target, position] : records) {
    if (target < initial || first.count(target) == 0) return reference::answer("NO");
    if (initial == target) continue;
    moves += std::to_string(position + 1) + " " + std::to_string(first[target] + 1) + "\n";
    ++m;
  }
  return reference::answer("YES\n" + std::to_string(m) + "\n" + moves);
}

}  // namespace transformation_reference
