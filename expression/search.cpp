#include "search.hpp"

#include <algorithm>
#include <cstdint>

#include "large_pages.hpp"

alignas(kLargePage) int ifChanged[kCapacity];

namespace {

// The contexts of the later operands not yet visited: pending[0, top), the next one's on
// top. A visit adds those of its own, one fewer than its operands, so they never
// outnumber the nodes.
int top;

// The suffix products of the product node being visited: one visit at a time uses it.
int suffix[kCapacity];

// Every value here is a residue or a product of two, so the arithmetic is unsigned.
int reduced(std::uint64_t x) {
  return static_cast<int>(x % P);
}

std::uint64_t u(int x) {
  return static_cast<std::uint64_t>(x);
}

}  // namespace

Pair dfs(int v, int C, int D) {
  const Operands operandsOf = t[v].children;
  const int c = operandsOf.count;
  if (c == 0) return top > 0 ? pending[--top] : Pair{};  // a number leaf; the last has no next
  if (c == 1) return {C, D};  // no operator, and the operand's context is the node's own
  auto a = [&](int j) { return t[operandsOf[j]].value; };
  // Operand j's context goes j slots below the new top: operand 0's, the next node's, is
  // returned at once, and each later operand's is on top once the subtrees before it are done.
  Pair* context = pending + top + c - 1;  // context[-j] is operand j's
  top += c;

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
      context[-j] = {C, reduced(u(C) * ((S + u(P) - aj) % P) + u(D))};
    }
    return pending[--top];
  }

  // In a product the other operands multiply C: those before j (prefix) and those after it
  // (suffix[j + 1]). Switching the '*' in front of operand j splits the product into the
  // operands before it plus the operands from it on.
  suffix[c - 1] = a(c - 1);
  for (int j = c - 2; j >= 0; --j) suffix[j] = reduced(u(a(j)) * u(suffix[j + 1]));
  std::uint64_t prefix = 1;
  for (int j = 0; j < c; ++j) {
    if (j > 0)
      ifChanged[operandsOf.operatorAt(j)] = reduced(u(C) * ((prefix + u(suffix[j])) % P) + u(D));
    std::uint64_t Cj = u(C) * prefix % P;
    if (j + 1 < c) Cj = Cj * u(suffix[j + 1]) % P;
    context[-j] = {static_cast<int>(Cj), D};
    prefix = prefix * u(a(j)) % P;
  }
  return pending[--top];
}

void answerEveryOperator(int root) {
  std::fill(ifChanged, ifChanged + n, -1);
  top = 0;
  Pair context = {1, 0};
  for (int v = root; v < sz; ++v) context = dfs(v, context.first, context.second);
}
