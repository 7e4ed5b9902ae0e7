#include "search.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "parse_line.hpp"
#include "support.hpp"

namespace {

using namespace expression_test;
using testing_support::Rng;

// Every operator's precomputed answer against the switched line evaluated from scratch,
// and -1 at every other position.
void expectEveryAnswer(const std::string& line) {
  answerEveryOperator(parseLine(line));
  const std::vector<int> operators = operatorPositions(line);
  for (int i = 0; i < static_cast<int>(line.size()); ++i) {
    const bool isOperator = std::find(operators.begin(), operators.end(), i) != operators.end();
    EXPECT_EQ(ifChanged[i], isOperator ? switchedValue(line, i) : -1) << line << " at " << i;
  }
}

TEST(Walk, AnswersTheWorkedExamples) {
  for (const char* line : {"2*(3+4)*5", "(1+2)*(3+4)", "2*3*4", "2+3+4", "1*(2)", "007*2",
                           "1000000006+2", "1000000007*3+1", "1+2)+3*4"}) {
    expectEveryAnswer(line);
  }
  answerEveryOperator(parseLine("2*(3+4)*5"));
  EXPECT_EQ(ifChanged[1], 37);
  EXPECT_EQ(ifChanged[4], 120);
  EXPECT_EQ(ifChanged[7], 19);
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
