// What differs between the platforms the programs are tested on: Linux, where they run
// natively, and Windows, whose executables run under Wine.
#pragma once

#include <string>

#include "scratch_dir.hpp"

namespace testing_support {

// True when the programs under test are the Windows executables of the build folder that
// the environment variable SOLVERS_WINDOWS_BUILD names: each run then starts that
// program's .exe under Wine in place of the native executable. None of the POSIX limits
// of RunOptions can be set there, and the program writes its text files the Windows way.
bool windowsPrograms();

// How many of a random differential test's `count` seeded cases to run: all natively;
// under Wine, where each start of a program costs tens of milliseconds, the first fifth,
// which still sends every kind of case through the Windows reads and writes.
int randomCases(int count);

// The path of `program`'s Windows executable in that build folder.
std::string windowsExecutableOf(const std::string& program);

// A program's text as its platform's text mode puts it in a file: each line feed is a
// CR LF on Windows.
std::string platformText(const std::string& text);

// The text of an output file with the platform's line ends turned back into line feeds.
// The test fails when the file's line ends are not the platform's.
std::string plainText(const std::string& written);

// Whether the run ended the way a failed assertion ends a program on its platform (the
// abort signal on Linux, exit status 3 on Windows), and the words of the platform's
// assertion report that name the failed condition.
bool abortedByAssertion(const RunResult& result);
std::string assertionReport(const std::string& condition);

}  // namespace testing_support
