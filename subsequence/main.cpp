// subsequence: the sum modulo 1000000007 of the chain that starts at the first number and
// walks up to each next number by powers of ten, units first.
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <climits>
#ifndef __wasi__  // WASI has no signals
#include <csignal>
#endif
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <new>
#include <string>

#include "arithmetic.hpp"
#include "input.hpp"

int n;  // the number of words

bool answering;  // subsequence.out has been created

// What a failed run leaves in subsequence.out: nothing. Buffered output is dropped and an
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
  const int length = std::snprintf(line, sizeof line, "subsequence: %s\n", what);
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
  reject(std::string("cannot read subsequence.in: ") + std::strerror(readError()));
}

// Binds subsequence.in and subsequence.out, refusing a run whose files cannot be used.
void bindFiles() {
  std::set_new_handler(outOfMemory);
  // A file-size limit then fails the write, which is reported. Windows has no such signal.
#ifdef SIGXFSZ
  std::signal(SIGXFSZ, SIG_IGN);
#endif
  // Binary, so that every byte arrives: Windows' text mode would end the file at a 0x1A.
  if (!std::freopen("subsequence.in", "rb", stdin)) {
    reject(std::string("cannot open subsequence.in: ") + std::strerror(errno));
  }
  // An input that cannot be read (a folder) leaves an existing output as it was.
  if (firstReadError() != 0) cannotRead();
  if (!std::freopen("subsequence.out", "w", stdout)) {
    reject(std::string("cannot create subsequence.out: ") + std::strerror(errno));
  }
  answering = true;
}

// Ends the answer: a write that failed (a full disk, a file-size limit) must not end the
// run in success.
void finishOutput() {
  if (std::fflush(stdout) != 0 || std::ferror(stdout)) {
    reject(std::string("cannot write subsequence.out: ") + std::strerror(errno));
  }
}

std::string endsEarly(const char*, int number) {
  if (number == 0) return "subsequence.in is empty";
  return "input ends after " + std::to_string(number - 1) + " of " + std::to_string(n) + " words";
}

namespace {

std::string shortened(const std::string& word) {
  if (word.size() <= kShown) return word;
  return word.substr(0, kShown) + "... (" + std::to_string(word.size()) + " digits)";
}

// Compares the numbers two digit strings denote, so leading zeros do not matter.
int compareNumbers(const std::string& x, const std::string& y) {
  std::size_t i = std::min(x.find_first_not_of('0'), x.size());
  std::size_t j = std::min(y.find_first_not_of('0'), y.size());
  std::size_t lx = x.size() - i;
  std::size_t ly = y.size() - j;
  if (lx != ly) return lx < ly ? -1 : 1;
  return x.compare(i, lx, y, j, ly);
}

}  // namespace

int main() {
  bindFiles();
  doing = "reading subsequence.in";
  n = readInt(1, INT_MAX, "n");
  // The chain starts at word 0 itself; each walk then ends at the residue of the next
  // word. Only the word before and the one being read are held.
  std::string previous, word;
  int sum = 0;
  int V = 0;  // the residue of the word before
  for (int j = 0; j < n; ++j) {
    // A word denotes at least the number before it, so it mostly is at least as long: room
    // made at once spares a long word the copies, and their double storage, on its way up.
    word.reserve(previous.size());
    readDigits(word, "word", j + 1);
    if (j == 0) {
      V = residue(word);
      sum = V;
    } else {
      // The walk between neighbours only ever counts up.
      if (compareNumbers(word, previous) < 0) {
        reject("word " + std::to_string(j + 1) + " (" + shortened(word) +
               ") is smaller than word " + std::to_string(j) + " (" + shortened(previous) + ")");
      }
      add(sum, addDifference(previous, word, V));
    }
    previous.swap(word);
  }
  doing = "writing subsequence.out";
  std::printf("%d\n", sum);
  finishOutput();
  return 0;
}
