// The expression parser: one recursive-descent pass over the line that builds the tree
// in fixed global storage, with every node's value modulo 1000000007, and records for
// each operator character which node owns it and where among that node's operands.
#pragma once

#include <string>
#include <type_traits>
#include <utility>

#include "int_array.hpp"

constexpr int kCapacity = 524288;  // nodes, and so characters: a line of n makes <= n + 2 nodes
constexpr int P = 1000000007;      // every value is kept modulo P, the parser's and the walk's

// All zero is an empty number leaf: the node store is zero-filled storage (IntArray).
struct Node {
  char op;            // '+' sum, '*' product, 0 number leaf
  int value;          // the subexpression's value modulo P
  IntArray children;  // operands, left to right
};
static_assert(std::is_trivial_v<Node> && std::is_trivially_destructible_v<Node>);

extern std::string s;  // the expression line
extern int n;          // its length
extern int ptr;        // the next unread character
extern int sz;         // nodes made so far, and the next node's index
extern Node t[kCapacity];
extern std::pair<int, int> pos[kCapacity];  // operator at i: (owner node, left operand's index)

// Each parses from `ptr` and returns the index of the node it made. The grammar checks
// are assertions that stay active in every build: a malformed line stops the program.
int parseExpression();
int parseSummand();
int parseMultiplier();
int parseNumber();
