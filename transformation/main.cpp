// transformation: "NO" when the targets cannot be reached by copying values forward,
// else "YES", the number of moves and each move as (destination, lowest source).
#include <charconv>
#include <climits>
#include <cstdio>
#include <string>

#include "files.hpp"
#include "input.hpp"
#include "moves.hpp"

// How many values come before the row being read: none before the initial values, n before
// the targets.
int rowStart;

// A missing integer is worded by how many came before it: n, then the values before it.
std::string endsEarly(const char*, int number) {
  if (number == 0) return "transformation.in is empty";
  const int read = rowStart + number;
  return "input ends after " + std::to_string(read) + (read == 1 ? " integer" : " integers");
}

namespace {

void writeOutput(const char* refusal) {
  if (refusal) {
    std::fputs(refusal, stdout);
  } else {
    std::printf("YES\n%d\n", static_cast<int>(ans.size()));
    // The move lines go out in blocks formatted here: one printf per line costs more
    // than all the rest of the run. Static, since the stack may be as small as 64 KiB.
    static char block[1 << 16];
    std::size_t used = 0;
    for (const auto& [p, q] : ans) {
      if (sizeof block - used < 24) {  // room for two integers, a blank and a line feed
        std::fwrite(block, 1, used, stdout);
        used = 0;
      }
      // Each integer is given 11 bytes, which always hold it.
      char* end = std::to_chars(block + used, block + used + 11, p + 1).ptr;
      *end++ = ' ';
      end = std::to_chars(end, end + 11, q + 1).ptr;
      *end++ = '\n';
      used = static_cast<std::size_t>(end - block);
    }
    std::fwrite(block, 1, used, stdout);
  }
  finishOutput();
}

}  // namespace

int main() {
  bindFiles();
  doing = "reading transformation.in";
  n = readInt(0, N, "n");
  for (int i = 0; i < n; ++i) a[i] = {{readInt(INT_MIN, INT_MAX, "initial value", i + 1), 0}, i};
  rowStart = n;
  for (int i = 0; i < n; ++i) a[i].first.second = readInt(INT_MIN, INT_MAX, "target value", i + 1);
  doing = "collecting the moves";
  const bool possible = collectMoves();
  doing = "writing transformation.out";
  writeOutput(possible ? nullptr : "NO");
  return 0;
}
