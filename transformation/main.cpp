// transformation: "NO" when the targets cannot be reached by copying values forward,
// else "YES", the number of moves and each move as (destination, lowest source).
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <charconv>
#ifndef __wasi__  // WASI has no signals
#include <csignal>
#endif
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <iterator>
#include <new>
#include <string>
#include <utility>
#include <vector>

#include "input.hpp"

const int N = 100010;  // the largest n the task allows

// ((initial value, target value), position), sorted in that order.
using Record = std::pair<std::pair<int, int>, int>;
Record a[N];

int initial(const Record& r) {
  return r.first.first;
}
int target(const Record& r) {
  return r.first.second;
}
int position(const Record& r) {
  return r.second;
}
// Each initial value's first position, as an ordered map held in one array sorted by value:
// one block instead of a tree node per value, and look-ups by binary search.
std::vector<std::pair<int, int>> where;
std::vector<std::pair<int, int>> ans;

namespace {

bool answering;  // transformation.out has been created

// What a failed run leaves in transformation.out: nothing. Buffered output is dropped and an
// output file already created is cut back to empty, so it never holds part of an answer.
void keepAnswered() {
  if (!answering) return;
  [[maybe_unused]] const int cut = ftruncate(fileno(stdout), 0);  // a device cannot be cut
}

// Ends the run: one line on standard error, status 1, and the output as keepAnswered leaves it.
[[noreturn]] void fail(const char* what) {
  keepAnswered();
  // Composed first and written in one piece: printing to the unbuffered standard error
  // would format through a buffer of 8 KiB in the frame, more than the smallest limit of
  // a judge may leave.
  static char line[1024];
  const int length = std::snprintf(line, sizeof line, "transformation: %s\n", what);
  std::fwrite(line, 1, std::min(static_cast<std::size_t>(length), sizeof line - 1), stderr);
  std::_Exit(1);
}

[[noreturn]] void reject(const std::string& what) {
  fail(what.c_str());
}

// What the run is doing, for the out-of-memory message.
const char* doing = "starting";

// Runs where operator new would throw, also inside the standard library, which would
// otherwise turn the failure into a failed read; it must not allocate.
void outOfMemory() {
  char message[160];
  std::snprintf(message, sizeof message, "out of memory while %s", doing);
  fail(message);
}

int n;

// Names the integer read as number `count` (from 0) for messages.
std::string itemName(int count) {
  if (count == 0) return "n";
  if (count <= n) return "initial value " + std::to_string(count);
  return "target value " + std::to_string(count - n);
}

[[noreturn]] void cannotRead() {
  reject(std::string("cannot read transformation.in: ") + std::strerror(readError()));
}

// Reads integer number `count` of the input (from 0).
int readItem(int count) {
  int value = 0;
  const Read read = readInt(value);
  switch (read) {
    case Read::ok:
      break;
    case Read::missing:
      if (readError() != 0) cannotRead();
      if (count == 0) reject("n is missing: transformation.in is empty");
      reject(itemName(count) + " is missing: input ends after " + std::to_string(count) +
             (count == 1 ? " integer" : " integers"));
    case Read::notInteger:
    case Read::outOfRange:
      reject(itemName(count) + whatIsWrong(read));
  }
  return value;
}

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
  if (std::fflush(stdout) != 0 || std::ferror(stdout)) {
    reject(std::string("cannot write transformation.out: ") + std::strerror(errno));
  }
}

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

// Collects the moves; returns false when some target value is no initial value.
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

}  // namespace

int main() {
  std::set_new_handler(outOfMemory);
  // A file-size limit then fails the write, which is reported. Windows has no such signal.
#ifdef SIGXFSZ
  std::signal(SIGXFSZ, SIG_IGN);
#endif
  // Binary, so that every byte arrives: Windows' text mode would end the file at a 0x1A.
  if (!std::freopen("transformation.in", "rb", stdin)) {
    reject(std::string("cannot open transformation.in: ") + std::strerror(errno));
  }
  // An input that cannot be read (a folder) leaves an existing output as it was.
  if (firstReadError() != 0) cannotRead();
  if (!std::freopen("transformation.out", "w", stdout)) {
    reject(std::string("cannot create transformation.out: ") + std::strerror(errno));
  }
  answering = true;

  doing = "reading transformation.in";
  n = readItem(0);
  if (n < 0) reject("n is " + std::to_string(n) + ", below 0");
  if (n > N) reject("n is " + std::to_string(n) + ", above the limit of " + std::to_string(N));
  for (int i = 0; i < n; ++i) a[i] = {{readItem(1 + i), 0}, i};
  for (int i = 0; i < n; ++i) a[i] = {{initial(a[i]), readItem(1 + n + i)}, i};
  // A read error can end the last token early; what was read up to it is not the input.
  if (readError() != 0) cannotRead();

  doing = "collecting the moves";
  const bool possible = collectMoves();
  doing = "writing transformation.out";
  writeOutput(possible ? nullptr : "NO");
  return 0;
}
