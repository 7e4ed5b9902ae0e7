// Runs a built program the way a user does: in a folder of its own that holds its
// input file, under a timeout, and reports what it left behind.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

namespace testing_support {

struct RunResult {
  std::optional<std::string> output;  // the output file's bytes, if it is a regular file
  int exit_code = -1;                 // -1 when the program did not exit normally
  int signal = 0;                     // the signal that ended it, or 0
  bool timed_out = false;             // killed because it ran past the timeout
  std::string err;                    // everything it wrote to standard error
  long peak_kib = 0;                  // its peak resident memory, in KiB
};

struct RunOptions {
  double timeout_seconds = 300;
  std::optional<unsigned long> stack_limit_bytes;    // the `ulimit -s` the program starts with
  std::optional<unsigned long> address_space_bytes;  // its `ulimit -v`
  std::optional<unsigned long> file_size_bytes;      // its `ulimit -f`, which a full disk mimics
  // Its `ulimit -u`, processes and threads, as a judge's sandbox sets it. The system exempts
  // root from it, so a test run as root runs the program as user nobody.
  std::optional<unsigned long> process_limit;
  std::size_t environment_bytes = 0;  // when not 0, its one environment variable, this long
  std::vector<std::string> wrapper;   // a command the program runs under (strace), if any
};

constexpr unsigned long kUnlimited = ~0UL;  // RLIM_INFINITY, for any of the limits

// The sanitizers' shadow memory cannot be mapped under an address-space limit, so tests
// that set one are skipped in that build.
#if defined(__SANITIZE_ADDRESS__)
constexpr bool kSanitized = true;
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
constexpr bool kSanitized = true;
#else
constexpr bool kSanitized = false;
#endif
#else
constexpr bool kSanitized = false;
#endif

// A fresh folder under the system's temporary directory, removed with everything in it
// when the object goes away. The program runs in `path()`, which holds only what it wrote;
// its standard error is collected apart.
class ScratchDir {
 public:
  ScratchDir();
  ~ScratchDir();
  ScratchDir(const ScratchDir&) = delete;
  ScratchDir& operator=(const ScratchDir&) = delete;

  const std::string& path() const { return work_; }
  void write(const std::string& name, const std::string& bytes) const;
  void symlink(const std::string& name, const std::string& target) const;
  void mkdir(const std::string& name) const;
  void fifo(const std::string& name) const;
  // The bytes of the regular file `name`; nothing when there is no such file (links and
  // folders are not followed, so a link to /dev/full is never read).
  std::optional<std::string> read(const std::string& name) const;

  // Runs the executable (for a cross-build, its program under its emulator) with this
  // folder as working directory and collects `<program>.out`, the exit status and
  // standard error.
  RunResult run(const std::string& executable, const std::string& program,
                const RunOptions& options = {}) const;

 private:
  RunResult runOnce(const std::vector<std::string>& command, const std::string& program,
                    const RunOptions& options) const;

  std::string root_;
  std::string work_;
};

// The common case: a fresh folder holding `<program>.in` with the given bytes, the program
// run there once.
RunResult runWithInput(const std::string& executable, const std::string& program,
                       const std::string& input, const RunOptions& options = {});

// A readable form of a run for failure messages: status, signal and standard error.
std::string describe(const RunResult& result);

}  // namespace testing_support
