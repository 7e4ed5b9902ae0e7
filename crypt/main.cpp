// crypt: decodes every line of crypt.in, or answers "impossible" when one line is not a
// valid encoding. Nothing is written until the whole answer is known.
#include <cstdio>
#include <string>

#include "decode.hpp"
#include "files.hpp"
#include "input.hpp"
#include "lines.hpp"

int main() {
  bindFiles();
  for (unsigned char c : std::string("aeiouy")) key_letter[c] = true;
  // Each block read is decoded at once: the lines after one that is not a valid encoding
  // are never read, and the block is still in the cache.
  bool valid;
  for (;;) {
    valid = decodeLines(input, inputEnd);
    if (!valid) break;
    doing = "reading crypt.in";
    if (!readMore()) break;
  }
  if (readError() != 0) cannotRead();  // what was read is then not the input
  if (valid) valid = decodeLastLine(input, inputEnd);
  doing = "writing crypt.out";
  if (valid) {
    std::fwrite(input, 1, decodedEnd, stdout);
  } else {
    std::fputs("impossible\n", stdout);
  }
  finishOutput();
  return 0;
}
