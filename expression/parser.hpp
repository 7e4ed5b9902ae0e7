// The expression parser: one recursive-descent pass over the line that builds the tree in
// fixed global storage, with every node's value modulo 1000000007, and records beside each
// node's operands the position of the operator in front of each.
//
// Time O(n) for a line of n characters. Memory: fixed tables for the longest line, of which
// a line touches O(n). Stack: O(depth), three nested calls per level of parentheses.
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

// Each parses from `ptr` and returns the index of the node it made. The grammar checks
// are assertions that stay active in every build: a malformed line stops the program.
// A parse starts with sz and ptr at 0.
int parseExpression();
int parseSummand();
int parseMultiplier();
int parseNumber();
