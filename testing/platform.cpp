#include "platform.hpp"

#include <gtest/gtest.h>

#include <csignal>
#include <cstdlib>

namespace testing_support {

namespace {

// The folder SOLVERS_WINDOWS_BUILD names, read once: it cannot change during a run.
const char* windowsBuild() {
  static const char* const folder = [] {
    const char* value = std::getenv("SOLVERS_WINDOWS_BUILD");
    return value && *value ? value : nullptr;
  }();
  return folder;
}

}  // namespace

bool windowsPrograms() {
  return windowsBuild() != nullptr;
}

int randomCases(int count) {
  return windowsPrograms() ? count / 5 : count;
}

std::string windowsExecutableOf(const std::string& program) {
  return std::string(windowsBuild()) + "/" + program + "/" + program + ".exe";
}

std::string platformText(const std::string& text) {
  if (!windowsPrograms()) return text;
  std::string written;
  written.reserve(text.size() + text.size() / 8);
  for (char c : text) {
    if (c == '\n') written += '\r';
    written += c;
  }
  return written;
}

std::string plainText(const std::string& written) {
  if (!windowsPrograms()) return written;
  std::string text;
  text.reserve(written.size());
  for (std::size_t i = 0; i < written.size(); ++i) {
    if (written[i] != '\r' || i + 1 == written.size() || written[i + 1] != '\n') {
      text += written[i];
    }
  }
  EXPECT_TRUE(platformText(text) == written) << "a line feed is not written as CR LF";
  return text;
}

bool abortedByAssertion(const RunResult& result) {
  return windowsPrograms() ? result.exit_code == 3 : result.signal == SIGABRT;
}

std::string assertionReport(const std::string& condition) {
  return windowsPrograms() ? "Assertion failed: " + condition + ", file "
                           : "Assertion `" + condition + "' failed";
}

}  // namespace testing_support
