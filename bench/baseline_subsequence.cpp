// The floor of any subsequence solver: the whole input read with one fread, a look at each
// word (where it starts, found eight bytes at a time), one number written with one fwrite.
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <memory>

int main() {
  std::FILE* in = std::fopen("subsequence.in", "rb");
  if (!in || std::fseek(in, 0, SEEK_END) != 0) return 1;
  const long size = std::ftell(in);
  if (size < 0 || std::fseek(in, 0, SEEK_SET) != 0) return 1;
  const auto length = static_cast<std::size_t>(size);
  const std::unique_ptr<unsigned char[]> text(new unsigned char[length + 8]);  // not zeroed
  const std::size_t got = std::fread(text.get(), 1, length, in);
  std::memset(text.get() + got, ' ', 8);  // the last block ends in blanks
  // The top bit of each byte above ' ' (a word's byte); a word starts at such a byte whose
  // byte before is not one.
  std::uint64_t words = 0, before = 0;
  for (std::size_t i = 0; i < got; i += 8) {
    std::uint64_t x;
    std::memcpy(&x, text.get() + i, sizeof x);
    const std::uint64_t inWord =
        (((x & 0x7f7f7f7f7f7f7f7f) + 0x5f5f5f5f5f5f5f5f) | x) & 0x8080808080808080;
    const std::uint64_t starts = (inWord & ~(inWord << 8 | before)) >> 7;  // 1 in a byte
    words += starts * 0x0101010101010101 >> 56;
    before = inWord >> 56;
  }
  char answer[32];
  const int written = std::snprintf(answer, sizeof answer, "%llu\n",
                                    static_cast<unsigned long long>(words % 1000000007));
  std::FILE* out = std::fopen("subsequence.out", "w");
  if (!out || std::fwrite(answer, 1, static_cast<std::size_t>(written), out) !=
                  static_cast<std::size_t>(written)) {
    return 1;
  }
  return std::fclose(out) == 0 ? 0 : 1;
}
