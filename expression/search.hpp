// The one walk over the parsed tree that precomputes, for every operator, the value of the
// whole expression with that operator switched.
//
// Time O(nodes): each node's operands are scanned a fixed number of times. Memory: a scratch
// array of one slot per operand of the product nodes on the way down. Stack: O(depth); a
// node of one operand passes its context straight down, at no stack cost.
// Tested by tests/search_test.cpp against the switched line evaluated from scratch.
#pragma once

#include "parser.hpp"

// ifChanged[i]: the value of the expression with the operator at index i of the line
// switched, or -1 where index i holds no operator the parser consumed.
extern int ifChanged[kCapacity];

// Visits node v, whose context is (C, D): the whole expression is C * x + D modulo P
// when v's subexpression has the value x. Fills ifChanged for the operators below v.
void dfs(int v, int C, int D);

// Fills ifChanged for the line just parsed, whose root is `root`: -1 over the whole line,
// then every operator's answer by dfs(root, 1, 0).
void answerEveryOperator(int root);
