#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "program.hpp"
#include "support.hpp"

namespace {

using namespace expression_test;
using testing_support::describe;
using testing_support::excerpt;
using testing_support::Rng;
using testing_support::RunOptions;
using testing_support::RunResult;

const testing_support::Program program(PROGRAM_PATH, "expression");

std::string limitsOf(const RunOptions& options) {
  if (!options.stack_limit_bytes) return "no limits";
  return "stack limit " + std::to_string(*options.stack_limit_bytes) + ", environment " +
         std::to_string(options.environment_bytes) + (options.process_limit ? ", one process" : "");
}

std::string inputOf(const std::string& line, const std::vector<int>& queries) {
  std::string text = line + "\n" + std::to_string(queries.size()) + "\n";
  for (int q : queries) text += std::to_string(q) + " ";
  return text + "\n";
}

TEST(ExpressionAnswers, WorkedExamples) {
  program.expectAnswers({
      {"2*(3+4)*5\n3\n2 5 8\n", "37\n120\n19\n"},
      {"(1+2)*(3+4)\n3\n3 6 9\n", "14\n10\n36\n"},
      {"2*3*4\n2\n2 4\n", "14\n10\n"},
      {"2+3+4\n2\n2\n4\n", "10\n14\n"},
      {"1*(2)\n1\n2\n", "3\n"},
      {"007*2\n1\n4\n", "9\n"},
      {"1000000006+2\n1\n11\n", "1000000005\n"},
      {"1000000007*3+1\n2\n11 13\n", "4\n0\n"},
      {"2*(3+4)*5\n2\n2 2\n", "37\n37\n"},
  });
}

// The node store and the answer table take about 20 MiB: a small line must leave them
// untouched, at no cost when the program starts or ends.
TEST(ExpressionAnswers, SmallLineLeavesTheTablesUntouched) {
  if (testing_support::kSanitized) GTEST_SKIP() << "the sanitizers' shadow memory counts too";
  if (testing_support::emulated()) GTEST_SKIP() << "the emulator's own memory counts too";
  RunResult r = program.run("2*(3+4)*5\n3\n2 5 8\n");
  ASSERT_EQ(r.exit_code, 0) << describe(r);
  EXPECT_LT(r.peak_kib, 10 << 10);
}

TEST(ExpressionAnswers, WhatTheInputFormatAllows) {
  program.expectAnswers({
      {"2*(3+4)*5\r\n3\r\n2 5 8\r\n", "37\n120\n19\n"},  // CR LF line ends
      {"5\n0\n", ""},
      {"5\n", ""},                     // no query count: nothing to answer
      {"2+3", ""},                     // no line feed either
      {"2+3\n-4\n", ""},               // a negative count asks nothing
      {"1+2)+3\n1\n2\n", "2\n"},       // the rest after an unmatched ')' is ignored
      {"2+3\n1 2 and more\n", "6\n"},  // input after the last query is not read
  });
  program.expectEndMarkDropped("2+3\n1\n2", "6\n", "query 1 is not an integer: 2\\x1a");
}

TEST(ExpressionAnswers, MatchesTheSwitchedLineEvaluatedFromScratch) {
  testing_support::forRandomRows(70000, [&](Rng& rng) {
    std::string line = randomExpression(rng, static_cast<int>(rng.uniform(0, 4)));
    if (rng.chance(10)) line += ")" + randomExpression(rng, 1);
    std::vector<int> operators = operatorPositions(line);
    std::vector<int> queries;
    std::string expected;
    int count = operators.empty() ? 0 : static_cast<int>(rng.uniform(1, 8));
    for (int q = 0; q < count; ++q) {
      int i = operators[rng.uniform(0, static_cast<long long>(operators.size()) - 1)];
      queries.push_back(i + 1);
      expected += std::to_string(switchedValue(line, i)) + "\n";
    }
    program.expectAnswer(inputOf(line, queries), expected);
  });
}

// A judge's limits: 256 MiB of address space (not under the sanitizers), and a stack
// limit from 64 KiB, with an environment that takes most of it or with no second thread
// allowed (not under the sanitizers either: LeakSanitizer checks from a thread of its
// own), to none at all. Under an emulator they would fall on the emulator, so the
// program runs with none there.
std::vector<RunOptions> judgeLimits() {
  if (testing_support::emulated()) return {RunOptions{}};
  std::vector<RunOptions> limits(4);
  limits[0].stack_limit_bytes = 64 << 10;
  limits[0].environment_bytes = 44000;
  limits[1].stack_limit_bytes = 64 << 10;
  limits[1].process_limit = 1;
  limits[2].stack_limit_bytes = 8 << 20;
  limits[3].stack_limit_bytes = testing_support::kUnlimited;
  if (testing_support::kSanitized) {
    limits.erase(limits.begin() + 1);
  } else {
    for (RunOptions& options : limits) options.address_space_bytes = 256UL << 20;
  }
  return limits;
}

// A judge's smallest stack, with an environment that takes most of it.
TEST(ExpressionAnswers, TheExampleOnASmallStack) {
  program.expectAnswerOnASmallStack("2*(3+4)*5\n3\n2 5 8\n", "37\n120\n19\n");
  for (const RunOptions& limits : judgeLimits()) {
    SCOPED_TRACE(limitsOf(limits));
    program.expectAnswer("2*(3+4)*5\n3\n2 5 8\n", "37\n120\n19\n", limits);
  }
}

TEST(ExpressionAnswers, LongestLineWithMostQueriesUnderAJudgesLimits) {
  Rng rng(11);
  std::string line;
  while (line.size() < 524286) {
    line += static_cast<char>('1' + rng.uniform(0, 8));
    if (rng.chance(60)) line += rng.chance(50) ? '+' : '*';
  }
  line.resize(524286);
  if (line.back() == '+' || line.back() == '*') line.back() = '7';
  std::vector<int> operators = operatorPositions(line);
  std::vector<int> queries(524288);
  for (int& q : queries)
    q = operators[rng.uniform(0, static_cast<long long>(operators.size()) - 1)] + 1;

  const std::string input = inputOf(line, queries);
  std::vector<std::pair<std::size_t, std::string>> samples;  // (query, its answer)
  for (int sample = 0; sample < 60; ++sample) {
    std::size_t q = static_cast<std::size_t>(rng.uniform(0, 524287));
    samples.emplace_back(q, std::to_string(switchedValue(line, queries[q] - 1)));
  }
  for (const RunOptions& limits : judgeLimits()) {
    SCOPED_TRACE(limitsOf(limits));
    RunResult r = program.run(input, limits);
    ASSERT_EQ(r.exit_code, 0) << describe(r);
    ASSERT_TRUE(r.output.has_value());
    const std::string text = testing_support::plainText(*r.output);
    std::vector<std::string> answers;
    for (std::size_t at = 0, end; (end = text.find('\n', at)) != std::string::npos; at = end + 1) {
      answers.push_back(text.substr(at, end - at));
    }
    ASSERT_EQ(answers.size(), queries.size());
    for (const auto& [q, answer] : samples) EXPECT_EQ(answers[q], answer) << "query " << q;
  }
}

// An input whose line the grammar refuses: the assertion report names the failed
// condition, the program aborts, and expression.out exists and is empty.
void expectInputFailsCheck(const std::string& input, const std::string& condition,
                           const RunOptions& limits = {}) {
  RunResult r = program.run(input, limits);
  EXPECT_TRUE(testing_support::abortedByAssertion(r)) << excerpt(input) << ": " << describe(r);
  EXPECT_NE(r.err.find(testing_support::assertionReport(condition)), std::string::npos)
      << excerpt(input) << ": " << r.err;
  EXPECT_EQ(r.output, std::optional<std::string>(""));
}

void expectCheckFails(const std::string& line, const std::string& condition,
                      const RunOptions& limits = {}) {
  expectInputFailsCheck(line + "\n1\n1\n", condition, limits);
}

long long power(long long base, long long exponent) {
  long long result = 1;
  for (; exponent > 0; --exponent) result = result * base % kModulus;
  return result;
}

TEST(ExpressionAnswers, DeepestNestingUnderAJudgesLimits) {
  const int deepest = 262142;
  const std::string deepLine = std::string(deepest, '(') + "5" + std::string(deepest, ')');
  // 262141 parentheses around 1+23: exactly the longest line.
  const int around = 262141;
  const std::string aroundLine = std::string(around, '(') + "1+23" + std::string(around, ')');
  ASSERT_EQ(aroundLine.size(), 524286u);

  // 2*(2*(...(2)...)): switching the '*' of level i gives 2^i * (2 + 2^(L-i)).
  const int levels = 131071;
  std::string powers;
  for (int i = 0; i < levels; ++i) powers += "2*(";
  powers += "2" + std::string(levels, ')');
  std::vector<int> powerQueries;
  std::string powerAnswers;
  for (int i : {0, 1, 77777, levels - 1}) {
    powerQueries.push_back(3 * i + 2);
    powerAnswers +=
        std::to_string(power(2, i) * ((2 + power(2, levels - i)) % kModulus) % kModulus) + "\n";
  }

  // The walk at its deepest: every level adds operands to both its sum and its product.
  const int walked = (524286 - 1) / 6;
  std::string walkLine;
  for (int i = 0; i < walked; ++i) walkLine += "1+1*(";
  walkLine += "1" + std::string(walked, ')');
  const std::vector<int> walkQueries = {2, 4, 5 * 40000 + 2, 5 * (walked - 1) + 4};
  std::string walkAnswers;
  for (int q : walkQueries) walkAnswers += std::to_string(switchedValue(walkLine, q - 1)) + "\n";

  for (const RunOptions& limits : judgeLimits()) {
    SCOPED_TRACE(limitsOf(limits));
    program.expectAnswer(deepLine + "\n0\n", "", limits);
    program.expectAnswer(inputOf(aroundLine, {around + 2, around + 2}), "23\n23\n", limits);
    program.expectAnswer(inputOf(powers, powerQueries), powerAnswers, limits);
    program.expectAnswer(inputOf(walkLine, walkQueries), walkAnswers, limits);
    // The deepest lines of the longest length, refused: nested twice as deep as a valid
    // line can be.
    expectCheckFails(std::string(524285, '(') + "1", kClosing, limits);
    expectCheckFails(std::string(524286, '('), kFactorStart, limits);
  }
}

TEST(ExpressionGrammar, EachMalformedLineFailsItsCheck) {
  for (const char* line : {"1+", "()", "1*+2", "", "+1", ")", "(", "1+(", "a", " 1"}) {
    expectCheckFails(line, kFactorStart);
  }
  for (const char* line : {"(1", "((1)", "(1+2*(3)"}) expectCheckFails(line, kClosing);
  // The deepest lines of the longest length, nested twice as deep as a valid line can be.
  expectCheckFails(std::string(524285, '(') + "1", kClosing);
  expectCheckFails(std::string(524286, '('), kFactorStart);
  expectCheckFails(std::string(400000, '(') + "1" + std::string(100000, ')') + "x", kAfterFactor);
  // A 0x1A byte, which would end a text-mode file on Windows, is a byte like any other.
  for (const char* line : {"2(3)", "1 +2", "12a", "(1)(2)", "1-2", "1+2\x1a"})
    expectCheckFails(line, kAfterFactor);

  // The report needs no more stack than an answer: under a judge's smallest stack, beside
  // an environment that takes most of it, the C library must not format it in the frame.
  if (!testing_support::kSanitized && !testing_support::emulated()) {
    RunOptions small;
    small.stack_limit_bytes = 64 << 10;
    small.environment_bytes = 48000;
    for (int run = 0; run < 10; ++run) {
      for (const char* line : {"1+", "(1", "2(3)"})
        expectCheckFails(line, failingCheck(line), small);
    }
  }
  // A carriage return ends a line only before its line feed: one that ends the file is a
  // byte of the line.
  expectInputFailsCheck("15\r", kAfterFactor);
  expectInputFailsCheck("(1\r", kAfterFactor);

  RunResult empty = program.run("");
  EXPECT_TRUE(testing_support::abortedByAssertion(empty)) << describe(empty);
  EXPECT_NE(empty.err.find(testing_support::assertionReport(kFactorStart)), std::string::npos);
}

TEST(ExpressionGrammar, RandomDamagedLinesFailTheCheckAStateMachinePredicts) {
  const std::string alphabet = "()+*0 9x";
  testing_support::forRandomRows(90000, [&](Rng& rng) {
    std::string line = randomExpression(rng, 2);
    for (int damage = static_cast<int>(rng.uniform(1, 3)); damage > 0; --damage) {
      std::size_t at =
          static_cast<std::size_t>(rng.uniform(0, static_cast<long long>(line.size())));
      char ch = alphabet[rng.uniform(0, static_cast<long long>(alphabet.size()) - 1)];
      switch (rng.uniform(0, 2)) {
        case 0:
          line.insert(at, 1, ch);
          break;
        case 1:
          if (at < line.size()) line.erase(at, 1);
          break;
        default:
          line = line.substr(0, at);
      }
    }
    std::string check = failingCheck(line);
    if (check.empty()) return;  // the damage left a well-formed line
    expectCheckFails(line, check);
  });
}

TEST(ExpressionRejects, LineLongerThanTheNodeStoreAllows) {
  std::string line = "1";
  while (line.size() < 524287) line += "+1";
  line.resize(524287);
  program.expectRefusals({
      {line + "\n1\n2\n", "the expression line is longer than 524286 characters"},
      {line + "1111\n", "the expression line is longer than 524286 characters"},
  });
  line.resize(524286);
  line.back() = '1';
  program.expectAnswer(line + "\r\n1\n2\n",  // the longest line, saved with CR LF
                       std::to_string(switchedValue(line, 1)) + "\n");
  // A carriage return that ends the file is a byte of the line, one too many.
  program.expectRefused(line + "\r", "the expression line is longer than 524286 characters");
}

TEST(ExpressionRejects, QueryCountThatIsNotACount) {
  program.expectRefusals({
      {"2+3\nx\n", "the query count is not an integer: x"},
      {"2+3\n1.0\n2\n", "the query count is not an integer: 1.0"},
      {"2+3\n99999999999\n", "the query count is outside the signed 32-bit range: 99999999999"},
      {"2+3\n524289\n", "the query count is 524289, above the limit of 524288"},
  });
}

TEST(ExpressionRejects, QueriesThatAreNotIntegersOrAreMissing) {
  program.expectRefusals({
      {"2*3*4\n3\n2 x 4\n", "query 2 is not an integer: x", "14\n"},
      {"2*3*4\n3\n2 4\n", "query 3 is missing: input ends after 2 of 3 queries", "14\n10\n"},
      {"2*3*4\n1\n2147483648\n", "query 1 is outside the signed 32-bit range: 2147483648"},
  });
}

TEST(ExpressionRejects, PositionsThatNameNoConsumedOperator) {
  program.expectRefusals({
      {"2*3*4\n3\n2 4 1\n", "query 3 names position 1, which holds '2', not an operator",
       "14\n10\n"},
      {"(2+3)\n1\n1\n", "query 1 names position 1, which holds '(', not an operator"},
      {"(2+3)\n1\n5\n", "query 1 names position 5, which holds ')', not an operator"},
      {"2+3\n1\n0\n", "query 1 names position 0, which is outside the line of 3 characters"},
      {"2+3\n1\n-2\n", "query 1 names position -2, which is outside the line of 3 characters"},
      {"2+3\n1\n4\n", "query 1 names position 4, which is outside the line of 3 characters"},
      {"2+3\n1\n-2147483648\n",
       "query 1 names position -2147483648, which is outside the line of 3 characters"},
      {"1+2)+3\n2\n2 5\n",
       "query 2 names position 5, which is after the unmatched ')' at position 4 where "
       "the expression ends",
       "2\n"},
      {"1+2)+3\n1\n4\n",
       "query 1 names position 4, which holds the unmatched ')' where the expression ends"},
  });
}

TEST(ExpressionRejects, EndlessInputAndOutOfMemory) {
  program.expectEndlessInputRefused("the expression line is longer than 524286 characters");
  std::string flat = "1";
  while (flat.size() + 2 <= 524286) flat += "+1";
  program.expectOutOfMemory("5\n0\n", flat + "\n0\n", "reading the expression line");
}

TEST(ExpressionRejects, FilesThatCannotBeReadOrWritten) {
  program.expectFileProblemsRefused("2*3*4\n2\n2 4\n");

  // On a full disk the answers given before a refused query cannot be written either; the
  // refusal, found first, is the one line.
  if (testing_support::devicesReachable()) {
    testing_support::ScratchDir full;
    full.write("expression.in", "2*3*4\n2\n2 x\n");
    full.symlink("expression.out", "/dev/full");
    RunResult r = full.run(PROGRAM_PATH, "expression");
    EXPECT_EQ(r.exit_code, 1) << describe(r);
    EXPECT_EQ(r.err, testing_support::platformText("expression: query 2 is not an integer: x\n"));
  }

  // A file-size limit met in the fourth buffer of answers: the lines written whole stay.
  // Last, since no file-size limit can be set under an emulator: the test stops here.
  std::string ones = "1";  // 100000 ones, so that every switched '+' gives 99999
  while (ones.size() < 199999) ones += "+1";
  std::vector<int> queries(40000);
  for (int i = 0; i < 40000; ++i) queries[i] = 2 * (i * 7 % 99999) + 2;
  std::string whole;
  for (int i = 0; i < 200000 / 6; ++i) whole += "99999\n";
  program.expectWriteCutBack(inputOf(ones, queries), 200000, whole);
}

}  // namespace
