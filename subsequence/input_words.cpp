#include "input_words.hpp"

#include <cstdint>
#include <cstring>

#include "files.hpp"
#include "input.hpp"

namespace {

// Whether the eight bytes at p are all digits. A byte below '0' borrows when 0x30 is taken
// from it, one above '9' carries when 0x46 is added to it, and either sets its top bit;
// bytes that are digits do neither, so nothing passes from them into a non-digit.
bool eightDigits(const unsigned char* p) {
  std::uint64_t x;
  std::memcpy(&x, p, sizeof x);
  const std::uint64_t tops = 0x8080808080808080;
  return (((x - 0x3030303030303030) | (x + 0x4646464646464646)) & tops) == 0;
}

}  // namespace

void readDigits(std::string& word, const char* stem, int number) {
  word.clear();
  // The blanks before the word, its digits and the byte that ends them, a buffer at a time.
  const unsigned char* from = nullptr;
  std::size_t count = 0;
  std::size_t i = 0;
  while ((count = buffered(from)) != 0) {
    i = 0;
    if (word.empty()) {
      while (i < count && isBlank(from[i])) ++i;
    }
    const std::size_t first = i;
    while (count - i >= 8 && eightDigits(from + i)) i += 8;
    while (i < count && from[i] >= '0' && from[i] <= '9') ++i;
    word.append(reinterpret_cast<const char*>(from) + first, i - first);
    pass(i);
    if (i < count) break;
  }
  // After a read error, what was read is not the input, even a word that ended before it.
  if (readError() != 0) cannotRead();
  const int c = count == 0 ? EOF : from[i];
  if (!word.empty() && (c == EOF || isBlank(c))) return;
  if (c != EOF) pass(1);
  refuseToken(stem, number, " is not a decimal number: ", word, c);
}
