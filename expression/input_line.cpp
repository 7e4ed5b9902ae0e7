#include "input_line.hpp"

#include <cstring>

#include "files.hpp"
#include "input.hpp"

bool readLine(std::string& line, std::size_t capacity) {
  line.clear();
  // A buffer at a time: the line feed is looked for, not every byte. One byte more than the
  // capacity may be a carriage return before the line feed.
  const unsigned char* from = nullptr;
  while (const std::size_t count = buffered(from)) {
    const void* feed = std::memchr(from, '\n', count);
    const std::size_t bytes =
        feed ? static_cast<std::size_t>(static_cast<const unsigned char*>(feed) - from) : count;
    if (bytes > capacity + 1 - line.size()) return false;
    // A line longer than a buffer gets the room of the longest at once, not a copy per
    // doubling.
    if (!feed) line.reserve(capacity + 1);
    line.append(reinterpret_cast<const char*>(from), bytes);
    pass(feed ? bytes + 1 : bytes);
    if (feed) {
      if (!line.empty() && line.back() == '\r') line.pop_back();
      break;
    }
  }
  return line.size() <= capacity;
}

bool atEnd() {
  const unsigned char* from = nullptr;
  while (const std::size_t count = buffered(from)) {
    std::size_t blanks = 0;
    while (blanks < count && isBlank(from[blanks])) ++blanks;
    pass(blanks);
    if (blanks < count) return false;
  }
  if (readError() != 0) cannotRead();
  return true;
}
