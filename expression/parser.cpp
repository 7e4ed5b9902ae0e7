#include "parser.hpp"

#include "large_pages.hpp"

// A malformed line must stop the program with the standard assertion report in every
// build, Release included, so the checks never compile away.
#undef NDEBUG
#include <cassert>

std::string s;
int n;
int ptr;
int sz;
alignas(kLargePage) Node t[kCapacity];
alignas(kLargePage) int operands[kCapacity];
alignas(kLargePage) int operatorBefore[kCapacity];

namespace {

// The pool holds the operands of the nodes still being parsed at its bottom,
// [0, waiting), each node's in a run of its own above those of the nodes around it; when
// a node is done, its run moves to the top, [placed, kCapacity), which grows down. Every
// operand but the root is one node and has one slot, so the two ends never meet.
int waiting;
int placed;

// A line that parses makes at most its length plus 2 nodes, which the store holds. A line
// that breaks the grammar can make up to twice as many before a check stops it ('('
// nested 524285 deep): the nodes past the store's end are numbered but not kept, nor given
// a slot, since the run ends in that check, which looks at the characters alone, before
// any value is used.
bool kept(int v) {
  return v < kCapacity;
}

// Gives the operand that starts here, which will be node sz (every parse function makes its
// node first), its slot: `at` is the position of the operator in front of it, or -1.
void reserveOperand(int at) {
  if (!kept(sz)) return;
  operands[waiting] = sz;
  operatorBefore[waiting] = at;
  ++waiting;
}

// The parse functions recurse once per nesting level, so they keep only their node across
// the calls they make: the work on the tables stays in these helpers, out of line, so that
// each parse function's frame is its return address and one saved register.

// A node whose first operand's slot is reserved at once, unless it is a number leaf.
[[gnu::noinline]] int newNode(char op) {
  const int v = sz++;
  if (v == 0) {  // a new parse: the pool is empty
    waiting = 0;
    placed = kCapacity;
  }
  if (!kept(v)) return v;
  t[v].op = op;
  t[v].value = op == '*' ? 1 : 0;  // what the first operand is added to or multiplied by
  t[v].children = {waiting, 0};
  if (op != 0) reserveOperand(-1);
  return v;
}

// Folds the value of operand c into node v's: summed in a sum node, multiplied in a
// product node.
[[gnu::noinline]] void addOperand(int v, int c) {
  if (!kept(c)) return;
  Node& node = t[v];
  if (node.op == '+') {
    node.value = (node.value + t[c].value) % P;
  } else {
    node.value = static_cast<int>(static_cast<long long>(t[c].value) * node.value % P);
  }
}

// Passes the operator `op` when it is the next character, reserving the slot of the
// operand behind it; false, passing nothing, when the next character is another.
[[gnu::noinline]] bool passOperator(char op) {
  if (ptr == n || s[ptr] != op) return false;
  reserveOperand(ptr);
  ++ptr;
  return true;
}

// Moves node v's run of operands from the bottom of the pool to the top. The top lies at or
// above the run, so the copy goes from the last slot down.
[[gnu::noinline]] void closeNode(int v) {
  if (!kept(v)) return;
  Operands& mine = t[v].children;
  const int count = waiting - mine.first;
  placed -= count;
  for (int j = count - 1; j >= 0; --j) {
    operands[placed + j] = operands[mine.first + j];
    operatorBefore[placed + j] = operatorBefore[mine.first + j];
  }
  waiting = mine.first;
  mine = {placed, count};
}

}  // namespace

int parseExpression() {
  const int v = newNode('+');
  do {
    addOperand(v, parseSummand());
  } while (passOperator('+'));
  assert(ptr == n || s[ptr] == ')');
  closeNode(v);
  return v;
}

int parseSummand() {
  const int v = newNode('*');
  do {
    addOperand(v, parseMultiplier());
  } while (passOperator('*'));
  assert(ptr == n || s[ptr] == ')' || s[ptr] == '+');
  closeNode(v);
  return v;
}

int parseMultiplier() {
  // The condition's text is what a failed check reports, so it keeps its exact form.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wparentheses"
  assert(ptr < n && (s[ptr] >= '0' && s[ptr] <= '9' || s[ptr] == '('));
#pragma GCC diagnostic pop
  if (s[ptr] == '(') {
    ++ptr;
    int v = parseExpression();
    assert(ptr < n && s[ptr++] == ')');
    return v;
  }
  return parseNumber();
}

int parseNumber() {
  const int v = newNode(0);
  int value = 0;
  while (ptr < n && s[ptr] >= '0' && s[ptr] <= '9') {
    value = static_cast<int>((value * 10LL + (s[ptr] - '0')) % P);
    ++ptr;
  }
  if (kept(v)) t[v].value = value;
  return v;
}
