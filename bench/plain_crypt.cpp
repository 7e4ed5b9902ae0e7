// The plain crypt solver a user would write: unsynchronised streams, std::getline, the
// std::map of key letters, every decoded line held to the end and flushed line by line.
#include <cstdio>
#include <iostream>
#include <map>
#include <string>
#include <vector>

std::map<char, bool> key_letter;
const std::string crypt = "fa";

bool impossible(std::string& line) {
  std::string result;
  for (std::size_t i = 0, n = line.size(); i < n;) {
    const char c = line[i++];
    result += c;
    if (!key_letter[c]) continue;
    for (char expected : crypt) {
      if (i == n || line[i] != expected) return true;
      ++i;
    }
  }
  line = result;
  return false;
}

int main() {
  std::freopen("crypt.in", "r", stdin);
  std::freopen("crypt.out", "w", stdout);
  std::ios::sync_with_stdio(false);
  for (char c : std::string("aeiouy")) key_letter[c] = true;
  std::vector<std::string> lines;
  std::string line;
  while (std::getline(std::cin, line)) {
    if (impossible(line)) return std::cout << "impossible\n", 0;
    lines.push_back(line);
  }
  for (const std::string& text : lines) std::cout << text << '\n' << std::flush;
  return 0;
}
