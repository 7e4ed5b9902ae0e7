// The one walk over the parsed tree that precomputes, for every operator, the value of the
// whole expression with that operator switched.
//
// Time O(nodes): one forward pass over the nodes, each node's operands scanned a fixed
// number of times. Memory: the contexts of the nodes not yet reached, on the parser's stack
// of pairs, and the suffix products of one node's operands. Stack: O(1).
// Tested by tests/search_test.cpp against the switched line evaluated from scratch.
#pragma once

#include "parser.hpp"

// ifChanged[i]: the value of the expression with the operator at index i of the line
// switched, or -1 where index i holds no operator the parser consumed.
extern int ifChanged[kCapacity];

// Visits node v, whose context is (C, D): the whole expression is C * x + D modulo P
// when v's subexpression has the value x. Fills ifChanged for v's own operators, keeps the
// contexts of its later operands on the stack of pairs, and returns the context of node
// v + 1: nodes are numbered parent first, each operand's subtree before the next
// operand's, so that is v's first operand or, after a leaf, the later operand on top.
Pair dfs(int v, int C, int D);

// Fills ifChanged for the line just parsed, whose root is `root`: -1 over the whole line,
// then every node visited in index order.
void answerEveryOperator(int root);
