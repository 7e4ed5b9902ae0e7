#include "search.hpp"

IntArray ifChanged[kCapacity];

namespace {

// Each visit takes its prefix and suffix arrays from this stack of slots and gives them
// back when it ends: the lifetimes of arrays local to the visit, without two allocations
// per node. The operand counts of all nodes add up to fewer than the nodes, so it never
// runs out.
int scratch[2 * kCapacity];
int scratchTop;

int mulmod(long long x, long long y) {
  return static_cast<int>(x * y % P);
}

}  // namespace

void dfs(int v, int C, int D) {
  const IntArray& operands = t[v].children;
  const int c = static_cast<int>(operands.size());
  if (c == 0) return;
  // A lone operand has its node's context and the node has no operator: passing straight
  // down lets the compiler turn the call into a jump, so a deep chain of parentheses
  // costs no stack here.
  if (c == 1) return dfs(operands[0], C, D);

  const bool sum = t[v].op == '+';
  auto a = [&](int i) { return t[operands[i]].value; };
  int* pre = scratch + scratchTop;  // pre[i]: operands 0..i summed or multiplied
  int* suf = pre + c;               // suf[i]: operands i..c-1
  scratchTop += 2 * c;
  pre[0] = a(0);
  for (int i = 1; i < c; ++i) pre[i] = sum ? (pre[i - 1] + a(i)) % P : mulmod(a(i), pre[i - 1]);
  suf[c - 1] = a(c - 1);
  for (int i = c - 2; i >= 0; --i)
    suf[i] = sum ? (suf[i + 1] + a(i)) % P : mulmod(a(i), suf[i + 1]);

  // An operand's context: in a sum the other operands add to D, in a product they
  // multiply C.
  for (int j = 0; j < c; ++j) {
    int Cj = C;
    int Dj = D;
    if (sum) {
      if (j > 0) Dj = static_cast<int>((static_cast<long long>(C) * pre[j - 1] + D) % P);
      if (j + 1 < c) Dj = static_cast<int>((static_cast<long long>(C) * suf[j + 1] + Dj) % P);
    } else {
      if (j > 0) Cj = mulmod(C, pre[j - 1]);
      if (j + 1 < c) Cj = mulmod(Cj, suf[j + 1]);
    }
    dfs(operands[j], Cj, Dj);
  }

  // Switching a '+' merges its two product terms into one; switching a '*' splits the
  // product into the operands before it plus the operands from it on.
  ifChanged[v].reserve(c - 1);
  for (int i = 1; i < c; ++i) {
    long long x;
    if (sum) {
      x = mulmod(a(i), a(i - 1));
      if (i >= 2) x = (x + pre[i - 2]) % P;
      if (i + 1 < c) x = (x + suf[i + 1]) % P;
    } else {
      x = (pre[i - 1] + suf[i]) % P;
    }
    ifChanged[v].push_back(static_cast<int>((C * x + D) % P));
  }
  scratchTop -= 2 * c;
}

void forgetParse() {
  for (int v = 0; v < sz; ++v) {
    t[v].op = 0;
    t[v].value = 0;
    t[v].children.clear();
    ifChanged[v].clear();
  }
  for (int i = 0; i < n; ++i) pos[i] = {0, 0};
  sz = ptr = 0;
}
