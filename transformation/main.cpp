// transformation: "NO" when the targets cannot be reached by copying values forward,
// else "YES", the number of moves and each move as (destination, lowest source).
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

#include "input.hpp"
#include "moves.hpp"

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

[[noreturn]] void cannotRead() {
  reject(std::string("cannot read transformation.in: ") + std::strerror(readError()));
}

// Binds transformation.in and transformation.out, refusing a run whose files cannot be used.
void bindFiles() {
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
}

// Ends the answer: a write that failed (a full disk, a file-size limit) must not end the
// run in success.
void finishOutput() {
  if (std::fflush(stdout) != 0 || std::ferror(stdout)) {
    reject(std::string("cannot write transformation.out: ") + std::strerror(errno));
  }
}

// A missing integer is worded by how many came before it: n, then n initial values.
std::string endsEarly(const char* stem, int number) {
  if (number == 0) return "transformation.in is empty";
  const int read = number + (std::strcmp(stem, "target value") == 0 ? n : 0);
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
  for (int i = 0; i < n; ++i) a[i].first.second = readInt(INT_MIN, INT_MAX, "target value", i + 1);
  doing = "collecting the moves";
  const bool possible = collectMoves();
  doing = "writing transformation.out";
  writeOutput(possible ? nullptr : "NO");
  return 0;
}
