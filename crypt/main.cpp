// crypt: decodes every line of crypt.in, or answers "impossible" when one line is not a
// valid encoding. Nothing is written until the whole answer is known.
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#ifndef __wasi__  // WASI has no signals
#include <csignal>
#endif
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <new>
#include <string>

#include "decode.hpp"
#include "input.hpp"
#include "lines.hpp"

bool answering;  // crypt.out has been created

// What a failed run leaves in crypt.out: nothing. Buffered output is dropped and an
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
  const int length = std::snprintf(line, sizeof line, "crypt: %s\n", what);
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
  reject(std::string("cannot read crypt.in: ") + std::strerror(readError()));
}

// Binds crypt.in and crypt.out, refusing a run whose files cannot be used.
void bindFiles() {
  std::set_new_handler(outOfMemory);
  // A file-size limit then fails the write, which is reported. Windows has no such signal.
#ifdef SIGXFSZ
  std::signal(SIGXFSZ, SIG_IGN);
#endif
  // Binary, so that every byte arrives: Windows' text mode would end the file at a 0x1A.
  if (!std::freopen("crypt.in", "rb", stdin)) {
    reject(std::string("cannot open crypt.in: ") + std::strerror(errno));
  }
  // An input that cannot be read (a folder) leaves an existing output as it was.
  if (firstReadError() != 0) cannotRead();
  if (!std::freopen("crypt.out", "w", stdout)) {
    reject(std::string("cannot create crypt.out: ") + std::strerror(errno));
  }
  answering = true;
}

// Ends the answer: a write that failed (a full disk, a file-size limit) must not end the
// run in success.
void finishOutput() {
  if (std::fflush(stdout) != 0 || std::ferror(stdout)) {
    reject(std::string("cannot write crypt.out: ") + std::strerror(errno));
  }
}

int main() {
  bindFiles();
  for (unsigned char c : std::string("aeiouy")) key_letter[c] = true;
  // Each block read is decoded at once: the lines after one that is not a valid encoding
  // are never read, and the block is still in the cache.
  bool valid;
  for (;;) {
    valid = decodeLines(input, inputEnd);
    if (!valid) break;
    doing = "reading crypt.in";
    if (!readMore()) break;
  }
  if (readError() != 0) cannotRead();  // what was read is then not the input
  if (valid) valid = decodeLastLine(input, inputEnd);
  doing = "writing crypt.out";
  if (valid) {
    std::fwrite(input, 1, decodedEnd, stdout);
  } else {
    std::fputs("impossible\n", stdout);
  }
  finishOutput();
  return 0;
}
