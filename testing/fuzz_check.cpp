// fuzz_check PROGRAM EXECUTABLE: what ./fuzz gives the fuzzer to run. It runs EXECUTABLE,
// the instrumented program, in the folder that holds PROGRAM.in, and compares what each run
// left (the exit status, standard error, PROGRAM.out) with what the reference for PROGRAM
// (testing/*_reference.hpp) says the input must give.
//
// Under AFL++ it stands between the fuzzer and the program's own fork server, speaking the
// fuzzer's protocol on both sides: the fuzzer asks it for each run, it asks the program,
// which forks a run that has already started up (a sanitized program takes 20 ms to start),
// and passes on the run's process and status. The status of a run whose answer differs is
// a crash by SIGABRT, which the fuzzer keeps; that of a run that ends in the grammar check
// the reference expects is a normal exit. Run alone, it runs the program once: status 0
// when the answer is right, 1 with a line on standard error when it differs, and the
// program's own crash when it crashes. An input too large for the reference is counted
// with a byte in the file FUZZ_SKIPPED names.
#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <functional>
#include <map>
#include <optional>
#include <sstream>
#include <string>

#include "crypt_reference.hpp"
#include "expression_reference.hpp"
#include "stack_reference.hpp"
#include "subsequence_reference.hpp"
#include "transformation_reference.hpp"

