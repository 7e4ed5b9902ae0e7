#include "decode.hpp"

#include <utility>

std::map<char, bool> key_letter;
// The syllable behind every key letter. Not declared in the header: POSIX's <unistd.h>
// declares a function of this name, and code that includes both would not compile.
const std::string crypt = "fa";

bool impossible(std::string& line) {
  const std::size_t n = line.size();
  std::string result;
  result.reserve(n);  // the decoded line is never longer
  for (std::size_t i = 0; i < n;) {
    const char c = line[i++];
    result += c;
    if (!key_letter[c]) continue;
    // The syllable's letters are dropped unread: its final 'a' calls for no syllable.
    for (char expected : crypt) {
      if (i == n || line[i] != expected) return true;
      ++i;
    }
  }
  line = std::move(result);
  return false;
}
