// What differs between the builds whose programs the tests run: the native build, and a
// cross-build (Windows, ARM64 Linux, WASI) whose programs run here under the emulator that its
// toolchain file names.
#pragma once

#include <string>
#include <vector>

#include "scratch_dir.hpp"

namespace testing_support {

// True when the programs under test are those of the cross-build in the folder that the
// environment variable SOLVERS_PROGRAMS names. Its target.txt, written when it was
// configured, gives the target system, the executables' suffix and the emulator. None of
// the POSIX limits of RunOptions can be set on a program there: they would fall on the
// emulator.
bool emulated();

// The command that starts `program`: the emulator's words and the path of the
// cross-built executable; empty for the native build.
std::vector<std::string> emulatedCommand(const std::string& program);

// True when the programs under test are built for Windows: there the programs write their
// text files the Windows way and end a failed assertion with exit status 3.
bool windowsTarget();

// True when the programs under test are WebAssembly modules for WASI, run by Node: there
// a failed assertion reports itself as the WASI C library does, and abort() ends the
// module with a trap, which the runner turns into exit status 134.
bool wasiTarget();

// Whether a program can be given a device (/dev/full, /dev/zero) through a link in its
// folder: not for WASI, whose runtime keeps a module inside the folder it was given and
// finds a link's absolute target inside that folder too.
bool devicesReachable();

// How many random rows an end-to-end differential test runs: a few, since the brute
// forces meet the programs' cores in-process, thousands of cases at a time, on every
// platform.
constexpr int kRandomRows = 8;

// A program's text as its platform's text mode puts it in a file: each line feed is a
// CR LF on Windows.
std::string platformText(const std::string& text);

// The text of an output file with the platform's line ends turned back into line feeds.
// The test fails when the file's line ends are not the platform's.
std::string plainText(const std::string& written);

// Whether the run ended the way a failed assertion ends a program on its platform (the
// abort signal on Linux, exit status 3 on Windows, 134 for WASI), and the words of the platform's
// assertion report that name the failed condition.
bool abortedByAssertion(const RunResult& result);
std::string assertionReport(const std::string& condition);

}  // namespace testing_support