namespace {

using reference::Verdict;

const std::map<std::string, std::function<Verdict(const std::string&)>> kReferences = {
    {"transformation", transformation_reference::judge},
    {"stack", stack_reference::judge},
    {"crypt", crypt_reference::judge},
    {"subsequence", subsequence_reference::judge},
    // A few million characters of evaluation stay well within the fuzzer's timeout.
    {"expression",
     [](const std::string& input) { return expression_reference::judge(input, 2000000); }},
};

std::optional<std::string> readFile(const std::string& name) {
  std::ifstream in(name, std::ios::binary);
  if (!in) return std::nullopt;
  std::ostringstream bytes;
  bytes << in.rdbuf();
  return bytes.str();
}

// The first bytes of a text, each that is not printable ASCII as \xNN.
std::string excerpt(const std::optional<std::string>& text) {
  if (!text) return "(no file)";
  std::string shown = "\"";
  for (std::size_t i = 0; i < text->size() && i < 60; ++i) {
    const auto c = static_cast<unsigned char>((*text)[i]);
    char escape[5];
    std::snprintf(escape, sizeof escape, "\\x%02x", c);
    shown += c >= ' ' && c < 0x7f && c != '\\' ? std::string(1, static_cast<char>(c)) : escape;
  }
  return shown + (text->size() > 60 ? "...\"" : "\"");
}

struct Run {
  int status;  // the exit status, or 128 and the signal
  std::string err;
  std::optional<std::string> output;
};

Run ranAs(int waitStatus, std::string err, const std::string& program) {
  const int status = WIFSIGNALED(waitStatus) ? 128 + WTERMSIG(waitStatus) : WEXITSTATUS(waitStatus);
  return {status, std::move(err), readFile(program + ".out")};
}

// Starts EXECUTABLE with standard error on `err`, nothing on the other two, and the two
// ends of the fork server's protocol on `control` and `status`, or none.
pid_t start(const char* executable, int err, int control, int status) {
  const pid_t child = fork();
  if (child != 0) return child;
  // The fuzzer's ends are 198 and 199; the program gets the ones given here, or none, so
  // that it does not take the fuzzer's for its own.
  for (int fd : {198, 199}) close(fd);
  if (control >= 0) dup2(control, 198);
  if (status >= 0) dup2(status, 199);
  const int none = open("/dev/null", O_RDWR);
  dup2(none, 0);
  dup2(none, 1);
  dup2(err, 2);
  execl(executable, executable, static_cast<char*>(nullptr));
  _exit(127);
}

// What a run should have given, as a reader of the report sees it.
std::string expected(const Verdict& verdict) {
  switch (verdict.kind) {
    case Verdict::answer:
      return "status 0 and " + excerpt(verdict.output);
    case Verdict::refusal:
      return "status 1, one line on standard error, and " + excerpt(verdict.output);
    case Verdict::grammarCheck:
      return "the abort of the check " + verdict.check;
    default:
      return "no crash and no sanitizer's report (the answer is not compared)";
  }
}

bool matches(const std::string& program, const Run& r, const Verdict& verdict) {
  switch (verdict.kind) {
    case Verdict::answer:
      return r.status == 0 && r.err.empty() && r.output == verdict.output;
    case Verdict::refusal:
      return r.status == 1 && r.err.rfind(program + ": ", 0) == 0 &&
             r.err.find('\n') == r.err.size() - 1 && r.output == verdict.output;
    case Verdict::grammarCheck:
      return r.status == 128 + SIGABRT && r.err.find("SUMMARY: ") == std::string::npos &&
             r.err.find("Assertion `" + verdict.check + "' failed.") != std::string::npos &&
             r.output == std::optional<std::string>("");
    default:  // not compared: only a crash or a sanitizer's report is wrong
      return r.status <= 128 && r.err.find("SUMMARY: ") == std::string::npos;
  }
}

// What the input in PROGRAM.in must give, and whether the run gave it; a difference is
// shown on standard error.
bool judged(const std::string& program, const Run& r) {
  const Verdict verdict = kReferences.at(program)(readFile(program + ".in").value_or(""));
  if (verdict.kind == Verdict::tooLarge) {
    if (const char* skipped = std::getenv("FUZZ_SKIPPED"))
      std::ofstream(skipped, std::ios::app) << '.';
  }
  if (matches(program, r, verdict)) return true;
  if (r.status <= 128 || verdict.kind == Verdict::grammarCheck) {
    std::fprintf(stderr,
                 "fuzz_check: %s gave status %d, %s on standard error and %s; expected %s\n",
                 program.c_str(), r.status, excerpt(r.err).c_str(), excerpt(r.output).c_str(),
                 expected(verdict).c_str());
  }
  return false;
}

std::string readAll(int fd) {
  std::string text;
  char chunk[4096];
  lseek(fd, 0, SEEK_SET);
  for (ssize_t got; (got = read(fd, chunk, sizeof chunk)) > 0;) text.append(chunk, got);
  return text;
}

// Under the fuzzer: the program's fork server started once, and each run asked of it.
[[noreturn]] void serve(const std::string& program, const char* executable) {
  const std::string errName = program + ".err";
  const int err = open(errName.c_str(), O_RDWR | O_CREAT | O_TRUNC | O_APPEND | O_CLOEXEC, 0644);
  int control[2], status[2];
  if (err < 0 || pipe2(control, O_CLOEXEC) != 0 || pipe2(status, O_CLOEXEC) != 0) std::exit(2);
  start(executable, err, control[0], status[1]);
  close(control[0]);
  close(status[1]);
  // The program's greeting says what it needs of the fuzzer (the size of its map): the
  // fuzzer gets it as it is.
  std::uint32_t word = 0;
  if (read(status[0], &word, 4) != 4 || write(199, &word, 4) != 4) std::exit(2);
  for (;;) {
    if (read(198, &word, 4) != 4) std::exit(0);  // the fuzzer is done
    std::remove((program + ".out").c_str());
    if (ftruncate(err, 0) != 0 || write(control[1], &word, 4) != 4) std::exit(2);
    std::int32_t child = 0, waitStatus = 0;
    if (read(status[0], &child, 4) != 4 || write(199, &child, 4) != 4) std::exit(2);
    if (read(status[0], &waitStatus, 4) != 4) std::exit(2);
    const Run r = ranAs(waitStatus, readAll(err), program);
    if (judged(program, r)) {
      waitStatus = 0;  // an expected grammar check too
    } else if (r.status <= 128) {
      waitStatus = SIGABRT;  // a wrong answer: a crash to the fuzzer
    }
    if (write(199, &waitStatus, 4) != 4) std::exit(2);
  }
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3 || kReferences.count(argv[1]) == 0) {
    std::fprintf(stderr, "usage: fuzz_check PROGRAM EXECUTABLE\n");
    return 2;
  }
  const std::string program = argv[1];
  if (fcntl(198, F_GETFD) != -1) serve(program, argv[2]);
  // Alone: one run, with standard error through a file of its own, and no output left by
  // an earlier run to judge in its place.
  std::remove((program + ".out").c_str());
  std::FILE* errFile = std::tmpfile();
  int waitStatus = 0;
  waitpid(start(argv[2], fileno(errFile), -1, -1), &waitStatus, 0);
  const Run r = ranAs(waitStatus, readAll(fileno(errFile)), program);
  if (judged(program, r)) return 0;
  if (r.status <= 128) return 1;
  // A crash goes on as that same crash, with the program's report.
  std::fputs(r.err.c_str(), stderr);
  std::signal(r.status - 128, SIG_DFL);
  std::raise(r.status - 128);
}
