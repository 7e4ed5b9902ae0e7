// The expression parser: one recursive-descent pass over the line that builds the tree
// in fixed global storage, with every node's value modulo 1000000007, and records for
// each operator character which node owns it and where among that node's operands.
#pragma once

#include <string>
#include <utility>
#include <vector>

constexpr int kCapacity = 524288;  // nodes, and so characters: a line of n makes <= n + 2 nodes

struct Node {
  char op;                    // '+' sum, '*' product, 0 number leaf
  int value;                  // the subexpression's value modulo 1000000007
  std::vector<int> children;  // operands, left to right
};

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
