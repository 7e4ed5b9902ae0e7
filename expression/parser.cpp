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
alignas(kLargePage) Pair pending[kCapacity];

namespace {

// The pool holds the later operands of the nodes still being parsed at its bottom,
// [0, waiting), each node's in a run of its own above those of the nodes around it. When
// a node is done, its operands go to the top, [placed, kCapacity), which grows down: its
// first, always the node made right after it, then its run. Every operand but the root is
// one node and has one slot, so the two ends never meet.
int waiting;
int placed;

// The open levels: pending[0, depth), the line's own at the bottom, the innermost '(' on
// top; `first` is the level's sum node, `second` the product node being built in it.
int depth;

// A line that parses makes at most its length plus 2 nodes, which the store holds. A line
// that breaks the grammar can make up to twice as many before a check stops it ('('
// nested 524286 deep): the nodes past the store's end are numbered but not kept, nor given
// a slot, since the run ends in that check, which looks at the characters alone, before
// any value is used.
bool kept(int v) {
  return v < kCapacity;
}

// The node whose parse begins here: a sum, a product or (op 0) a number leaf.
int newNode(char op) {
  const int v = sz++;
  if (kept(v)) t[v] = {op, 0, {waiting, 0}};
  return v;
}

// Folds the value of operand c into node v's: the first is taken as it is, a later one
// summed in a sum node and multiplied in a product node.
void addOperand(int v, int c) {
  if (!kept(c)) return;
  Node& node = t[v];
  const long long x = t[c].value;
  if (c == v + 1) {
    node.value = static_cast<int>(x);
  } else {
    node.value = static_cast<int>(node.op == '+' ? (node.value + x) % P : x * node.value % P);
  }
}

// Passes the operator `op` when it is the next character, giving the operand behind it,
// which will be node sz, its slot; false, passing nothing, when the next character is
// another.
bool passOperator(char op) {
  if (ptr == n || s[ptr] != op) return false;
  if (kept(sz)) {
    operands[waiting] = sz;
    operatorBefore[waiting] = ptr;
    ++waiting;
  }
  ++ptr;
  return true;
}

// Places node v's operands at the top of the pool: its first, node v + 1, then the run of
// later ones from the bottom. The top lies above the run, so the copy goes from the last
// slot down.
void closeNode(int v) {
  if (!kept(v)) return;
  Operands& mine = t[v].children;
  const int later = waiting - mine.first;
  placed -= later + 1;
  for (int j = later; j >= 1; --j) {
    operands[placed + j] = operands[mine.first + j - 1];
    operatorBefore[placed + j] = operatorBefore[mine.first + j - 1];
  }
  operands[placed] = v + 1;
  operatorBefore[placed] = -1;
  waiting = mine.first;
  mine = {placed, later + 1};
}

// An expression starts: its sum node and the product node of its first summand.
void openLevel() {
  const int sum = newNode('+');
  pending[depth++] = {sum, newNode('*')};
}

int parseNumber() {
  const int v = newNode(0);
  int value = 0;
  for (; ptr < n && s[ptr] >= '0' && s[ptr] <= '9'; ++ptr)
    value = static_cast<int>((value * 10LL + (s[ptr] - '0')) % P);
  if (kept(v)) t[v].value = value;
  return v;
}

// A factor starts here: each '(' opens a level, down to the number that begins the
// innermost one's first factor, whose leaf it returns.
int parseMultiplier() {
  for (;;) {
    // The condition's text is what a failed check reports, so it keeps its exact form.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wparentheses"
    assert(ptr < n && (s[ptr] >= '0' && s[ptr] <= '9' || s[ptr] == '('));
#pragma GCC diagnostic pop
    if (s[ptr] != '(') return parseNumber();
    ++ptr;
    openLevel();
  }
}

// The innermost level's product takes the factor c: true when a '*' follows, so another
// factor starts; else the product is done, and its sum takes it.
bool parseSummand(int c) {
  const Pair& level = pending[depth - 1];
  addOperand(level.second, c);
  if (passOperator('*')) return true;
  assert(ptr == n || s[ptr] == ')' || s[ptr] == '+');
  closeNode(level.second);
  addOperand(level.first, level.second);
  return false;
}

}  // namespace

int parseExpression() {
  waiting = 0;
  placed = kCapacity;
  depth = 0;
  openLevel();
  for (;;) {
    int factor = parseMultiplier();
    // A factor ends the products, the sums and the levels it completes, up to the next
    // operator.
    while (!parseSummand(factor)) {
      Pair& level = pending[depth - 1];
      if (passOperator('+')) {
        level.second = newNode('*');
        break;
      }
      assert(ptr == n || s[ptr] == ')');
      closeNode(level.first);
      if (--depth == 0) return level.first;
      // The level was a parenthesised factor of the one around it.
      assert(ptr < n && s[ptr++] == ')');
      factor = level.first;
    }
  }
}
