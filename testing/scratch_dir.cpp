#include "scratch_dir.hpp"

#include <fcntl.h>
#include <grp.h>
#include <pwd.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <stdexcept>
#include <thread>
#include <utility>

#include "platform.hpp"

namespace testing_support {
namespace fs = std::filesystem;

namespace {

[[noreturn]] void fail(const std::string& what) {
  throw std::runtime_error(what + ": " + std::strerror(errno));
}

std::optional<std::string> readFile(const std::string& file) {
  std::ifstream in(file, std::ios::binary | std::ios::ate);
  if (!in) return std::nullopt;
  std::string bytes(static_cast<std::size_t>(in.tellg()), '\0');  // read at once: outputs of 64 MiB
  in.seekg(0).read(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  return bytes;
}

}  // namespace

ScratchDir::ScratchDir() {
  std::string pattern = (fs::temp_directory_path() / "solver-test-XXXXXX").string();
  if (!mkdtemp(pattern.data())) fail("mkdtemp");
  root_ = pattern;
  work_ = root_ + "/work";
  if (::mkdir(work_.c_str(), 0755) != 0) fail("mkdir " + work_);
}

ScratchDir::~ScratchDir() {
  std::error_code ignored;
  fs::remove_all(root_, ignored);
}

void ScratchDir::write(const std::string& name, const std::string& bytes) const {
  std::ofstream out(work_ + "/" + name, std::ios::binary);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  if (!out.flush()) fail("write " + name);
}

void ScratchDir::symlink(const std::string& name, const std::string& target) const {
  if (::symlink(target.c_str(), (work_ + "/" + name).c_str()) != 0) fail("symlink " + name);
}

void ScratchDir::mkdir(const std::string& name) const {
  if (::mkdir((work_ + "/" + name).c_str(), 0755) != 0) fail("mkdir " + name);
}

void ScratchDir::fifo(const std::string& name) const {
  if (::mkfifo((work_ + "/" + name).c_str(), 0644) != 0) fail("mkfifo " + name);
}

std::optional<std::string> ScratchDir::read(const std::string& name) const {
  std::string file = work_ + "/" + name;
  std::error_code ec;
  if (!fs::is_regular_file(fs::symlink_status(file, ec))) return std::nullopt;
  return readFile(file);
}

RunResult ScratchDir::run(const std::string& executable, const std::string& program,
                          const RunOptions& options) const {
  if (!emulated()) {
    std::vector<std::string> command = options.wrapper;
    command.push_back(executable);
    return runOnce(command, program, options);
  }
  if (options.stack_limit_bytes || options.address_space_bytes || options.file_size_bytes ||
      options.process_limit || !options.wrapper.empty()) {
    throw std::logic_error("a POSIX limit on a program under an emulator falls on the emulator");
  }
  // About once in a few thousand starts Wine fails to start a program: exit status 1,
  // nothing on standard error, nothing written. No program ends like that (each of its
  // refusals says why), so that run is the emulator's, and the program is started again.
  RunResult result;
  for (int attempt = 0; attempt < 3; ++attempt) {
    result = runOnce(emulatedCommand(program), program, options);
    if (result.exit_code != 1 || !result.err.empty()) break;
  }
  return result;
}

RunResult ScratchDir::runOnce(const std::vector<std::string>& command, const std::string& program,
                              const RunOptions& options) const {
  std::vector<char*> argv;
  for (const std::string& word : command) argv.push_back(const_cast<char*>(word.c_str()));
  argv.push_back(nullptr);
  // An environment that fills much of a small stack, as a judge's may; else the test's own.
  std::string filler = "FILLER=" + std::string(options.environment_bytes, 'x');
  char* environment[] = {filler.data(), nullptr};
  // As root, the process limit needs another user, who must be able to write the folder.
  const passwd* user = nullptr;
  if (options.process_limit && geteuid() == 0) {
    user = getpwnam("nobody");
    if (!user) fail("no user nobody to run under a process limit");
    if (chmod(root_.c_str(), 0755) != 0 || chown(work_.c_str(), user->pw_uid, user->pw_gid) != 0) {
      fail("chown " + work_);
    }
  }
  // Standard error goes through a pipe, not a file, so that a file-size limit on the
  // program cannot cut its message.
  int err[2];
  if (pipe2(err, O_CLOEXEC) != 0) fail("pipe");
  pid_t child = fork();
  if (child < 0) fail("fork");
  if (child == 0) {
    // Only async-signal-safe calls from here to exec.
    int devNull = open("/dev/null", O_RDWR);
    if (devNull < 0 || chdir(work_.c_str()) != 0) _exit(127);
    dup2(devNull, 0);
    dup2(devNull, 1);
    dup2(err[1], 2);
    // Each limit that is set, soft and hard alike.
    const std::pair<int, std::optional<unsigned long>> limits[] = {
        {RLIMIT_STACK, options.stack_limit_bytes},
        {RLIMIT_AS, options.address_space_bytes},
        {RLIMIT_FSIZE, options.file_size_bytes},
        {RLIMIT_NPROC, options.process_limit}};
    for (const auto& [resource, value] : limits) {
      const rlimit limit{value.value_or(0), value.value_or(0)};
      if (value && setrlimit(resource, &limit) != 0) _exit(127);
    }
    if (user &&
        (setgroups(0, nullptr) != 0 || setgid(user->pw_gid) != 0 || setuid(user->pw_uid) != 0)) {
      _exit(127);
    }
    if (options.environment_bytes != 0) {
      execve(argv[0], argv.data(), environment);
    } else {
      execvp(argv[0], argv.data());
    }
    _exit(127);
  }

  close(err[1]);
  fcntl(err[0], F_SETFL, O_NONBLOCK);
  RunResult result;
  auto drain = [&] {  // takes what the pipe holds; false once the program has closed it
    char chunk[4096];
    ssize_t count;
    while ((count = ::read(err[0], chunk, sizeof chunk)) > 0) {
      result.err.append(chunk, static_cast<std::size_t>(count));
    }
    return count != 0;
  };
  const auto deadline =
      std::chrono::steady_clock::now() + std::chrono::duration<double>(options.timeout_seconds);
  auto pause = std::chrono::microseconds(50);
  int status = 0;
  rusage usage{};
  for (;;) {
    drain();
    pid_t done = wait4(child, &status, WNOHANG, &usage);
    if (done == child) break;
    if (done < 0 && errno != EINTR) fail("waitpid");
    if (std::chrono::steady_clock::now() > deadline) {
      kill(child, SIGKILL);
      wait4(child, &status, 0, &usage);
      result.timed_out = true;
      break;
    }
    std::this_thread::sleep_for(pause);
    pause = std::min(pause * 2, std::chrono::microseconds(5000));
  }
  result.peak_kib = usage.ru_maxrss;
  if (WIFEXITED(status)) result.exit_code = WEXITSTATUS(status);
  if (WIFSIGNALED(status)) result.signal = WTERMSIG(status);
  // The program is gone, so all it wrote is in the pipe. The pipe is not read to its end:
  // under Wine a service process that the program's start woke may hold it open for long.
  drain();
  close(err[0]);
  result.output = read(program + ".out");
  return result;
}

RunResult runWithInput(const std::string& executable, const std::string& program,
                       const std::string& input, const RunOptions& options) {
  ScratchDir dir;
  dir.write(program + ".in", input);
  return dir.run(executable, program, options);
}

std::string describe(const RunResult& result) {
  std::ostringstream text;
  text << "exit status " << result.exit_code << ", signal " << result.signal
       << (result.timed_out ? ", timed out" : "") << ", standard error: \"" << result.err << "\"";
  return text.str();
}

}  // namespace testing_support
