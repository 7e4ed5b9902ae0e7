// The growable array of ints behind a node's operands and its answers. Its all-zero state
// is the empty array and it has no constructor or destructor, so the fixed global tables
// made of it are plain zero-filled storage: nothing runs over them when the program
// starts or ends, and a slot no line reaches is never touched, so its page is never
// faulted in. Its memory lives until the process ends, which releases it.
#pragma once

#include <algorithm>
#include <cstddef>
#include <type_traits>

struct IntArray {
  int* items;
  int count;
  int room;

  std::size_t size() const { return static_cast<std::size_t>(count); }
  bool empty() const { return count == 0; }
  int operator[](int i) const { return items[i]; }
  const int* begin() const { return items; }
  const int* end() const { return items + count; }

  // Empties the array and keeps its memory.
  void clear() { count = 0; }

  void reserve(int wanted) {
    if (wanted <= room) return;
    int* grown = new int[static_cast<std::size_t>(wanted)];  // out of memory ends the run
    std::copy(items, items + count, grown);
    delete[] items;
    items = grown;
    room = wanted;
  }

  void push_back(int x) {
    if (count == room) reserve(room == 0 ? 4 : 2 * room);  // 4 ints take malloc's least
    items[count++] = x;
  }
};

static_assert(std::is_trivial_v<IntArray> && std::is_trivially_destructible_v<IntArray>,
              "a table of IntArray must be zero-filled storage, with no code run over it");
