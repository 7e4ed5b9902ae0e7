#include "output.hpp"

#include <unistd.h>

#include <cerrno>
#include <charconv>
#include <cstddef>
#include <cstdio>

namespace {

char buffer[1 << 16];
std::size_t used;  // bytes of whole lines in the buffer
off_t written;     // bytes of whole lines in the file
int failure;       // the reason of the write that failed; nothing is written after it

}  // namespace

int flushAnswers() {
  if (failure != 0) return failure;
  const int fd = fileno(stdout);
  std::size_t done = 0;
  while (done < used) {
    const ssize_t count = write(fd, buffer + done, used - done);
    if (count < 0 && errno == EINTR) continue;
    if (count <= 0) {
      failure = count < 0 ? errno : EIO;
      // Only the lines that reached the file whole stay.
      std::size_t whole = done;
      while (whole > 0 && buffer[whole - 1] != '\n') --whole;
      [[maybe_unused]] const int cut = ftruncate(fd, written + static_cast<off_t>(whole));
      return failure;
    }
    done += static_cast<std::size_t>(count);
  }
  written += static_cast<off_t>(used);
  used = 0;
  return 0;
}

int writeAnswer(int value) {
  constexpr std::size_t kLongest = 12;  // "-2147483648\n"
  if (sizeof buffer - used < kLongest) {
    if (int reason = flushAnswers()) return reason;
  }
  char* end = std::to_chars(buffer + used, buffer + sizeof buffer, value).ptr;
  *end++ = '\n';
  used = static_cast<std::size_t>(end - buffer);
  return 0;
}
