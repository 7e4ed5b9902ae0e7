// What any crypt solver must spend: read every line the way crypt does and hold it to
// the end, then write as many bytes as the decoded text has with the same calls, a
// flush per line included. Key letters are counted with a table, not decoded.
#include <cstdio>
#include <iostream>
#include <string>
#include <utility>
#include <vector>

int main() {
  if (!std::freopen("crypt.in", "r", stdin) || !std::freopen("crypt.out", "w", stdout)) return 1;
  std::ios::sync_with_stdio(false);
  bool key[256] = {};
  for (unsigned char c : std::string("aeiouy")) key[c] = true;
  std::vector<std::string> lines;
  std::string line;
  while (std::getline(std::cin, line)) lines.push_back(std::move(line));
  for (const std::string& text : lines) {
    std::size_t keys = 0;
    for (unsigned char c : text) keys += key[c];
    std::cout.write(text.data(), static_cast<std::streamsize>(text.size() - 2 * keys)) << '\n';
    if (!std::cout.flush()) return 1;
  }
  return 0;
}
