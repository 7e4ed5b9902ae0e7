#include "decode.hpp"

#include <utility>

std::array<bool, 256> key_letter;

namespace {

// The syllable behind every key letter. Not declared in the header: POSIX's <unistd.h>
// declares a function of this name, and code that includes both would not compile.
constexpr char crypt[] = "fa";

}  // namespace

char* decodeLine(const char* from, const char* to, char* out) {
  while (from < to) {
    const char c = *from++;
    *out++ = c;
    if (!key_letter[static_cast<unsigned char>(c)]) continue;
    // The syllable's letters are dropped unread: its final 'a' calls for no syllable. The
    // byte at `to` differs from both, so the line's end is never matched.
    for (std::size_t j = 0; j + 1 < sizeof crypt; ++j) {
      if (from[j] != crypt[j]) return nullptr;
    }
    from += sizeof crypt - 1;
  }
  return out;
}

bool impossible(std::string& line) {
  // A string ends in a NUL, which serves as the byte behind the line.
  std::string result(line.size(), '\0');
  char* end = decodeLine(line.data(), line.data() + line.size(), result.data());
  if (!end) return true;
  result.resize(static_cast<std::size_t>(end - result.data()));
  line = std::move(result);
  return false;
}
