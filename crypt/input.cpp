#include "input.hpp"

#include <cerrno>
#include <cstddef>
#include <cstdio>
#include <cstring>

namespace {

// On Windows a CR LF ends a line too, as the platform's text mode reads it. The file is
// read in binary so that no byte is lost, and the CR is removed here. Elsewhere a CR is
// an ordinary byte of the line.
#ifdef _WIN32
constexpr bool kCrLfEndsLine = true;
#else
constexpr bool kCrLfEndsLine = false;
#endif

// On Windows a 0x1A that is the last byte of the file is the DOS end-of-file mark, which
// ends the input as text mode would read it; anywhere else it is an ordinary byte.
#ifdef _WIN32
constexpr bool kDosEndMark = true;
#else
constexpr bool kDosEndMark = false;
#endif

unsigned char buffer[1 << 16];
std::size_t at, end;
bool ended;  // the last fread stopped short: the input is over
int error;

// Drops the DOS end-of-file mark from the end of the buffer once it is the file's last byte.
void dropEndMark() {
  if (!kDosEndMark || end == 0 || buffer[end - 1] != 0x1a) return;
  const int next = ended ? EOF : std::getc(stdin);
  if (next != EOF) {
    std::ungetc(next, stdin);
    return;
  }
  if (std::ferror(stdin)) error = errno;
  --end;
  ended = true;
}

bool refill() {
  if (ended) return false;
  at = 0;
  end = std::fread(buffer, 1, sizeof buffer, stdin);
  ended = end < sizeof buffer;  // fread stops short only at the end or on an error
  if (std::ferror(stdin)) error = errno;
  dropEndMark();
  return end > 0;
}

}  // namespace

bool readLine(std::string& line) {
  if (at == end && !refill()) return false;
  line.clear();
  for (;;) {
    const char* from = reinterpret_cast<const char*>(buffer) + at;
    const void* feed = std::memchr(from, '\n', end - at);
    if (feed) {
      const std::size_t bytes = static_cast<std::size_t>(static_cast<const char*>(feed) - from);
      line.append(from, bytes);
      at += bytes + 1;
      if (kCrLfEndsLine && !line.empty() && line.back() == '\r') line.pop_back();
      return true;
    }
    line.append(from, end - at);
    at = end;
    if (!refill()) return true;  // a last line without a line feed
  }
}

int firstReadError() {
  if (at == end) refill();
  return error;
}

int readError() {
  return error;
}
