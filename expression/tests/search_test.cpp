#include <gtest/gtest.h>

#include <string>

#include "support.hpp"

namespace {

using namespace expression_test;
using testing_support::Rng;

// Every operator's precomputed answer against the switched line evaluated from scratch.
void expectEveryAnswer(const std::string& line) {
  int root = parseLine(line);
  dfs(root, 1, 0);
  for (int i : operatorPositions(line)) {
    auto [v, j] = pos[i];
    ASSERT_LT(j, static_cast<int>(ifChanged[v].size())) << line << " at " << i;
    EXPECT_EQ(ifChanged[v][j], switchedValue(line, i)) << line << " at " << i;
  }
}

TEST(Walk, AnswersTheWorkedExamples) {
  for (const char* line : {"2*(3+4)*5", "(1+2)*(3+4)", "2*3*4", "2+3+4", "1*(2)", "007*2",
                           "1000000006+2", "1000000007*3+1", "1+2)+3*4"}) {
    expectEveryAnswer(line);
  }
  parseLine("2*(3+4)*5");
  dfs(0, 1, 0);
  EXPECT_EQ(ifChanged[pos[1].first][pos[1].second], 37);
  EXPECT_EQ(ifChanged[pos[4].first][pos[4].second], 120);
  EXPECT_EQ(ifChanged[pos[7].first][pos[7].second], 19);
}

TEST(Walk, MatchesTheSwitchedLineEvaluatedFromScratch) {
  for (int c = 0; c < 4000; ++c) {
    Rng rng(50000 + c);
    std::string line = randomExpression(rng, static_cast<int>(rng.uniform(0, 5)));
    if (rng.chance(10)) line += ")" + randomExpression(rng, 1);  // an ignored rest
    expectEveryAnswer(line);
    if (HasFailure()) return;
  }
}

}  // namespace
