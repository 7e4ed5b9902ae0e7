// What the crypt tests, and the fuzzer's checker, take for the right decoding: two
// decoders of their own, one from the end of each line and one that encodes its answer
// back.
#pragma once

#include <optional>
#include <string>

#include "verdict.hpp"

namespace crypt_reference {

inline bool isKey(char c) {
  return c != '\0' && std::string("aeiouy").find(c) != std::string::npos;
}

// A decoder of its own that works from the end of the line: the last character is an
// ordinary one, or the 'a' ending a key letter's "fa". Empty optional when the line is
// not a valid encoding.
inline std::optional<std::string> decodeFromTheEnd(const std::string& line) {
  std::string reversed;
  std::size_t i = line.size();
  while (i > 0) {
    char c = line[i - 1];
    if (!isKey(c)) {
      reversed += c;
      --i;
    } else if (c == 'a' && i >= 3 && line[i - 2] == 'f' && isKey(line[i - 3])) {
      reversed += line[i - 3];
      i -= 3;
    } else {
      return std::nullopt;
    }
  }
  return std::string(reversed.rbegin(), reversed.rend());
}

// The encoding this task undoes: each key letter k written as "kfa", anything else as it
// is. One-to-one, so a line is valid exactly when it is the encoding of something.
inline std::string encode(const std::string& text) {
  std::string line;
  for (char c : text) line += isKey(c) ? std::string{c, 'f', 'a'} : std::string{c};
  return line;
}

// A second decoder: drops the "fa" after each key letter where there is one, then keeps
// the result only if encoding it gives the line back.
inline std::optional<std::string> decodeByEncodingBack(const std::string& line) {
  std::string text;
  for (std::size_t i = 0; i < line.size(); ++i) {
    text += line[i];
    if (isKey(line[i]) && line.compare(i + 1, 2, "fa") == 0) i += 2;
  }
  if (encode(text) != line) return std::nullopt;
  return text;
}

// The expected crypt.out for a whole file, from the end-scanning decoder. With
// `crLfEndsLines` (Windows) a CR LF ends a line too.
inline std::string expectedOutput(const std::string& file, bool crLfEndsLines) {
  std::string out;
  std::size_t start = 0;
  while (start < file.size()) {
    std::size_t end = file.find('\n', start);
    if (end == std::string::npos) end = file.size();
    std::string line = file.substr(start, end - start);
    if (crLfEndsLines && end < file.size() && !line.empty() && line.back() == '\r') {
      line.pop_back();
    }
    std::optional<std::string> decoded = decodeFromTheEnd(line);
    if (!decoded) return "impossible\n";
    out += *decoded + "\n";
    start = end + 1;
  }
  return out;
}

// What crypt.in must give on Linux: every byte sequence is a text, answered.
inline reference::Verdict judge(const std::string& input) {
  return reference::answer(expectedOutput(input, false));
}

}  // namespace crypt_reference
