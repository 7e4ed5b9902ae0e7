// The expression parser: one pass over the line, with the levels of parentheses that are
// open on an explicit stack, that builds the tree in fixed global storage, with every
// node's value modulo 1000000007, and records beside each node's operands the position of
// the operator in front of each. The grammar:
//   expression: summand ('+' summand)*
//   summand:    multiplier ('*' multiplier)*
//   multiplier: number | '(' expression ')'
//
// Time O(n) for a line of n characters. Memory: fixed tables for the longest line, of which
// a line touches O(n). Stack: O(1); the open levels are kept in `pending`.
// Tested by tests/parser_test.cpp (trees of known lines) and, through the walk, against an
// evaluator of its own on random lines (tests/search_test.cpp).
#pragma once

#include <string>

constexpr int kCapacity = 524288;  // nodes, and so characters: a line of n makes <= n + 2 nodes
constexpr int P = 1000000007;      // every value is kept modulo P, the parser's and the walk's

// The operands of every node, in one pool: a node's own are a run of it, left to right.
// operatorBefore[i] is the position in the line of the operator in front of operands[i],
// or -1 for a node's first operand.
extern int operands[kCapacity];
extern int operatorBefore[kCapacity];

// One node's operands: operands[first, first + count).
struct Operands {
  int first;
  int count;

  int operator[](int j) const { return operands[first + j]; }
  // The position of the operator between operands j - 1 and j.
  int operatorAt(int j) const { return operatorBefore[first + j]; }
};

struct Node {
  char op;            // '+' sum, '*' product, 0 number leaf
  int value;          // the subexpression's value modulo P
  Operands children;  // none for a number leaf
};

extern std::string s;  // the expression line
extern int n;          // its length
extern int ptr;        // the next unread character
extern int sz;         // nodes made so far, and the next node's index
extern Node t[kCapacity];

// A stack of pairs in static storage, as deep as the longest line nests: 524286 '(' open as
// many levels, and the line is one more. The parser keeps each open level there (its sum
// node and the product node being built); the walk, once the parse is done, the contexts
// of the nodes it has yet to reach.
struct Pair {
  int first;
  int second;
};
extern Pair pending[kCapacity];

// Parses the line s[0, n) from ptr == 0 with sz == 0 and returns its root, node 0; ptr is
// left at the end of the line or at an unmatched ')', where the parse ends. The grammar's
// checks are assertions that stay active in every build: a malformed line stops the
// program. Nodes are numbered in the order their parse begins: a parent before its
// operands, an operand's subtree before the next operand's.
int parseExpression();
