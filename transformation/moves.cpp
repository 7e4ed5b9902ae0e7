#include "moves.hpp"

#include <algorithm>
#include <iterator>

int n;
Record a[N];
std::vector<std::pair<int, int>> where;
std::vector<std::pair<int, int>> ans;

namespace {

const auto initial = [](const Record& r) { return r.first.first; };
const auto target = [](const Record& r) { return r.first.second; };
const auto position = [](const Record& r) { return r.second; };

// Sorts a[0..n) into the record order with no comparisons: six stable counting passes over
// 11 bits at a time, of the target value and then of the initial value, each read with its
// sign bit flipped so that unsigned order is signed order. The records start in position
// order, and each pass keeps records of equal digits in the order it found them.
void sortRecords() {
  std::vector<Record> other(static_cast<std::size_t>(n));  // what a pass writes to
  Record* from = a;
  Record* to = other.data();
  for (int pass = 0; pass < 6; ++pass) {
    const bool byTarget = pass < 3;
    const int shift = pass % 3 * 11;
    auto digit = [&](const Record& r) {
      const int value = byTarget ? target(r) : initial(r);
      return (static_cast<unsigned>(value) ^ 0x80000000u) >> shift & 0x7ffu;
    };
    static unsigned start[2049];  // not on the stack, which may be as small as 64 KiB
    std::fill(std::begin(start), std::end(start), 0u);
    for (int k = 0; k < n; ++k) ++start[digit(from[k]) + 1];
    if (n == 0 || start[digit(from[0]) + 1] == static_cast<unsigned>(n)) continue;  // one digit
    for (int d = 0; d < 2048; ++d) start[d + 1] += start[d];
    for (int k = 0; k < n; ++k) to[start[digit(from[k])]++] = from[k];
    std::swap(from, to);
  }
  if (from != a) std::copy(from, from + n, a);
}

// The first position of value v from `where`, or -1 when v is no initial value. The
// search halves the range with a conditional move rather than a branch, since which
// half holds v is a coin toss that a branch would often guess wrong.
int firstPosition(int v) {
  if (where.empty()) return -1;
  const std::pair<int, int>* base = where.data();
  for (std::size_t length = where.size(); length > 1; length -= length / 2) {
    base = base[length / 2].first < v ? base + length / 2 : base;
  }
  base += base->first < v;  // the first key not below v is base or the one after it
  return base != where.data() + where.size() && base->first == v ? base->second : -1;
}

}  // namespace

bool collectMoves() {
  for (int k = 0; k < n; ++k) {
    if (target(a[k]) < initial(a[k])) return false;
  }
  // Sorted by initial value, a position is overwritten only after every position whose
  // initial value is smaller, so each source still holds its initial value when read.
  sortRecords();
  // The sorted records hold each initial value's positions together, so the map of first
  // positions is read off them in one pass, already in key order.
  where.reserve(static_cast<std::size_t>(n));
  for (int k = 0; k < n; ++k) {
    if (k == 0 || initial(a[k]) != where.back().first) {
      where.emplace_back(initial(a[k]), position(a[k]));
    } else {
      where.back().second = std::min(where.back().second, position(a[k]));
    }
  }
  ans.reserve(static_cast<std::size_t>(n));
  for (int k = 0; k < n; ++k) {
    const int source = firstPosition(target(a[k]));
    if (source < 0) return false;
    if (initial(a[k]) != target(a[k])) ans.emplace_back(position(a[k]), source);
  }
  return true;
}
