#include "platform.hpp"

#include <gtest/gtest.h>

#include <csignal>
#include <cstdlib>
#include <fstream>
#include <stdexcept>

namespace testing_support {

namespace {

struct Target {
  std::string folder;  // the cross-build's folder; empty for the native build
  std::string system;
  std::string suffix;
  std::vector<std::string> emulator;
};

// The cross-build SOLVERS_PROGRAMS names, read once: it cannot change during a run.
const Target& target() {
  static const Target read = [] {
    Target t;
    const char* folder = std::getenv("SOLVERS_PROGRAMS");
    if (!folder || !*folder) return t;
    t.folder = folder;
    std::ifstream file(t.folder + "/target.txt");
    if (!file) throw std::runtime_error("no target.txt in " + t.folder + ": not a cross-build");
    for (std::string line; std::getline(file, line);) {
      const std::size_t equals = line.find('=');
      const std::string key = line.substr(0, equals), value = line.substr(equals + 1);
      if (key == "system") t.system = value;
      if (key == "suffix") t.suffix = value;
      if (key == "emulator") t.emulator.push_back(value);
    }
    return t;
  }();
  return read;
}

}  // namespace

bool emulated() {
  return !target().folder.empty();
}

std::vector<std::string> emulatedCommand(const std::string& program) {
  if (!emulated()) return {};
  std::vector<std::string> command = target().emulator;
  command.push_back(target().folder + "/" + program + "/" + program + target().suffix);
  return command;
}

bool windowsTarget() {
  return target().system == "Windows";
}

std::string platformText(const std::string& text) {
  if (!windowsTarget()) return text;
  std::string written;
  written.reserve(text.size() + text.size() / 8);
  for (char c : text) {
    if (c == '\n') written += '\r';
    written += c;
  }
  return written;
}

std::string plainText(const std::string& written) {
  if (!windowsTarget()) return written;
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

bool wasiTarget() {
  return target().system == "WASI";
}

bool devicesReachable() {
  return !wasiTarget();
}

bool abortedByAssertion(const RunResult& result) {
  if (windowsTarget()) return result.exit_code == 3;
  if (wasiTarget()) return result.exit_code == 134;  // abort() traps; the runner says 134
  return result.signal == SIGABRT;
}

std::string assertionReport(const std::string& condition) {
  if (windowsTarget()) return "Assertion failed: " + condition + ", file ";
  if (wasiTarget()) return "Assertion failed: " + condition + " (";
  return "Assertion `" + condition + "' failed";
}

}  // namespace testing_support
