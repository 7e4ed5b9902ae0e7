// The one walk over the parsed tree that precomputes, for every operator, the value of the
// whole expression with that operator switched.
#pragma once

#include "int_array.hpp"
#include "parser.hpp"

// ifChanged[v][j]: the answer for the operator between operands j and j + 1 of node v.
extern IntArray ifChanged[kCapacity];

// Visits node v, whose context is (C, D): the whole expression is C * x + D modulo P
// when v's subexpression has the value x. Fills ifChanged below v.
void dfs(int v, int C, int D);

// Forgets the parsed tree, its operator map and its answers, keeping the nodes' arrays, so
// that another line can be parsed: for what parses more than one line (the stack probe,
// the tests).
void forgetParse();
