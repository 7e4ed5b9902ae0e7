#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <string>
#include <vector>

#include "program.hpp"
#include "rng.hpp"
#include "support.hpp"
#include "transformation_reference.hpp"

namespace {

using testing_support::describe;
using testing_support::Rng;
using testing_support::RunResult;
using transformation_reference::checkAnswer;

const testing_support::Program program(PROGRAM_PATH, "transformation");
constexpr int N = 100010;  // the largest n the task allows

std::string inputOf(const std::vector<int>& initial, const std::vector<int>& target) {
  std::string text = std::to_string(initial.size()) + "\n";
  for (int v : initial) text += std::to_string(v) + " ";
  text += "\n";
  for (int v : target) text += std::to_string(v) + " ";
  return text + "\n";
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
  program.expectAnswers({
      {"3\n1 2 3\n3 3 3\n", "YES\n2\n1 3\n2 3\n"},
      {"4\n1 1 2 3\n3 2 2 3\n", "YES\n2\n2 3\n1 4\n"},
      {"5\n4 2 4 2 7\n7 4 4 7 7\n", "YES\n3\n2 1\n4 5\n1 5\n"},
      {"2\n2 1\n1 2\n", "NO"},
      {"2\n1 2\n3 2\n", "NO"},
      {"0\n", "YES\n0\n"},
      {"3\n5 5 -1\n5 5 -1\n", "YES\n0\n"},
      {"2 1 2 2 2 trailing input is never read", "YES\n1\n1 2\n"},
  });
}

TEST(TransformationAnswers, RightOnRandomSmallInputs) {
  testing_support::forRandomRows(20000, [&](Rng& rng) {
    const auto [initial, target] = transformation_test::randomInstance(rng);
    expectRight(initial, target);
  });
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
  program.expectRefusals({
      {"-1\n", "n is -1, below 0"},
      {"100011\n", "n is 100011, above the limit of 100010"},
      {"", "n is missing: transformation.in is empty"},
      {"two\n1 2\n1 2\n", "n is not an integer: two"},
      {"+\n", "n is not an integer: +"},
      {"\xef\xbb\xbf"
       "1\n5\n5\n",
       "n is not an integer: \\xef\\xbb\\xbf1"},
  });
}

TEST(TransformationRejects, TokensThatAreNotSigned32BitIntegers) {
  program.expectRefusals({
      {"2\n1 x\n1 1\n", "initial value 2 is not an integer: x"},
      {"2\n1 1\n1 1.5\n", "target value 2 is not an integer: 1.5"},
      {"2\n1 -\n1 1\n", "initial value 2 is not an integer: -"},
      {"1\n1\n+\n", "target value 1 is not an integer: +"},
      {"1\n" + std::string(100, '9') + "x\n1\n",
       "initial value 1 is not an integer: " + std::string(40, '9') + "..."},
      {"1\n2147483648\n1\n", "initial value 1 is outside the signed 32-bit range: 2147483648"},
      {"1\n1\n-2147483649\n", "target value 1 is outside the signed 32-bit range: -2147483649"},
  });
  program.expectEndMarkDropped("2\r\n5 7\r\n7 7", "YES\n1\n1 2\n",
                               "target value 2 is not an integer: 7\\x1a");
}

TEST(TransformationRejects, InputThatEndsEarly) {
  program.expectRefusals({
      {"6\n1 2 3 4 5 6\n1 2 3 4 5\n", "target value 6 is missing: input ends after 12 integers"},
      {"2\n1\n", "initial value 2 is missing: input ends after 2 integers"},
      {"1\n", "initial value 1 is missing: input ends after 1 integer"},
  });
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
