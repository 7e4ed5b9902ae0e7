// bench_time RUNS FOLDER PROGRAM...: runs each PROGRAM in FOLDER RUNS times, the programs
// taking turns so that a slow spell of a shared machine falls on all of them, and prints
// one line per PROGRAM: its median wall time in seconds and its peak resident KiB.
#include <limits.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

int main(int argc, char** argv) {
  if (argc < 4 || std::atoi(argv[1]) < 1) {
    std::fprintf(stderr, "usage: bench_time RUNS FOLDER PROGRAM...\n");
    return 2;
  }
  const int runs = std::atoi(argv[1]);
  const int count = argc - 3;
  std::vector<std::string> programs;  // as paths that still hold in FOLDER
  for (int p = 0; p < count; ++p) {
    char* path = realpath(argv[3 + p], nullptr);
    if (!path) {
      std::perror(argv[3 + p]);
      return 1;
    }
    programs.emplace_back(path);
    std::free(path);
  }
  std::vector<std::vector<double>> times(count);
  std::vector<long> peak(count);
  for (int r = 0; r < runs; ++r) {
    for (int k = 0; k < count; ++k) {
      const int p = (k + r) % count;  // each program takes every place in the turn
      const char* program = programs[p].c_str();
      const auto start = std::chrono::steady_clock::now();
      const pid_t child = fork();
      if (child == 0) {
        if (chdir(argv[2]) == 0) execl(program, program, static_cast<char*>(nullptr));
        _exit(127);
      }
      int status = 0;
      rusage usage{};
      if (child < 0 || wait4(child, &status, 0, &usage) != child) {
        std::perror("bench_time");
        return 1;
      }
      const std::chrono::duration<double> wall = std::chrono::steady_clock::now() - start;
      if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) {
        std::fprintf(stderr, "bench_time: %s failed in %s\n", program, argv[2]);
        return 1;
      }
      times[p].push_back(wall.count());
      peak[p] = std::max(peak[p], usage.ru_maxrss);
    }
  }
  for (int p = 0; p < count; ++p) {
    std::sort(times[p].begin(), times[p].end());
    std::printf("%.4f %ld\n", times[p][(times[p].size() - 1) / 2], peak[p]);
  }
  return 0;
}
