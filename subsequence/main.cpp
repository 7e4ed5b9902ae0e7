// subsequence: the sum modulo 1000000007 of the chain that starts at the first number and
// walks up to each next number by powers of ten, units first.
#include <algorithm>
#include <climits>
#include <cstdio>
#include <string>

#include "arithmetic.hpp"
#include "files.hpp"
#include "input.hpp"
#include "input_words.hpp"

int n;  // the number of words

std::string endsEarly(const char*, int number) {
  if (number == 0) return "subsequence.in is empty";
  return "input ends after " + std::to_string(number - 1) + " of " + std::to_string(n) + " words";
}

namespace {

std::string shortened(const std::string& word) {
  if (word.size() <= kShown) return word;
  return word.substr(0, kShown) + "... (" + std::to_string(word.size()) + " digits)";
}

// Compares the numbers two digit strings denote, so leading zeros do not matter.
int compareNumbers(const std::string& x, const std::string& y) {
  std::size_t i = std::min(x.find_first_not_of('0'), x.size());
  std::size_t j = std::min(y.find_first_not_of('0'), y.size());
  std::size_t lx = x.size() - i;
  std::size_t ly = y.size() - j;
  if (lx != ly) return lx < ly ? -1 : 1;
  return x.compare(i, lx, y, j, ly);
}

}  // namespace

int main() {
  bindFiles();
  doing = "reading subsequence.in";
  n = readInt(1, INT_MAX, "n");
  // The chain starts at word 0 itself; each walk then ends at the residue of the next
  // word. Only the word before and the one being read are held.
  std::string previous, word;
  int sum = 0;
  int V = 0;  // the residue of the word before
  for (int j = 0; j < n; ++j) {
    // A word denotes at least the number before it, so it mostly is at least as long: room
    // made at once spares a long word the copies, and their double storage, on its way up.
    word.reserve(previous.size());
    readDigits(word, "word", j + 1);
    if (j == 0) {
      V = residue(word);
      sum = V;
    } else {
      // The walk between neighbours only ever counts up.
      if (compareNumbers(word, previous) < 0) {
        reject("word " + std::to_string(j + 1) + " (" + shortened(word) +
               ") is smaller than word " + std::to_string(j) + " (" + shortened(previous) + ")");
      }
      add(sum, addDifference(previous, word, V));
    }
    previous.swap(word);
  }
  doing = "writing subsequence.out";
  std::printf("%d\n", sum);
  finishOutput();
  return 0;
}
