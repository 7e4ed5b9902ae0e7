#include "program.hpp"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <csignal>
#include <thread>

namespace testing_support {

std::string excerpt(const std::string& input) {
  return "input of " + std::to_string(input.size()) + " bytes: \"" + input.substr(0, 120) +
         (input.size() > 120 ? "...\"" : "\"");
}

RunResult Program::run(const std::string& input, const RunOptions& options) const {
  return runWithInput(executable_, name_, input, options);
}

void Program::expectAnswer(const std::string& input, const std::string& expected,
                           const RunOptions& options) const {
  expectAnswered(run(input, options), input, expected);
}

void Program::expectAnswers(const std::vector<Answer>& rows) const {
  for (const Answer& row : rows) expectAnswer(row.input, row.output);
}

void Program::expectAnswered(const RunResult& r, const std::string& input,
                             const std::string& expected) const {
  EXPECT_EQ(r.exit_code, 0) << describe(r) << "\n" << excerpt(input);
  EXPECT_EQ(r.err, "") << excerpt(input);
  ASSERT_TRUE(r.output.has_value()) << excerpt(input);
  // Not copied where the platform writes the text as it is: answers of 64 MiB.
  const std::string converted = windowsTarget() ? platformText(expected) : std::string();
  const std::string& written = windowsTarget() ? converted : expected;
  if (r.output->size() > 1000 || written.size() > 1000) {
    EXPECT_TRUE(*r.output == written) << "the output differs; " << excerpt(input);
  } else {
    EXPECT_EQ(*r.output, written) << excerpt(input);
  }
}

void Program::expectAnswerFromPipe(const std::string& input, const std::string& expected,
                                   const RunOptions& options) const {
  if (emulated()) GTEST_SKIP() << "the emulator's pipes are not the program's";
  ScratchDir dir;
  const std::string path = dir.path() + "/" + name_ + ".in";
  dir.fifo(name_ + ".in");
  std::signal(SIGPIPE, SIG_IGN);  // a program that stops reading ends the writing, not the test
  std::atomic<bool> ran{false};
  // The writer waits for the program to open the pipe, or to have ended without it.
  std::thread writer([&] {
    int fd = -1;
    while ((fd = open(path.c_str(), O_WRONLY | O_NONBLOCK)) < 0 && !ran) usleep(1000);
    if (fd < 0) return;
    fcntl(fd, F_SETFL, 0);
    for (std::size_t done = 0; done < input.size();) {
      const ssize_t wrote = write(fd, input.data() + done, input.size() - done);
      if (wrote <= 0) break;
      done += static_cast<std::size_t>(wrote);
    }
    close(fd);
  });
  const RunResult r = dir.run(executable_, name_, options);
  ran = true;
  writer.join();
  expectAnswered(r, input, expected);
}

void Program::expectAnswerOnASmallStack(const std::string& input,
                                        const std::string& expected) const {
  if (kSanitized) GTEST_SKIP() << "the sanitizers need more stack than the program";
  if (emulated()) GTEST_SKIP() << "a stack limit would fall on the emulator";
  RunOptions small;
  small.stack_limit_bytes = 64 << 10;
  small.environment_bytes = 44000;
  expectAnswer(input, expected, small);
}

void Program::expectRefused(const std::string& input, const std::string& message,
                            const std::string& answered) const {
  RunResult r = run(input);
  EXPECT_EQ(r.exit_code, 1) << describe(r) << "\n" << excerpt(input);
  EXPECT_EQ(r.err, platformText(name_ + ": " + message + "\n")) << excerpt(input);
  EXPECT_EQ(r.output, std::optional<std::string>(platformText(answered))) << excerpt(input);
}

void Program::expectRefusals(const std::vector<Refusal>& rows) const {
  for (const Refusal& row : rows) expectRefused(row.input, row.message, row.answered);
}

void Program::expectEndMarkDropped(const std::string& input, const std::string& expected,
                                   const std::string& message) const {
  if (windowsTarget()) {
    expectAnswer(input + "\x1a", expected);
  } else {
    expectRefused(input + "\x1a", message);
  }
}

void Program::expectOutOfMemory(const std::string& small, const std::string& large,
                                const std::string& doing) const {
  if (kSanitized) GTEST_SKIP() << "no address-space limit under the sanitizers";
  if (emulated()) GTEST_SKIP() << "an address-space limit would fall on the emulator";
  // The smallest limit, to 64 KiB, under which the small input is answered.
  unsigned long low = 0, high = 1UL << 30;
  while (high - low > 64 << 10) {
    RunOptions options;
    options.address_space_bytes = low + (high - low) / 2;
    (run(small, options).exit_code == 0 ? high : low) = *options.address_space_bytes;
  }
  RunOptions tight;
  tight.address_space_bytes = high;
  ASSERT_EQ(run(small, tight).exit_code, 0);
  RunResult r = run(large, tight);
  EXPECT_EQ(r.exit_code, 1) << describe(r);
  const std::string start = name_ + ": out of memory while " + doing;
  EXPECT_EQ(r.err.substr(0, start.size()), start) << r.err;
  EXPECT_EQ(std::count(r.err.begin(), r.err.end(), '\n'), 1) << r.err;
  EXPECT_EQ(r.output, std::optional<std::string>(""));
}

void Program::expectEndlessInputRefused(const std::string& message) const {
  if (!devicesReachable()) GTEST_SKIP() << "the program cannot be given /dev/zero here";
  ScratchDir dir;
  dir.symlink(name_ + ".in", "/dev/zero");
  RunOptions options;
  options.timeout_seconds = 20;
  if (!kSanitized && !emulated()) options.address_space_bytes = 256UL << 20;
  RunResult r = dir.run(executable_, name_, options);
  EXPECT_EQ(r.exit_code, 1) << describe(r);
  EXPECT_EQ(r.err, platformText(name_ + ": " + message + "\n"));
}

void Program::expectWriteCutBack(const std::string& input, unsigned long limit,
                                 const std::string& left) const {
  if (emulated()) GTEST_SKIP() << "a file-size limit would fall on the emulator";
  RunOptions options;
  options.file_size_bytes = limit;
  RunResult r = run(input, options);
  EXPECT_EQ(r.exit_code, 1) << describe(r) << "\n" << excerpt(input);
  EXPECT_EQ(r.err, name_ + ": cannot write " + name_ + ".out: File too large\n");
  EXPECT_EQ(r.output, std::optional<std::string>(left)) << excerpt(input);
}

void Program::expectFileProblemsRefused(const std::string& validInput) const {
  const std::string in = name_ + ".in", out = name_ + ".out";

  RunResult missing = ScratchDir().run(executable_, name_);
  EXPECT_EQ(missing.exit_code, 1) << describe(missing);
  EXPECT_EQ(missing.err,
            platformText(name_ + ": cannot open " + in + ": No such file or directory\n"));
  EXPECT_FALSE(missing.output.has_value());

  ScratchDir kept;
  kept.write(out, "an earlier answer\n");
  EXPECT_EQ(kept.run(executable_, name_).exit_code, 1);
  EXPECT_EQ(kept.read(out), std::optional<std::string>("an earlier answer\n"));

  ScratchDir folderIn;
  folderIn.mkdir(in);
  folderIn.write(out, "an earlier answer\n");
  RunResult unreadable = folderIn.run(executable_, name_);
  EXPECT_EQ(unreadable.exit_code, 1) << describe(unreadable);
  // Linux opens a folder and fails the read; Windows refuses to open it; Node's WASI opens
  // it without the right to read it.
  EXPECT_EQ(unreadable.err,
            windowsTarget() ? platformText(name_ + ": cannot open " + in + ": Permission denied\n")
            : wasiTarget()  ? name_ + ": cannot read " + in + ": Capabilities insufficient\n"
                            : name_ + ": cannot read " + in + ": Is a directory\n");
  EXPECT_EQ(unreadable.output, std::optional<std::string>("an earlier answer\n"));

  ScratchDir folderOut;
  folderOut.write(in, validInput);
  folderOut.mkdir(out);
  RunResult uncreatable = folderOut.run(executable_, name_);
  EXPECT_EQ(uncreatable.exit_code, 1) << describe(uncreatable);
  EXPECT_EQ(uncreatable.err,
            platformText(name_ + ": cannot create " + out + ": " +
                         (windowsTarget() ? "Permission denied" : "Is a directory") + "\n"));

  if (devicesReachable()) {
    ScratchDir full;
    full.write(in, validInput);
    full.symlink(out, "/dev/full");
    RunResult unwritable = full.run(executable_, name_);
    EXPECT_EQ(unwritable.exit_code, 1) << describe(unwritable);
    EXPECT_EQ(unwritable.err,
              platformText(name_ + ": cannot write " + out + ": No space left on device\n"));
  }

  // Under an emulator the limit and the failed read would fall on the emulator; the rest
  // above is checked there.
  if (emulated()) return;
  expectReadErrorRefused(validInput);
  expectWriteCutBack(validInput, 1, "");
}

void Program::expectReadErrorRefused(const std::string& input) const {
  if (emulated()) GTEST_SKIP() << "the emulator's reads are not the program's";
  // Blanks after the first line are white space, or a line of their own, to every program.
  // Past 64 KiB, a token reader's second block ends the input: its first read gets the rest,
  // the next would find the end, and fails instead (the third read of the file). crypt
  // makes that read before its output file, which it then never makes.
  std::string padded = input;
  padded.insert(padded.find('\n') + 1, std::string(70000, ' ') + "\n");
  RunOptions failing;
  failing.wrapper = {
      "strace",      "-qq", "-o",         "/dev/null", "-P",
      name_ + ".in", "-e",  "trace=read", "-e",        "inject=read:error=EIO:when=3"};
  RunResult r = run(padded, failing);
  // strace says first, on the same standard error, where it found the file.
  if (r.err.rfind("strace: ", 0) == 0) r.err.erase(0, r.err.find('\n') + 1);
  EXPECT_EQ(r.exit_code, 1) << describe(r);
  EXPECT_EQ(r.err, name_ + ": cannot read " + name_ + ".in: Input/output error\n");
  EXPECT_TRUE(!r.output || r.output->empty()) << "an answer made after a failed read";
}

}  // namespace testing_support
