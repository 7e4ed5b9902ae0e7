// A deliberate copy: the same bytes in transformation/, expression/, stack/, crypt/ and
// subsequence/, compared by testing/copies_test.cpp. The program's name is kProgram, in its
// own program_name.hpp.
//
// The two files of a run: their binding, which refuses files it cannot use, and how a run
// ends that cannot give its answer: exactly one line on standard error, the program's name
// and what is wrong, status 1, and the output file as keepAnswered leaves it.
#pragma once

#include <unistd.h>

#include <cerrno>
#ifndef __wasi__  // WASI has no signals
#include <csignal>
#endif
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <new>
#include <string>

#include "input.hpp"  // the program's reader: firstReadError, readError
#include "program_name.hpp"

// On Windows a 0x1A that is the last byte of the file is the DOS end-of-file mark, which
// ends the input as text mode would read it; anywhere else it is an ordinary byte.
#ifdef _WIN32
constexpr bool kDosEndMark = true;
#else
constexpr bool kDosEndMark = false;
#endif

inline const std::string kInput = std::string(kProgram) + ".in";
inline const std::string kOutput = std::string(kProgram) + ".out";
inline bool answering;                  // the output file has been created
inline const char* doing = "starting";  // what the run is doing, for the out-of-memory message

// What a failed run leaves in the output file: nothing, cut back to empty, so that it never
// holds part of an answer; a program that keeps the answers it completed sets its own.
inline void cutOutputBack() {
  [[maybe_unused]] const int cut = ftruncate(fileno(stdout), 0);  // a device cannot be cut
}
inline void (*keepAnswered)() = cutOutputBack;

[[noreturn]] inline void fail(const char* what) {
  if (answering) keepAnswered();
  // Composed first and written in one piece: printing to the unbuffered standard error
  // would format through a buffer of 8 KiB in the frame, more than the smallest limit of
  // a judge may leave.
  static char line[1024];
  const auto length =
      static_cast<std::size_t>(std::snprintf(line, sizeof line, "%s: %s\n", kProgram, what));
  std::fwrite(line, 1, length < sizeof line ? length : sizeof line - 1, stderr);
  std::fflush(stderr);  // _Exit flushes nothing, and a program may buffer standard error
  std::_Exit(1);
}

[[noreturn]] inline void reject(const std::string& what) {
  fail(what.c_str());
}

// Refuses a file the run cannot use, for `reason`, an errno value taken before the message is
// made, which may allocate: "cannot open PROGRAM.in: No such file or directory".
[[noreturn]] inline void refuseFile(const char* cannot, const std::string& file, int reason) {
  reject(cannot + file + ": " + std::strerror(reason));
}

[[noreturn]] inline void cannotRead() {
  refuseFile("cannot read ", kInput, readError());
}

[[noreturn]] inline void cannotWrite(int reason) {
  refuseFile("cannot write ", kOutput, reason);
}

// Runs where operator new would throw, also inside the standard library, which would
// otherwise turn the failure into a failed read; it must not allocate.
inline void outOfMemory() {
  char message[160];
  std::snprintf(message, sizeof message, "out of memory while %s", doing);
  fail(message);
}

// Binds the input to standard input and the output to standard output. An input that
// cannot be opened or read (a folder) leaves an existing output file as it was.
inline void bindFiles() {
  std::set_new_handler(outOfMemory);
  // A file-size limit then fails the write, which is reported. Windows has no such signal.
#ifdef SIGXFSZ
  std::signal(SIGXFSZ, SIG_IGN);
#endif
  // Binary, so that every byte arrives: Windows' text mode would end the file at a 0x1A.
  if (!std::freopen(kInput.c_str(), "rb", stdin)) refuseFile("cannot open ", kInput, errno);
  if (firstReadError() != 0) cannotRead();
  if (!std::freopen(kOutput.c_str(), "w", stdout)) refuseFile("cannot create ", kOutput, errno);
  answering = true;
}

// Ends the answer: a write that failed (a full disk, a file-size limit) must not end the
// run in success.
inline void finishOutput() {
  if (std::fflush(stdout) != 0 || std::ferror(stdout)) cannotWrite(errno);
}
