#include "moves.hpp"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "rng.hpp"
#include "support.hpp"
#include "transformation_reference.hpp"

namespace {

using testing_support::Rng;
using transformation_reference::checkAnswer;

// The answer the program writes, from the moves collected for these values.
std::string answerOf(const std::vector<int>& initial, const std::vector<int>& target) {
  n = static_cast<int>(initial.size());
  for (int i = 0; i < n; ++i) a[i] = {{initial[i], target[i]}, i};
  where.clear();
  ans.clear();
  if (!collectMoves()) return "NO";
  std::string text = "YES\n" + std::to_string(ans.size()) + "\n";
  for (const auto& [p, q] : ans) text += std::to_string(p + 1) + " " + std::to_string(q + 1) + "\n";
  return text;
}

TEST(Moves, TheCheckerAcceptsOnlyRightAnswers) {
  EXPECT_EQ(checkAnswer({1, 2, 3}, {3, 3, 3}, "YES\n2\n1 3\n2 3\n"), "");
  EXPECT_NE(checkAnswer({1, 2, 3}, {3, 3, 3}, "YES\n2\n2 3\n1 3\n"), "");
  EXPECT_NE(checkAnswer({1, 2, 3}, {3, 3, 3}, "YES\n2\n1 3\n2 3"), "");
  EXPECT_NE(checkAnswer({3, 1, 3}, {3, 3, 3}, "YES\n1\n2 3\n"), "");
  EXPECT_NE(checkAnswer({2, 1}, {1, 2}, "NO\n"), "");
}

TEST(Moves, RightOnRandomSmallInputs) {
  for (int c = 0; c < 20000; ++c) {
    Rng rng(20000 + c);
    const auto [initial, target] = transformation_test::randomInstance(rng);
    const std::string answer = answerOf(initial, target);
    ASSERT_EQ(checkAnswer(initial, target, answer), "") << answer;
  }
}

}  // namespace
