#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "program.hpp"
#include "rng.hpp"
#include "subsequence_reference.hpp"
#include "support.hpp"

namespace {

using namespace subsequence_reference;
using namespace subsequence_test;
using testing_support::Rng;

const testing_support::Program program(PROGRAM_PATH, "subsequence");

std::string inputOf(const std::vector<std::string>& words) {
  std::string text = std::to_string(words.size()) + "\n";
  for (const std::string& w : words) text += w + "\n";
  return text;
}

void expectAnswer(const std::string& input, long long expected) {
  program.expectAnswer(input, std::to_string(expected) + "\n");
}

TEST(SubsequenceAnswers, WorkedExamples) {
  expectAnswer("1\n42\n", 42);
  expectAnswer("1\n1000000007\n", 0);
  expectAnswer("1\n1000000008\n", 1);
  expectAnswer("3\n5\n13\n25\n", 135);
  expectAnswer("2 10 32", 87);
  expectAnswer("4\n1 2 3 4\n", 10);
  expectAnswer("3\n7 007 10\n", 34);
  expectAnswer("2\n123 123\n", 123);
  expectAnswer("2\n9 10\n", 19);
  expectAnswer("2\n99 100\n", 199);
  expectAnswer("2\n1 1000000008\n", 37);
  expectAnswer("1\n0\n", 0);
  expectAnswer("2\r\n000\r\n0000\r\n", 0);
  expectAnswer("1 5 and then anything", 5);
}

TEST(SubsequenceAnswers, MatchesTheNumberByNumberWalk) {
  testing_support::forRandomRows(6000, [&](Rng& rng) {
    std::vector<std::uint64_t> numbers = randomChain(rng);
    std::vector<std::string> words;
    long long expected = static_cast<long long>(numbers[0] % kModulus);
    for (std::size_t j = 0; j < numbers.size(); ++j) {
      words.push_back(
          std::string(static_cast<std::size_t>(rng.chance(20) ? rng.uniform(1, 3) : 0), '0') +
          std::to_string(numbers[j]));
      if (j > 0) expected = (expected + walkByNumbers(numbers[j - 1], numbers[j])) % kModulus;
    }
    expectAnswer(inputOf(words), expected);
  });
}

// A judge's smallest stack, with an environment that takes most of it.
TEST(SubsequenceAnswers, TheExampleOnASmallStack) {
  program.expectAnswerOnASmallStack("3\n5 13 25\n", "135\n");
}

TEST(SubsequenceAnswers, AMillionWordsOfUpToSixtyDigits) {
  Rng rng(8);
  const int count = 1000000;
  std::string input = std::to_string(count) + "\n", word = "1", previous;
  long long expected = 0;  // the chain's sum so far, walked in closed form word by word
  for (int j = 0; j < count; ++j) {
    // Grow the number now and then by a digit; otherwise raise one digit or keep it.
    if (word.size() < 60 && rng.chance(1)) word = randomDigits(rng, 1) + word;
    if (word[0] == '0') word[0] = '1';
    std::size_t at =
        static_cast<std::size_t>(rng.uniform(0, static_cast<long long>(word.size()) - 1));
    if (word[at] < '9' && rng.chance(90)) {
      ++word[at];
      for (std::size_t i = at + 1; i < word.size(); ++i)
        word[i] = static_cast<char>('0' + rng.uniform(0, 9));
    }
    expected = j == 0 ? residueOf(word) : (expected + walkInClosedForm(previous, word)) % kModulus;
    input += word + "\n";
    previous = word;
  }
  expectAnswer(input, expected);
}

TEST(SubsequenceAnswers, ThreeWordsOfFiveMillionDigits) {
  Rng rng(9);
  std::vector<std::string> words;
  for (int j = 0; j < 3; ++j) words.push_back(randomDigits(rng, 5000000));
  std::sort(words.begin(), words.end());  // equal lengths: text order is number order
  expectAnswer(inputOf(words), chainSum(words));
}

TEST(SubsequenceRejects, CountThatIsNotAPositiveInteger) {
  program.expectRefusals({
      {"0\n", "n is 0, below 1"},
      {"-3\n1 2 3\n", "n is -3, below 1"},
      {"x\n", "n is not an integer: x"},
      {"2.0\n1 2\n", "n is not an integer: 2.0"},
      {"3000000000\n1\n", "n is outside the signed 32-bit range: 3000000000"},
      {"", "n is missing: subsequence.in is empty"},
  });
}

TEST(SubsequenceRejects, MissingOrMalformedWords) {
  program.expectRefusals({
      {"3\n1 2\n", "word 3 is missing: input ends after 2 of 3 words"},
      {"2000000000\n1 2\n", "word 3 is missing: input ends after 2 of 2000000000 words"},
  });
  for (const char* bad : {"12a", "-5", "+5", "1.0", "1e3"}) {
    program.expectRefused(std::string("2\n1 ") + bad + "\n",
                          std::string("word 2 is not a decimal number: ") + bad);
  }
  program.expectRefused("2\n1 \x1b[31m5\n", "word 2 is not a decimal number: \\x1b[31m5");
  program.expectEndMarkDropped("2\n1 42", "111\n", "word 2 is not a decimal number: 42\\x1a");
  // A message shows 40 bytes of a word whole, and shortens one of 41.
  const std::string forty = std::string(39, '1') + "x";
  program.expectRefusals({
      {"2\n1 " + forty + "\n", "word 2 is not a decimal number: " + forty},
      {"2\n1 " + forty + "y\n", "word 2 is not a decimal number: " + forty + "..."},
  });
}

TEST(SubsequenceRejects, WordSmallerThanTheOneBefore) {
  program.expectRefusals({
      {"2\n13 12\n", "word 2 (12) is smaller than word 1 (13)"},
      {"3\n1 013 12\n", "word 3 (12) is smaller than word 2 (013)"},
      {"2\n100 099\n", "word 2 (099) is smaller than word 1 (100)"},
  });
  std::string longer = "2" + std::string(59, '0');
  program.expectRefused("2\n" + longer + " 1" + std::string(59, '9') + "\n",
                        "word 2 (" + std::string("1") + std::string(39, '9') +
                            "... (60 digits)) is smaller than word 1 (" + longer.substr(0, 40) +
                            "... (60 digits))");
  const std::string digits41 = "2" + std::string(40, '0'), digits40 = "1" + std::string(39, '9');
  program.expectRefused("2\n" + digits41 + " " + digits40 + "\n",
                        "word 2 (" + digits40 + ") is smaller than word 1 (" +
                            digits41.substr(0, 40) + "... (41 digits))");
  // After many good words, read and walked as they come, nothing is written all the same.
  std::string many = "200002\n";
  for (int j = 1; j <= 200000; ++j) many += std::to_string(j) + "\n";
  program.expectRefusals({
      {many + "5\n7\n", "word 200001 (5) is smaller than word 200000 (200000)"},
      {many + "5x\n", "word 200001 is not a decimal number: 5x"},
  });
}

TEST(SubsequenceRejects, EndlessInputAndOutOfMemory) {
  program.expectEndlessInputRefused("n is not an integer: " + testing_support::escapedNuls(40) +
                                    "...");
  program.expectOutOfMemory("1 5", "2\n1 " + std::string(4 << 20, '7') + "\n",
                            "reading subsequence.in");
}

TEST(SubsequenceRejects, FilesThatCannotBeReadOrWritten) {
  program.expectFileProblemsRefused("2\n5 13\n");
}

}  // namespace
