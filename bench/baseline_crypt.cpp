// The floor of any crypt solver: the whole input taken with one fread into large pages,
// decoded in place with a table of the 256 byte values, the answer given with one fwrite.
// No checks beyond the decoder's own.
#include <cstdio>
#include <cstdlib>
#include <string>

#include "large_buffer.hpp"

int main() {
  if (!std::freopen("crypt.in", "rb", stdin) || !std::freopen("crypt.out", "w", stdout)) return 1;
  std::fseek(stdin, 0, SEEK_END);
  const auto size = static_cast<std::size_t>(std::ftell(stdin));
  std::fseek(stdin, 0, SEEK_SET);
  // Room for a line feed behind a last line that lacks one, and a byte after it that is
  // not 'f', which a key letter at the end looks at.
  auto* text = baseline::largeBuffer<unsigned char>(size + 2);
  text[size] = text[size + 1] = 0;
  std::size_t end = std::fread(text, 1, size, stdin);
  if (end > 0 && text[end - 1] != '\n') text[end++] = '\n';
  bool key[256] = {};
  for (unsigned char c : std::string("aeiouy")) key[c] = true;
  // A line feed is an ordinary byte, never "fa": a key letter cannot take its syllable
  // from the next line.
  const unsigned char* in = text;
  unsigned char* out = text;
  while (in < text + end) {
    const unsigned char c = *in++;
    *out++ = c;
    if (!key[c]) continue;
    if (in[0] != 'f' || in[1] != 'a') {
      std::fputs("impossible\n", stdout);
      return std::fflush(stdout) == 0 ? 0 : 1;
    }
    in += 2;
  }
  std::fwrite(text, 1, static_cast<std::size_t>(out - text), stdout);
  return std::fflush(stdout) == 0 ? 0 : 1;
}
