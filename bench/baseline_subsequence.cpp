// The floor of any subsequence solver: the whole input read with one fread, a look at each
// word (where it starts and ends, and its digits summed), one number written with one fwrite.
#include <cstdio>
#include <memory>

int main() {
  std::FILE* in = std::fopen("subsequence.in", "rb");
  if (!in || std::fseek(in, 0, SEEK_END) != 0) return 1;
  const long size = std::ftell(in);
  if (size < 0 || std::fseek(in, 0, SEEK_SET) != 0) return 1;
  const auto text = std::make_unique<unsigned char[]>(static_cast<std::size_t>(size) + 1);
  const std::size_t got = std::fread(text.get(), 1, static_cast<std::size_t>(size), in);
  unsigned words = 0, sum = 0;
  bool inWord = false;
  for (std::size_t i = 0; i < got; ++i) {
    const bool blank = text[i] <= ' ';
    words += !blank && !inWord;
    sum += blank ? 0 : text[i] - '0';
    inWord = !blank;
  }
  char answer[32];
  const int length = std::snprintf(answer, sizeof answer, "%u\n", (words + sum) % 1000000007);
  std::FILE* out = std::fopen("subsequence.out", "w");
  if (!out || std::fwrite(answer, 1, static_cast<std::size_t>(length), out) !=
                  static_cast<std::size_t>(length)) {
    return 1;
  }
  return std::fclose(out) == 0 ? 0 : 1;
}
