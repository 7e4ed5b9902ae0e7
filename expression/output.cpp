#include "output.hpp"

#include <unistd.h>
#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#endif

#include <cerrno>
#include <charconv>
#include <cstddef>
#include <cstdio>

namespace {

// A text-mode file ends its lines as the platform does. On Windows that is CR LF, and
// write() would add each CR itself and count bytes the file does not hold as written;
// so there the file takes the bytes as they are and the CR is written here.
#ifdef _WIN32
constexpr char kLineEnd[] = "\r\n";
#else
constexpr char kLineEnd[] = "\n";
#endif

int file = -1;  // expression.out's descriptor, once it is open
char buffer[1 << 16];
std::size_t used;  // bytes of whole lines in the buffer
off_t written;     // bytes of whole lines in the file
int failure;       // the reason of the write that failed; nothing is written after it

}  // namespace

void startAnswers() {
  file = fileno(stdout);
#ifdef _WIN32
  _setmode(file, _O_BINARY);
#endif
}

int flushAnswers() {
  if (failure != 0) return failure;
  std::size_t done = 0;
  while (done < used) {
    const ssize_t count = write(file, buffer + done, used - done);
    if (count < 0 && errno == EINTR) continue;
    if (count <= 0) {
      failure = count < 0 ? errno : EIO;
      // Only the lines that reached the file whole stay.
      std::size_t whole = done;
      while (whole > 0 && buffer[whole - 1] != '\n') --whole;
      [[maybe_unused]] const int cut = ftruncate(file, written + static_cast<off_t>(whole));
      return failure;
    }
    done += static_cast<std::size_t>(count);
  }
  written += static_cast<off_t>(used);
  used = 0;
  return 0;
}

int writeAnswer(int value) {
  constexpr std::size_t kLongest = sizeof "-2147483648" - 1 + sizeof kLineEnd - 1;
  if (sizeof buffer - used < kLongest) {
    if (int reason = flushAnswers()) return reason;
  }
  char* end = std::to_chars(buffer + used, buffer + sizeof buffer, value).ptr;
  for (const char* c = kLineEnd; *c != '\0'; ++c) *end++ = *c;
  used = static_cast<std::size_t>(end - buffer);
  return 0;
}
