// Writes the benchmark inputs at the task limits into a folder, one subfolder per case
// holding PROGRAM.in. The inputs are fixed by the seeds below.
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>

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

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: bench_gen FOLDER\n");
    return 2;
  }
  root = argv[1];
  stackInputs();
  return 0;
}
