// One built program and the checks every program's end-to-end tests make of it.
#pragma once

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "platform.hpp"
#include "rng.hpp"
#include "scratch_dir.hpp"

namespace testing_support {

// What a message shows of `count` NUL bytes of the input.
inline std::string escapedNuls(int count) {
  std::string shown;
  while (count-- > 0) shown += "\\x00";
  return shown;
}

// An input as a failure message shows it: its size and its first 120 bytes.
std::string excerpt(const std::string& input);

// A row of a table of answers: an input and the output file it gives.
struct Answer {
  std::string input;
  std::string output;
};

// A row of a table of refusals: an input, the message it is refused with and what was
// answered before the problem was found.
struct Refusal {
  std::string input;
  std::string message;
  std::string answered = "";
};

// Runs row(rng) for each of the few random rows of an end-to-end test, the seeds from
// firstSeed on, and stops after the first row that fails.
template <class Row>
void forRandomRows(int firstSeed, Row row) {
  for (int c = 0; c < kRandomRows; ++c) {
    Rng rng(static_cast<std::uint64_t>(firstSeed + c));
    row(rng);
    if (::testing::Test::HasFailure()) return;
  }
}

class Program {
 public:
  Program(std::string executable, std::string name)
      : executable_(std::move(executable)), name_(std::move(name)) {}

  // Runs it once in a fresh folder holding `<name>.in` with these bytes.
  RunResult run(const std::string& input, const RunOptions& options = {}) const;

  // Exit status 0, nothing on standard error, and exactly `expected` in the output file,
  // with the platform's line ends (as are the texts of the checks below).
  void expectAnswer(const std::string& input, const std::string& expected,
                    const RunOptions& options = {}) const;

  // expectAnswer with the input in a pipe (a FIFO as `<name>.in`), written into it as the
  // program reads it. Skipped under an emulator.
  void expectAnswerFromPipe(const std::string& input, const std::string& expected,
                            const RunOptions& options = {}) const;

  // expectAnswer under the smallest stack limit a judge sets, 64 KiB, most of which an
  // environment of 44 KB takes. Skipped under the sanitizers and under an emulator.
  void expectAnswerOnASmallStack(const std::string& input, const std::string& expected) const;

  // expectAnswer for each row.
  void expectAnswers(const std::vector<Answer>& rows) const;

  // Exit status 1, the one line "<name>: <message>" on standard error, and exactly
  // `answered` (what was answered before the problem was found) in the output file.
  void expectRefused(const std::string& input, const std::string& message,
                     const std::string& answered = "") const;

  // expectRefused for each row.
  void expectRefusals(const std::vector<Refusal>& rows) const;

  // `input` and then a 0x1A as the file's last byte: on Windows the DOS end-of-file mark,
  // which ends the input, so `expected` is the answer; elsewhere a byte like any other,
  // which the integer or word it ends is refused for, with `message`.
  void expectEndMarkDropped(const std::string& input, const std::string& expected,
                            const std::string& message) const;

  // Out of memory at a known place: `small` is answered under the smallest address space
  // that allows it, and `large`, which needs more memory at once, is then refused with
  // one line that starts "<name>: out of memory while <doing>", status 1 and an empty
  // output file. Skipped under the sanitizers and under an emulator.
  void expectOutOfMemory(const std::string& small, const std::string& large,
                         const std::string& doing) const;

  // A link to /dev/zero as the input: refused at once with this message, in bounded memory
  // (256 MiB of address space, natively).
  void expectEndlessInputRefused(const std::string& message) const;

  // A file-size limit that the answer to `input` passes part way: status 1, the one line
  // "<name>: cannot write <name>.out: File too large", and the output file cut back to
  // `left`, never ending in part of an answer. Skipped under an emulator.
  void expectWriteCutBack(const std::string& input, unsigned long limit,
                          const std::string& left) const;

  // A read that fails part way through the input (strace fails the read of `input`, padded
  // past the reader's first block, that would find its end): status 1, the one line
  // "<name>: cannot read <name>.in: Input/output error", and never an answer made from what
  // was read before. Skipped under an emulator, whose reads are its own.
  void expectReadErrorRefused(const std::string& input) const;

  // The file problems every program refuses: a missing input file (the output file is
  // then not created, and an existing one is left alone), an input that is a folder (an
  // existing output is left alone there too), an output that is a folder, an output on a
  // full disk (/dev/full), a read that fails part way, and a file-size limit of one byte
  // (its answer must be longer).
  // On Windows the folders are refused with Windows' reasons; under an emulator the
  // file-size limit is left out.
  void expectFileProblemsRefused(const std::string& validInput) const;

 private:
  // The checks of expectAnswer on a run of `input`.
  void expectAnswered(const RunResult& r, const std::string& input,
                      const std::string& expected) const;

  std::string executable_;
  std::string name_;
};

}  // namespace testing_support
