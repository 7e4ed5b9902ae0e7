#include "lines.hpp"

#include <cstring>

#include "decode.hpp"

std::size_t decodedEnd;
std::size_t lineStart;

namespace {

// On Windows a CR LF ends a line too, as the platform's text mode reads it. The file is
// read in binary so that no byte is lost, and the CR is removed here. Elsewhere a CR is
// an ordinary byte of the line.
#ifdef _WIN32
constexpr bool kCrLfEndsLine = true;
#else
constexpr bool kCrLfEndsLine = false;
#endif

// Where the search for the next line feed goes on: a long line is searched once, not once
// per block that brings more of it.
std::size_t searched;

// Decodes text[lineStart, lineEnd) behind the decoded lines and adds its line feed; the
// byte at lineEnd is a line feed or a CR, which no key letter can take for its syllable.
bool decodeOne(char* text, std::size_t lineEnd, std::size_t next) {
  char* end = decodeLine(text + lineStart, text + lineEnd, text + decodedEnd);
  if (!end) return false;
  *end++ = '\n';
  decodedEnd = static_cast<std::size_t>(end - text);
  lineStart = next;
  return true;
}

}  // namespace

bool decodeLines(char* text, std::size_t end) {
  // The input can lose its last byte, the DOS end-of-file mark, after it was searched.
  std::size_t from = searched < end ? searched : end;
  for (;;) {
    const void* feed = std::memchr(text + from, '\n', end - from);
    if (!feed) break;
    std::size_t lineEnd = static_cast<std::size_t>(static_cast<const char*>(feed) - text);
    from = lineEnd + 1;
    if (kCrLfEndsLine && lineEnd > lineStart && text[lineEnd - 1] == '\r') --lineEnd;
    if (!decodeOne(text, lineEnd, from)) return false;
  }
  searched = end;
  return true;
}

bool decodeLastLine(char* text, std::size_t end) {
  if (lineStart == end) return true;
  text[end] = '\n';  // the end of the line for a key letter that looks past it
  return decodeOne(text, end, end);
}
