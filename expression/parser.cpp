#include "parser.hpp"

// A malformed line must stop the program with the standard assertion report in every
// build, Release included, so the checks never compile away.
#undef NDEBUG
#include <cassert>

std::string s;
int n;
int ptr;
int sz;
Node t[kCapacity];
std::pair<int, int> pos[kCapacity];

namespace {

// A line that parses makes at most its length plus 2 nodes, which the store holds. A line
// that breaks the grammar can make up to twice as many before a check stops it ('('
// nested 524285 deep): the nodes past the store's end are numbered but not kept, since
// the run ends in that check, which looks at the characters alone, before any value is
// used.
bool kept(int v) {
  return v < kCapacity;
}

int newNode(char op) {
  const int v = sz++;
  if (kept(v)) t[v].op = op;
  return v;
}

// Appends operand c to node v and folds its value into v's: summed in a sum node,
// multiplied in a product node. Kept out of line so that the parse functions, which
// recurse once per nesting level, keep small frames.
[[gnu::noinline]] void addOperand(int v, int c) {
  if (!kept(c)) return;  // nor is v, which was made before it
  Node& node = t[v];
  if (node.children.empty()) {
    node.value = t[c].value % P;
  } else if (node.op == '+') {
    node.value = (node.value + t[c].value) % P;
  } else {
    node.value = static_cast<int>(static_cast<long long>(t[c].value) * node.value % P);
  }
  node.children.push_back(c);
}

// Records the operator at ptr as standing after v's last operand so far, and passes it.
void passOperator(int v) {
  pos[ptr] = {v, kept(v) ? static_cast<int>(t[v].children.size()) - 1 : 0};
  ++ptr;
}

}  // namespace

int parseExpression() {
  int v = newNode('+');
  addOperand(v, parseSummand());
  while (ptr < n && s[ptr] == '+') {
    passOperator(v);
    addOperand(v, parseSummand());
  }
  assert(ptr == n || s[ptr] == ')');
  return v;
}

int parseSummand() {
  int v = newNode('*');
  addOperand(v, parseMultiplier());
  while (ptr < n && s[ptr] == '*') {
    passOperator(v);
    addOperand(v, parseMultiplier());
  }
  assert(ptr == n || s[ptr] == ')' || s[ptr] == '+');
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
  int v = newNode(0);
  int value = 0;
  while (ptr < n && s[ptr] >= '0' && s[ptr] <= '9') {
    value = static_cast<int>((value * 10LL + (s[ptr] - '0')) % P);
    ++ptr;
  }
  if (kept(v)) t[v].value = value;
  return v;
}
