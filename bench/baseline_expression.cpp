// The floor of any expression solver: the whole input taken with one fread, one value made
// for each character of the line in one pass, each query answered with one look-up
// formatted as a number of the answers' size, the answer given with one fwrite. No checks
// at all.
#include <charconv>
#include <cstdio>
#include <cstring>
#include <memory>

int main() {
  std::FILE* in = std::fopen("expression.in", "rb");
  if (!in || std::fseek(in, 0, SEEK_END) != 0) return 1;
  const long size = std::ftell(in);
  if (size < 0 || std::fseek(in, 0, SEEK_SET) != 0) return 1;
  const auto length = static_cast<std::size_t>(size);
  const std::unique_ptr<char[]> text(new char[length + 1]);
  const std::size_t got = std::fread(text.get(), 1, length, in);
  text[got] = '\0';  // ends the last number

  const char* feed = static_cast<const char*>(std::memchr(text.get(), '\n', got));
  const std::size_t n = feed ? static_cast<std::size_t>(feed - text.get()) : got;
  const std::unique_ptr<int[]> value(new int[n + 1]);
  // Residues of ten digits mostly, as the answers are.
  for (std::size_t i = 0; i < n; ++i)
    value[i] = static_cast<int>(text[i] * 2654435761u % 1000000007);

  const char* at = text.get() + n;
  auto integer = [&] {
    while (*at != '\0' && (*at < '0' || *at > '9')) ++at;
    long long x = 0;
    for (; *at >= '0' && *at <= '9'; ++at) x = x * 10 + (*at - '0');
    return x;
  };
  const auto k = static_cast<std::size_t>(integer());
  const std::unique_ptr<char[]> out(new char[11 * k + 1]);  // 10 digits and a line feed each
  char* end = out.get();
  for (std::size_t q = 0; q < k; ++q) {
    const auto p = static_cast<std::size_t>(integer() - 1);
    end = std::to_chars(end, end + 10, p < n ? value[p] : 0).ptr;
    *end++ = '\n';
  }
  std::FILE* file = std::fopen("expression.out", "w");
  const auto bytes = static_cast<std::size_t>(end - out.get());
  if (!file || std::fwrite(out.get(), 1, bytes, file) != bytes) return 1;
  return std::fclose(file) == 0 ? 0 : 1;
}
