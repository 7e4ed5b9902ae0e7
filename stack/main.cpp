// stack: pushes the input values in input order onto one stack and pops greedily, which
// emits them in the lexicographically smallest order one stack can produce.
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <charconv>
#include <climits>
#ifndef __wasi__  // WASI has no signals
#include <csignal>
#endif
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <new>
#include <string>
#include <vector>

#include "input.hpp"
#include "pop_order.hpp"

bool answering;  // stack.out has been created

// What a failed run leaves in stack.out: nothing. Buffered output is dropped and an
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
  const int length = std::snprintf(line, sizeof line, "stack: %s\n", what);
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

[[noreturn]] void cannotRead() {
  reject(std::string("cannot read stack.in: ") + std::strerror(readError()));
}

// Binds stack.in and stack.out, refusing a run whose files cannot be used.
void bindFiles() {
  std::set_new_handler(outOfMemory);
  // A file-size limit then fails the write, which is reported. Windows has no such signal.
#ifdef SIGXFSZ
  std::signal(SIGXFSZ, SIG_IGN);
#endif
  // Binary, so that every byte arrives: Windows' text mode would end the file at a 0x1A.
  if (!std::freopen("stack.in", "rb", stdin)) {
    reject(std::string("cannot open stack.in: ") + std::strerror(errno));
  }
  // An input that cannot be read (a folder) leaves an existing output as it was.
  if (firstReadError() != 0) cannotRead();
  if (!std::freopen("stack.out", "w", stdout)) {
    reject(std::string("cannot create stack.out: ") + std::strerror(errno));
  }
  answering = true;
}

// Ends the answer: a write that failed (a full disk, a file-size limit) must not end the
// run in success.
void finishOutput() {
  if (std::fflush(stdout) != 0 || std::ferror(stdout)) {
    reject(std::string("cannot write stack.out: ") + std::strerror(errno));
  }
}

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
