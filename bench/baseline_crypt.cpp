// What any crypt solver must spend: read every line the way crypt does and hold it to
// the end, then write as many bytes as the decoded text has with the same calls. Key
// letters are counted with a table, not decoded.
#include <cstdio>
#include <string>
#include <utility>
#include <vector>

#include "reader.hpp"

int main() {
  if (!std::freopen("crypt.in", "r", stdin) || !std::freopen("crypt.out", "w", stdout)) return 1;
  bool key[256] = {};
  for (unsigned char c : std::string("aeiouy")) key[c] = true;
  std::vector<std::string> lines;
  std::string line;
  while (baseline::line(line)) lines.push_back(std::move(line));
  for (const std::string& text : lines) {
    std::size_t keys = 0;
    for (unsigned char c : text) keys += key[c];
    // Every key letter of a valid line brings a syllable "fa" whose 'a' is counted too.
    std::fwrite(text.data(), 1, text.size() - keys, stdout);
    std::putc('\n', stdout);
  }
  return std::fflush(stdout) == 0 ? 0 : 1;
}
