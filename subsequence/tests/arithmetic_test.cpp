#include "arithmetic.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "rng.hpp"
#include "subsequence_reference.hpp"
#include "support.hpp"

namespace {

using namespace subsequence_reference;
using namespace subsequence_test;
using testing_support::Rng;

TEST(Residues, MmodIsInRangeForNegativeAndLargeValues) {
  EXPECT_EQ(mmod(-1), 1000000006);
  EXPECT_EQ(mmod(-1000000007), 0);
  EXPECT_EQ(mmod(-1000000008), 1000000006);
  EXPECT_EQ(mmod(10000000060LL), 999999997);
  EXPECT_EQ(mmod(0), 0);
  EXPECT_EQ(mmod(1000000007), 0);
  EXPECT_EQ(mmod(INT64_MIN), static_cast<int>((INT64_MIN % kModulus + kModulus) % kModulus));
  EXPECT_EQ(mmod(INT64_MAX), static_cast<int>(INT64_MAX % kModulus));
}

TEST(Residues, AddCorrectsOnceInEitherDirection) {
  int acc = 1000000006;
  add(acc, 1);
  EXPECT_EQ(acc, 0);
  acc = 0;
  add(acc, -1);
  EXPECT_EQ(acc, 1000000006);
  acc = 1000000006;
  add(acc, 1000000006);
  EXPECT_EQ(acc, 1000000005);
  acc = 5;
  add(acc, 7);
  EXPECT_EQ(acc, 12);
}

TEST(DigitStrings, AddZeroesPadsOnTheLeft) {
  std::string s = "12";
  addZeroes(s, 3);
  EXPECT_EQ(s, "00012");
  addZeroes(s, 0);
  EXPECT_EQ(s, "00012");
  std::string empty;
  addZeroes(empty, 2);
  EXPECT_EQ(empty, "00");
}

TEST(DigitStrings, WalksOfTheWorkedTable) {
  EXPECT_EQ(addDifference("5", "13"), 76);
  EXPECT_EQ(addDifference("13", "25"), 54);
  EXPECT_EQ(addDifference("10", "32"), 77);
  EXPECT_EQ(addDifference("19", "25"), 135);
  EXPECT_EQ(addDifference("95", "100"), 490);
  EXPECT_EQ(addDifference("0999", "1000"), 1000);
  EXPECT_EQ(addDifference("1", "1000000008"), 36);
  EXPECT_EQ(addDifference("7", "007"), 0);
  EXPECT_EQ(addDifference("007", "7"), 0);
  EXPECT_EQ(addDifference("", ""), 0);
  EXPECT_EQ(addDifference("", "3"), 6);  // an empty string denotes 0: 1 + 2 + 3
  // One step whose carry crosses eight places into the next eight, and past two such ends.
  EXPECT_EQ(addDifference("99999999", "100000000"), 100000000);
  EXPECT_EQ(addDifference("0" + std::string(17, '9'), "1" + std::string(17, '0')), 300000007);
}

TEST(DigitStrings, WalkLeavesItsArgumentsUnchanged) {
  const std::string a = "0999", b = "1000";
  addDifference(a, b);
  EXPECT_EQ(a, "0999");
  EXPECT_EQ(b, "1000");
}

TEST(DigitStrings, WalkMatchesTheNumberByNumberWalk) {
  for (int c = 0; c < 3000; ++c) {
    Rng rng(3000 + c);
    std::uint64_t x = static_cast<std::uint64_t>(rng.uniform(0, 999999999999999999LL));
    x /= powerOfTen(rng.uniform(0, 17));
    std::uint64_t y =
        x + static_cast<std::uint64_t>(rng.uniform(0, 2000)) * powerOfTen(rng.uniform(0, 8));
    if (y > 999999999999999999ULL) y = x;
    std::string a =
        std::string(static_cast<std::size_t>(rng.uniform(0, 2)), '0') + std::to_string(x);
    std::string b = std::to_string(y);
    ASSERT_EQ(addDifference(a, b), walkByNumbers(x, y)) << a << " to " << b;
  }
}

TEST(DigitStrings, LongWalksMatchTheClosedForm) {
  for (int c = 0; c < 200; ++c) {
    Rng rng(4000 + c);
    std::string a = randomDigits(rng, static_cast<std::size_t>(rng.uniform(1000, 5000)));
    std::string b = randomDigits(rng, static_cast<std::size_t>(rng.uniform(1000, 5000)));
    if (rng.chance(30)) {  // a shared prefix, or runs of 9s that carry far
      b = a;
      std::size_t from =
          static_cast<std::size_t>(rng.uniform(0, static_cast<long long>(a.size()) - 1));
      std::fill(a.begin() + static_cast<std::ptrdiff_t>(from), a.end(), '9');
      if (from > 0 && b[from - 1] != '9') {
        ++b[from - 1];
        std::fill(b.begin() + static_cast<std::ptrdiff_t>(from), b.end(), '0');
      }
    }
    if (compareNumbers(a, b) > 0) std::swap(a, b);
    ASSERT_EQ(addDifference(a, b), walkInClosedForm(a, b))
        << "lengths " << a.size() << ", " << b.size();
  }
}

// The chain as the program walks it: each word's residue formed once, the walk from one
// word ending on the next one's.
TEST(DigitStrings, ChainsMatchTheNumberByNumberWalk) {
  for (int c = 0; c < 5000; ++c) {
    Rng rng(6000 + c);
    const std::vector<std::uint64_t> numbers = randomChain(rng);
    long long expected = static_cast<long long>(numbers[0] % kModulus);
    std::string previous = std::to_string(numbers[0]);
    int V = residue(previous);
    int sum = V;
    for (std::size_t j = 1; j < numbers.size(); ++j) {
      expected = (expected + walkByNumbers(numbers[j - 1], numbers[j])) % kModulus;
      std::string word = std::string(static_cast<std::size_t>(rng.uniform(0, 2)), '0') +
                         std::to_string(numbers[j]);
      add(sum, addDifference(previous, word, V));
      previous = word;
    }
    ASSERT_EQ(sum, expected) << "seed " << 6000 + c;
  }
}

}  // namespace
