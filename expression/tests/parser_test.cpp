#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <utility>
#include <vector>

#include "parse_line.hpp"

namespace {

using expression_test::parseLine;

struct Expected {
  char op;
  int value;
  std::vector<int> children;
  std::vector<int> operators = {};  // the positions of the operators between them
};

void expectTree(const std::vector<Expected>& nodes) {
  ASSERT_EQ(sz, static_cast<int>(nodes.size()));
  for (int v = 0; v < sz; ++v) {
    SCOPED_TRACE("node " + std::to_string(v));
    EXPECT_EQ(t[v].op, nodes[v].op);
    EXPECT_EQ(t[v].value, nodes[v].value);
    std::vector<int> children, operators;
    for (int j = 0; j < t[v].children.count; ++j) children.push_back(t[v].children[j]);
    for (int j = 1; j < t[v].children.count; ++j) operators.push_back(t[v].children.operatorAt(j));
    EXPECT_EQ(children, nodes[v].children);
    EXPECT_EQ(operators, nodes[v].operators);
  }
}

TEST(Parser, SingleNumberMakesSumProductLeaf) {
  EXPECT_EQ(parseLine("5"), 0);
  expectTree({{'+', 5, {1}}, {'*', 5, {2}}, {0, 5, {}}});
  EXPECT_EQ(ptr, 1);
}

TEST(Parser, ParenthesesMakeNoNodeOfTheirOwn) {
  parseLine("1*(2)");
  expectTree(
      {{'+', 2, {1}}, {'*', 2, {2, 3}, {1}}, {0, 1, {}}, {'+', 2, {4}}, {'*', 2, {5}}, {0, 2, {}}});

  parseLine("((7))");
  expectTree({{'+', 7, {1}},
              {'*', 7, {2}},
              {'+', 7, {3}},
              {'*', 7, {4}},
              {'+', 7, {5}},
              {'*', 7, {6}},
              {0, 7, {}}});
}

TEST(Parser, NumbersAreReducedDigitByDigit) {
  parseLine("007*2");
  EXPECT_EQ(t[2].value, 7);
  EXPECT_EQ(t[3].value, 2);
  EXPECT_EQ(t[0].value, 14);

  parseLine("1000000007");
  EXPECT_EQ(t[2].value, 0);
  parseLine("123456789012345678901234567890");
  EXPECT_EQ(t[2].value, 197434842);  // 123456789012345678901234567890 mod 1000000007
}

TEST(Parser, NodesAreNumberedInPreOrderAndOperatorsStandBesideTheOperandAfterThem) {
  // 2+3*(4+5)*6: root sum {product(2), product(3, (4+5), 6)}.
  parseLine("2+3*(4+5)*6");
  expectTree({{'+', (2 + 3 * 9 * 6), {1, 3}, {1}},
              {'*', 2, {2}},
              {0, 2, {}},
              {'*', 162, {4, 5, 10}, {3, 9}},
              {0, 3, {}},
              {'+', 9, {6, 8}, {6}},
              {'*', 4, {7}},
              {0, 4, {}},
              {'*', 5, {9}},
              {0, 5, {}},
              {0, 6, {}}});
}

TEST(Parser, ValuesWrapModuloTheModulus) {
  parseLine("1000000006+2*500000004");
  EXPECT_EQ(t[0].value, (1000000006LL + 1000000008LL) % 1000000007);
  parseLine("99999999999*99999999999");
  long long x = 99999999999LL % 1000000007;
  EXPECT_EQ(t[1].value, x * x % 1000000007);
}

TEST(Parser, StopsAtAnUnmatchedClosingParenthesis) {
  parseLine("1+2)+3");
  EXPECT_EQ(ptr, 3);
  EXPECT_EQ(t[0].value, 3);
  EXPECT_EQ(t[0].children.count, 2);
  EXPECT_EQ(t[0].children.operatorAt(1), 1);  // the '+' after the stop is never recorded
}

TEST(Parser, NeverMakesMoreThanTwoNodesPerCharacterOverTheLength) {
  for (const char* line : {"1", "(1)", "((((9))))", "1+2*3", "(1+2)*(3+4)", "1*(2+(3*(4)))"}) {
    parseLine(line);
    EXPECT_LE(sz, static_cast<int>(std::string(line).size()) + 2) << line;
  }
}

}  // namespace
