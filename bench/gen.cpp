// Writes the benchmark inputs at the task limits into a folder, one subfolder per case
// holding PROGRAM.in. The inputs are fixed by the seeds below.
#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <set>
#include <string>
#include <vector>

namespace {

std::uint64_t state = 20261208;

std::uint64_t next() {
  std::uint64_t z = (state += 0x9E3779B97F4A7C15ULL);
  z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
  z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
  return z ^ (z >> 31);
}

long long uniform(long long lo, long long hi) {
  return lo + static_cast<long long>(next() % static_cast<std::uint64_t>(hi - lo + 1));
}

std::string root;

void write(const std::string& program, const std::string& name, const std::string& text) {
  std::filesystem::path dir = std::filesystem::path(root) / (program + "-" + name);
  std::filesystem::create_directories(dir);
  std::ofstream(dir / (program + ".in"), std::ios::binary) << text;
}

void stackInputs() {
  const int n = 100000;
  std::string random = std::to_string(n) + "\n", decreasing = random;
  for (int i = 0; i < n; ++i) {
    random += std::to_string(uniform(-2147483648LL, 2147483647LL)) + " ";
    decreasing += std::to_string(1000000000 - i) + " ";
  }
  write("stack", "random", random + "\n");
  write("stack", "decreasing", decreasing + "\n");
}

// A line of `length` digits and operators, then `queries` queries of its operators.
std::string mixedLine(int length, int queries) {
  std::string line;
  std::vector<int> operators;
  while (static_cast<int>(line.size()) < length - 1) {
    line += static_cast<char>('1' + uniform(0, 8));
    if (uniform(0, 9) < 6 && static_cast<int>(line.size()) < length - 1) {
      operators.push_back(static_cast<int>(line.size()) + 1);
      line += uniform(0, 1) ? '+' : '*';
    }
  }
  line += '7';
  std::string text = line + "\n" + std::to_string(queries) + "\n";
  for (int q = 0; q < queries; ++q) {
    text +=
        std::to_string(operators[uniform(0, static_cast<long long>(operators.size()) - 1)]) + "\n";
  }
  return text;
}

// The longest line of mixed operators with the most queries; the deepest nesting.
void expressionInputs() {
  write("expression", "wide", mixedLine(524286, 524288));

  const int around = 262141;  // parentheses around 1+23: the longest line again
  write("expression", "deepest",
        std::string(around, '(') + "1+23" + std::string(around, ')') + "\n1\n" +
            std::to_string(around + 2) + "\n");
}

// A million words of 20 to 60 digits, non-decreasing; three words of 20 million digits.
void subsequenceInputs() {
  const int count = 1000000;
  std::string text = std::to_string(count) + "\n", word(20, '1');
  for (int j = 0; j < count; ++j) {
    if (word.size() < 60 && uniform(0, 24) == 0) word.insert(0, 1, '1');
    std::size_t at = static_cast<std::size_t>(uniform(0, static_cast<long long>(word.size()) - 1));
    if (word[at] < '9') {
      ++word[at];
      for (std::size_t i = at + 1; i < word.size(); ++i)
        word[i] = static_cast<char>('0' + uniform(0, 9));
    }
    text += word + "\n";
  }
  write("subsequence", "million", text);

  std::vector<std::string> huge(3, std::string(20000000, '0'));
  for (std::string& w : huge) {
    for (char& c : w) c = static_cast<char>('0' + uniform(0, 9));
  }
  std::sort(huge.begin(), huge.end());  // equal lengths: text order is number order
  write("subsequence", "huge", "3\n" + huge[0] + "\n" + huge[1] + "\n" + huge[2] + "\n");
}

std::string transformationText(const std::vector<long long>& initial,
                               const std::vector<long long>& target) {
  std::string t = std::to_string(initial.size()) + "\n";
  for (long long v : initial) t += std::to_string(v) + " ";
  t += "\n";
  for (long long v : target) t += std::to_string(v) + " ";
  return t + "\n";
}

// n = 100010 distinct values: a YES in which every position but the one holding the
// largest value changes; a NO that only the last record in sorted order reveals.
void transformationInputs() {
  const int n = 100010;
  std::vector<long long> initial(n), target(n);
  std::set<long long> seen;
  for (long long& v : initial) {
    v = uniform(-1000000000, 999999999);
    // A value met before moves up to the next free one, with no further draw, so that the
    // inputs after this one stay as they were.
    while (!seen.insert(v).second) v = v == 999999999 ? -1000000000 : v + 1;
  }
  initial[n / 2] = 1000000000;
  for (int i = 0; i < n; ++i) {
    target[i] = initial[static_cast<std::size_t>(uniform(0, n - 1))];
    if (target[i] <= initial[i]) target[i] = 1000000000;
  }
  write("transformation", "yes", transformationText(initial, target));
  target[n / 2] = 2000000000;  // above every initial value, so no source exists
  write("transformation", "no", transformationText(initial, target));
}

// n = 100010 over 256 distinct values: long runs of equal records; every position but
// those holding the largest value changes.
void transformationFewValues() {
  const int n = 100010, values = 256;
  std::vector<long long> pool(values), initial(n), target(n);
  for (int k = 0; k < values; ++k) pool[k] = -1000000000 + 7800000LL * k + uniform(0, 7799999);
  for (long long& v : initial) v = pool[uniform(0, values - 1)];
  initial[n / 2] = pool[values - 1];
  for (int i = 0; i < n; ++i) {
    target[i] = pool[uniform(0, values - 1)];
    if (target[i] <= initial[i]) target[i] = pool[values - 1];
  }
  write("transformation", "few", transformationText(initial, target));
}

// 64 MiB of valid text in lines of about 80 bytes, and as one line.
void cryptInputs() {
  const std::size_t size = 64 << 20;
  const std::string words[] = {"pafarifas ", "hefallofa ", "wofarld ", "xyfaz ",  "bcd ",
                               "Q ",         "yfa ",       "tofast ",  "qwfafa ", "1+2=3 "};
  std::string lines, line;
  while (lines.size() + line.size() < size) {
    line += words[uniform(0, 9)];
    if (line.size() >= 80) {
      lines += line + "\n";
      line.clear();
    }
  }
  write("crypt", "lines", lines);
  std::string one;
  while (one.size() < size) one += words[uniform(0, 9)];
  write("crypt", "oneline", one + "\n");
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: bench_gen FOLDER\n");
    return 2;
  }
  root = argv[1];
  stackInputs();
  expressionInputs();
  subsequenceInputs();
  transformationInputs();
  cryptInputs();
  // Last, so that the inputs above stay what they were: a line that is far from the
  // limits, whose cost should be its own, not the capacity's; records of few values.
  write("expression", "line5000", mixedLine(5000, 1000));
  transformationFewValues();
  return 0;
}
