// stack: pushes the input values in input order onto one stack and pops greedily, which
// emits them in the lexicographically smallest order one stack can produce.
#include <charconv>
#include <climits>
#include <cstdio>
#include <string>
#include <vector>

#include "files.hpp"
#include "input.hpp"
#include "pop_order.hpp"

std::string endsEarly(const char*, int number) {
  if (number == 0) return "stack.in is empty";
  return "input ends after " + std::to_string(number - 1) + " of " + std::to_string(n) + " values";
}

namespace {

// The values go out in blocks formatted here: one printf per value costs more than the
// rest of the run. Static, since the stack may be as small as 64 KiB.
void writeOrder(const std::vector<int>& order) {
  static char block[1 << 16];
  std::size_t used = 0;
  for (int value : order) {
    if (sizeof block - used < 12) {  // room for an integer and its blank
      std::fwrite(block, 1, used, stdout);
      used = 0;
    }
    // An integer is given 11 bytes, which always hold it.
    char* end = std::to_chars(block + used, block + used + 11, value).ptr;
    *end++ = ' ';
    used = static_cast<std::size_t>(end - block);
  }
  std::fwrite(block, 1, used, stdout);
}

}  // namespace

int main() {
  bindFiles();
  doing = "reading stack.in";
  n = readInt(0, kCapacity, "n");
  for (int i = 0; i < n; ++i) a[i] = readInt(INT_MIN, INT_MAX, "value", i + 1);
  doing = "ordering the values";
  const std::vector<int> order = popOrder();
  doing = "writing stack.out";
  writeOrder(order);
  finishOutput();
  return 0;
}
