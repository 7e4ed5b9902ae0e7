#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "program.hpp"
#include "rng.hpp"
#include "stack_reference.hpp"

namespace {

using stack_reference::greedyOrder;
using stack_reference::smallestByEnumeration;
using testing_support::Rng;

const testing_support::Program program(PROGRAM_PATH, "stack");

std::string inputOf(const std::vector<long long>& values) {
  std::string text = std::to_string(values.size()) + "\n";
  for (long long v : values) text += std::to_string(v) + " ";
  return text + "\n";
}

std::string outputOf(const std::vector<int>& values) {
  std::string text;
  for (int v : values) text += std::to_string(v) + " ";
  return text;
}

TEST(StackAnswers, WorkedExamplesByteForByte) {
  program.expectAnswers({{"0", ""},
                         {"1\n7\n", "7 "},
                         {"3\n3 1 2\n", "1 2 3 "},
                         {"3\n2 3 1\n", "1 3 2 "},
                         {"2\n1 1\n", "1 1 "},
                         {"5\n5 -1 4 -1 3\n", "-1 -1 3 4 5 "},
                         {"4\n1 2 3 4\n", "1 2 3 4 "},
                         {"3\n3 2 1\n", "1 2 3 "}});
}

TEST(StackAnswers, ReadsAnyWhitespaceAndIgnoresTrailingInput) {
  program.expectAnswers({{"3\r\n\t2   3\r\n1", "1 3 2 "},
                         {"2 +4 -0 junk after the values", "0 4 "},
                         {"2\n2147483647 -2147483648\n", "-2147483648 2147483647 "},
                         {"1 -" + std::string(100000, '0') + "7", "-7 "}});  // leading zeros
}

TEST(StackAnswers, MatchesEveryPopOrderEnumeratedOnSmallInputs) {
  testing_support::forRandomRows(1000, [](Rng& rng) {
    int size = static_cast<int>(rng.uniform(0, 8));
    int range = static_cast<int>(rng.uniform(1, 6));
    std::vector<int> values(size);
    for (int& v : values) v = static_cast<int>(rng.uniform(-range, range));
    program.expectAnswer(inputOf({values.begin(), values.end()}),
                         outputOf(smallestByEnumeration(values)));
  });
}

// A judge's smallest stack, with an environment that takes most of it.
TEST(StackAnswers, TheExampleOnASmallStack) {
  program.expectAnswerOnASmallStack("5\n5 -1 4 -1 3\n", "-1 -1 3 4 5 ");
}

TEST(StackAnswers, LargestInputs) {
  const int limit = 100000;
  std::vector<int> increasing(limit), decreasing(limit), equal(limit, -5), random(limit);
  Rng rng(7);
  for (int i = 0; i < limit; ++i) {
    increasing[i] = i - limit / 2;
    decreasing[i] = 2147483647 - i;
    random[i] = static_cast<int>(rng.uniform(-2147483648LL, 2147483647LL));
  }
  std::vector<int> reversed(decreasing.rbegin(), decreasing.rend());
  program.expectAnswer(inputOf({increasing.begin(), increasing.end()}), outputOf(increasing));
  program.expectAnswer(inputOf({decreasing.begin(), decreasing.end()}), outputOf(reversed));
  program.expectAnswer(inputOf({equal.begin(), equal.end()}), outputOf(equal));
  program.expectAnswer(inputOf({random.begin(), random.end()}), outputOf(greedyOrder(random)));
}

TEST(StackRejects, CountOutsideTheLimits) {
  program.expectRefusals({{"-1\n", "n is -1, below 0"},
                          {"100001\n1", "n is 100001, above the limit of 100000"},
                          {"", "n is missing: stack.in is empty"},
                          {"x 1 2", "n is not an integer: x"},
                          {std::string("3\0 1 2 3", 8), "n is not an integer: 3\\x00"}});
}

TEST(StackRejects, TokensThatAreNotSigned32BitIntegers) {
  program.expectRefusals({
      {"4\n1 2 3 x\n", "value 4 is not an integer: x"},
      {"2\n1.5 2\n", "value 1 is not an integer: 1.5"},
      {"2\n1 1.5\n", "value 2 is not an integer: 1.5"},
      {"1\n2147483648\n", "value 1 is outside the signed 32-bit range: 2147483648"},
      {"1\n-2147483649\n", "value 1 is outside the signed 32-bit range: -2147483649"},
      {"1\n99999999999999999999999\n",
       "value 1 is outside the signed 32-bit range: 99999999999999999999999"},
      {"1\n-\n", "value 1 is not an integer: -"},
      {"1\n+-3\n", "value 1 is not an integer: +-3"},
      {"1\n0x10\n", "value 1 is not an integer: 0x10"},
      {"3\n1 2\x1a 3", "value 2 is not an integer: 2\\x1a"},  // 0x1A ends no file
      {"1 " + std::string(100, '7') + "z",
       "value 1 is not an integer: " + std::string(40, '7') + "..."},
      // The shortening counts input bytes, so it never cuts an escape in half.
      {"1 " + std::string(38, '7') + "\x01\xff\x02",
       "value 1 is not an integer: " + std::string(38, '7') + "\\x01\\xff..."},
  });
  program.expectEndMarkDropped("1\r\n5", "5 ", "value 1 is not an integer: 5\\x1a");
}

TEST(StackRejects, InputThatEndsEarly) {
  program.expectRefusals({{"3\n1 2\n", "value 3 is missing: input ends after 2 of 3 values"},
                          {"100000\n", "value 1 is missing: input ends after 0 of 100000 values"}});
}

TEST(StackRejects, EndlessInputAndOutOfMemory) {
  program.expectEndlessInputRefused("n is not an integer: " + testing_support::escapedNuls(40) +
                                    "...");
  program.expectOutOfMemory("0", inputOf(std::vector<long long>(100000, 1)), "ordering the values");
}

TEST(StackRejects, FilesThatCannotBeReadOrWritten) {
  program.expectFileProblemsRefused("3\n1 2 3\n");
}

}  // namespace
