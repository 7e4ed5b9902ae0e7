// The baselines' input: stdin read the way the programs read it, 64 KiB at a time with
// fread and then byte by byte, but with no checks at all.
#pragma once

#include <cstdio>
#include <cstring>
#include <string>

namespace baseline {

inline unsigned char buffer[1 << 16];
inline std::size_t at, end;

// The next byte, or EOF.
inline int next() {
  if (at == end) {
    at = 0;
    end = std::fread(buffer, 1, sizeof buffer, stdin);
    if (end == 0) return EOF;
  }
  return buffer[at++];
}

// The next white-space-delimited token appended to `token`, a buffer run at a time;
// false at the end.
inline bool word(std::string& token) {
  int c = next();
  while (c != EOF && c <= ' ') c = next();
  if (c == EOF) return false;
  while (c != EOF && c > ' ') {
    token += static_cast<char>(c);
    const std::size_t from = at;
    while (at < end && buffer[at] > ' ') ++at;
    token.append(reinterpret_cast<const char*>(buffer) + from, at - from);
    c = next();
  }
  return true;
}

// The next line, without its line feed, found with memchr; false at the end.
inline bool line(std::string& text) {
  text.clear();
  if (next() == EOF) return false;
  --at;
  for (;;) {
    const char* from = reinterpret_cast<const char*>(buffer) + at;
    const void* feed = std::memchr(from, '\n', end - at);
    if (feed) {
      const auto bytes = static_cast<std::size_t>(static_cast<const char*>(feed) - from);
      text.append(from, bytes);
      at += bytes + 1;
      return true;
    }
    text.append(from, end - at);
    at = end;
    if (next() == EOF) return true;
    --at;
  }
}

// The next token as an integer, an optional '-' and digits.
inline long long integer() {
  int c = next();
  while (c != EOF && c <= ' ') c = next();
  const bool negative = c == '-';
  if (negative) c = next();
  long long value = 0;
  for (; c >= '0' && c <= '9'; c = next()) value = value * 10 + (c - '0');
  return negative ? -value : value;
}

}  // namespace baseline
