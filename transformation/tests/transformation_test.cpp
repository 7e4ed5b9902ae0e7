#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <map>
#include <set>
#include <sstream>
#include <string>
#include <tuple>
#include <vector>

#include "program.hpp"
#include "rng.hpp"

namespace {

using testing_support::describe;
using testing_support::Rng;
using testing_support::RunResult;

const testing_support::Program program(PROGRAM_PATH, "transformation");
constexpr int N = 100010;  // the largest n the task allows

std::string inputOf(const std::vector<int>& initial, const std::vector<int>& target) {
  std::string text = std::to_string(initial.size()) + "\n";
  for (int v : initial) text += std::to_string(v) + " ";
  text += "\n";
  for (int v : target) text += std::to_string(v) + " ";
  return text + "\n";
}

// Decides on its own whether `output` is the right answer; empty when it is, else what
// is wrong. A refusal is right exactly when some target is below its initial value or
// is no initial value at all. A YES must list one move per changed position, in order of
// the destination's (initial, target, position), each from the lowest position holding
// the destination's target, and the moves applied as copies must give the targets.
std::string checkAnswer(const std::vector<int>& initial, const std::vector<int>& target,
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

void expectRight(const std::vector<int>& initial, const std::vector<int>& target) {
  RunResult r = program.run(inputOf(initial, target));
  ASSERT_EQ(r.exit_code, 0) << describe(r);
  EXPECT_EQ(r.err, "");
  ASSERT_TRUE(r.output.has_value());
  const std::string text = testing_support::plainText(*r.output);
  EXPECT_EQ(checkAnswer(initial, target, text), "") << text.substr(0, 200);
}

TEST(TransformationAnswers, WorkedExamplesByteForByte) {
  program.expectAnswer("3\n1 2 3\n3 3 3\n", "YES\n2\n1 3\n2 3\n");
  program.expectAnswer("4\n1 1 2 3\n3 2 2 3\n", "YES\n2\n2 3\n1 4\n");
  program.expectAnswer("5\n4 2 4 2 7\n7 4 4 7 7\n", "YES\n3\n2 1\n4 5\n1 5\n");
  program.expectAnswer("2\n2 1\n1 2\n", "NO");
  program.expectAnswer("2\n1 2\n3 2\n", "NO");
  program.expectAnswer("0\n", "YES\n0\n");
  program.expectAnswer("3\n5 5 -1\n5 5 -1\n", "YES\n0\n");
  program.expectAnswer("2 1 2 2 2 trailing input is never read", "YES\n1\n1 2\n");
}

TEST(TransformationAnswers, CheckerAcceptsOnlyRightAnswers) {
  EXPECT_EQ(checkAnswer({1, 2, 3}, {3, 3, 3}, "YES\n2\n1 3\n2 3\n"), "");
  EXPECT_NE(checkAnswer({1, 2, 3}, {3, 3, 3}, "YES\n2\n2 3\n1 3\n"), "");
  EXPECT_NE(checkAnswer({1, 2, 3}, {3, 3, 3}, "YES\n2\n1 3\n2 3"), "");
  EXPECT_NE(checkAnswer({3, 1, 3}, {3, 3, 3}, "YES\n1\n2 3\n"), "");
  EXPECT_NE(checkAnswer({2, 1}, {1, 2}, "NO\n"), "");
}

TEST(TransformationAnswers, RightOnRandomSmallInputs) {
  for (int c = 0; c < testing_support::randomCases(2000); ++c) {
    Rng rng(20000 + c);
    int n = static_cast<int>(rng.uniform(0, 8));
    int range = static_cast<int>(rng.uniform(1, 4));
    std::vector<int> initial(n), target(n);
    for (int& v : initial) v = static_cast<int>(rng.uniform(-range, range));
    for (int i = 0; i < n; ++i) {
      // Mostly a reachable target (an initial value not below this one); sometimes any.
      std::vector<int> reachable;
      for (int v : initial) {
        if (v >= initial[i]) reachable.push_back(v);
      }
      target[i] = rng.chance(90)
                      ? reachable[rng.uniform(0, static_cast<long long>(reachable.size()) - 1)]
                      : static_cast<int>(rng.uniform(-range - 1, range + 1));
    }
    expectRight(initial, target);
    if (HasFailure()) return;
  }
}

// A judge's smallest stack, with an environment that takes most of it.
TEST(TransformationAnswers, TheExampleOnASmallStack) {
  program.expectAnswerOnASmallStack("5\n4 2 4 2 7\n7 4 4 7 7\n", "YES\n3\n2 1\n4 5\n1 5\n");
}

TEST(TransformationAnswers, LargestInputs) {
  const int n = N;
  Rng rng(5);
  std::vector<int> initial(n), target(n);
  // Every position but the one holding the largest value changes.
  for (int i = 0; i < n; ++i) initial[i] = static_cast<int>(rng.uniform(-1000000, 999999));
  initial[n / 2] = 1000000;
  for (int i = 0; i < n; ++i) {
    target[i] =
        initial[i] == 1000000 ? 1000000 : initial[static_cast<std::size_t>(rng.uniform(0, n - 1))];
    if (target[i] <= initial[i]) target[i] = 1000000;
  }
  expectRight(initial, target);

  std::vector<int> equal(n, 42);
  program.expectAnswer(inputOf(equal, equal), "YES\n0\n");

  for (int i = 0; i < n; ++i) initial[i] = i % 3 == 0 ? INT_MIN : (i % 3 == 1 ? 0 : INT_MAX);
  std::fill(target.begin(), target.end(), INT_MAX);
  expectRight(initial, target);
  target[n - 1] = INT_MIN;  // below its initial value, found only at the last position
  program.expectAnswer(inputOf(initial, target), "NO");
}

TEST(TransformationRejects, CountOutsideTheLimits) {
  program.expectRefused("-1\n", "n is -1, below 0");
  program.expectRefused("100011\n", "n is 100011, above the limit of 100010");
  program.expectRefused("", "n is missing: transformation.in is empty");
  program.expectRefused("two\n1 2\n1 2\n", "n is not an integer: two");
  program.expectRefused("+\n", "n is not an integer: +");
  program.expectRefused(
      "\xef\xbb\xbf"
      "1\n5\n5\n",
      "n is not an integer: \\xef\\xbb\\xbf1");
}

TEST(TransformationRejects, TokensThatAreNotSigned32BitIntegers) {
  program.expectRefused("2\n1 x\n1 1\n", "initial value 2 is not an integer: x");
  program.expectRefused("2\n1 1\n1 1.5\n", "target value 2 is not an integer: 1.5");
  program.expectRefused("2\n1 -\n1 1\n", "initial value 2 is not an integer: -");
  program.expectRefused("1\n1\n+\n", "target value 1 is not an integer: +");
  program.expectRefused("1\n" + std::string(100, '9') + "x\n1\n",
                        "initial value 1 is not an integer: " + std::string(40, '9') + "...");
  program.expectRefused("1\n2147483648\n1\n",
                        "initial value 1 is outside the signed 32-bit range: 2147483648");
  program.expectRefused("1\n1\n-2147483649\n",
                        "target value 1 is outside the signed 32-bit range: -2147483649");
  program.expectEndMarkDropped("2\r\n5 7\r\n7 7", "YES\n1\n1 2\n",
                               "target value 2 is not an integer: 7\\x1a");
}

TEST(TransformationRejects, InputThatEndsEarly) {
  program.expectRefused("6\n1 2 3 4 5 6\n1 2 3 4 5\n",
                        "target value 6 is missing: input ends after 12 integers");
  program.expectRefused("2\n1\n", "initial value 2 is missing: input ends after 2 integers");
  program.expectRefused("1\n", "initial value 1 is missing: input ends after 1 integer");
}

TEST(TransformationRejects, EndlessInputAndOutOfMemory) {
  program.expectEndlessInputRefused("n is not an integer: " + testing_support::escapedNuls(40) +
                                    "...");
  std::vector<int> distinct(N);
  for (int i = 0; i < N; ++i) distinct[i] = i;
  // The map of first positions and the moves are made once every value is read.
  program.expectOutOfMemory("0", inputOf(distinct, distinct), "collecting the moves");
}

TEST(TransformationRejects, FilesThatCannotBeReadOrWritten) {
  program.expectFileProblemsRefused("1\n1\n1\n");
}

}  // namespace
