#include "search.hpp"

#include <algorithm>
#include <cstdint>

#include "large_pages.hpp"

alignas(kLargePage) int ifChanged[kCapacity];

namespace {

// The suffix products of the product nodes on the way down: a visit takes one slot per
// operand and gives them back when it ends. The operand counts of all nodes add up to
// fewer than the nodes, so it never runs out.
int scratch[kCapacity];
int scratchTop;

// Every value here is a residue or a product of two, so the arithmetic is unsigned.
int reduced(std::uint64_t x) {
  return static_cast<int>(x % P);
}

std::uint64_t u(int x) {
  return static_cast<std::uint64_t>(x);
}

}  // namespace

void dfs(int v, int C, int D) {
  const Operands operandsOf = t[v].children;
  const int c = operandsOf.count;
  if (c == 0) return;
  // A lone operand has its node's context and the node has no operator: passing straight
  // down lets the compiler turn the call into a jump, so a deep chain of parentheses
  // costs no stack here.
  if (c == 1) return dfs(operandsOf[0], C, D);
  auto a = [&](int j) { return t[operandsOf[j]].value; };

  if (t[v].op == '+') {
    // The other operands add S - a(j) to D. Switching the '+' in front of operand j merges
    // operands j - 1 and j into one product.
    const std::uint64_t S = u(t[v].value);
    for (int j = 0; j < c; ++j) {
      const std::uint64_t aj = u(a(j));
      if (j > 0) {
        const std::uint64_t before = u(a(j - 1));
        const std::uint64_t x = (S + 2 * u(P) - before - aj + before * aj % P) % P;
        ifChanged[operandsOf.operatorAt(j)] = reduced(u(C) * x + u(D));
      }
      dfs(operandsOf[j], C, reduced(u(C) * ((S + u(P) - aj) % P) + u(D)));
    }
    return;
  }

  // In a product the other operands multiply C: those before j (prefix) and those after it
  // (suf[j + 1]). Switching the '*' in front of operand j splits the product into the
  // operands before it plus the operands from it on.
  int* suf = scratch + scratchTop;
  scratchTop += c;
  suf[c - 1] = a(c - 1);
  for (int j = c - 2; j >= 0; --j) suf[j] = reduced(u(a(j)) * u(suf[j + 1]));
  std::uint64_t prefix = 1;
  for (int j = 0; j < c; ++j) {
    if (j > 0)
      ifChanged[operandsOf.operatorAt(j)] = reduced(u(C) * ((prefix + u(suf[j])) % P) + u(D));
    std::uint64_t Cj = u(C) * prefix % P;
    if (j + 1 < c) Cj = Cj * u(suf[j + 1]) % P;
    dfs(operandsOf[j], static_cast<int>(Cj), D);
    prefix = prefix * u(a(j)) % P;
  }
  scratchTop -= c;
}

void answerEveryOperator(int root) {
  std::fill(ifChanged, ifChanged + n, -1);
  scratchTop = 0;
  dfs(root, 1, 0);
}
