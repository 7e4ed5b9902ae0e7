#include <gtest/gtest.h>

#include <optional>
#include <regex>
#include <string>
#include <vector>

#include "program.hpp"
#include "rng.hpp"

namespace {

using testing_support::Rng;

const testing_support::Program program(PROGRAM_PATH, "crypt");

bool isKey(char c) {
  return c != '\0' && std::string("aeiouy").find(c) != std::string::npos;
}

// A decoder of its own that works from the end of the line: the last character is an
// ordinary one, or the 'a' ending a key letter's "fa". Empty optional when the line is
// not a valid encoding.
std::optional<std::string> decodeFromTheEnd(const std::string& line) {
  std::string reversed;
  std::size_t i = line.size();
  while (i > 0) {
    char c = line[i - 1];
    if (!isKey(c)) {
      reversed += c;
      --i;
    } else if (c == 'a' && i >= 3 && line[i - 2] == 'f' && isKey(line[i - 3])) {
      reversed += line[i - 3];
      i -= 3;
    } else {
      return std::nullopt;
    }
  }
  return std::string(reversed.rbegin(), reversed.rend());
}

// The same by a regular expression over the whole line (short lines only: the matcher
// recurses per character).
std::optional<std::string> decodeByPattern(const std::string& line) {
  static const std::regex valid("([^aeiouy]|[aeiouy]fa)*");
  static const std::regex syllable("([aeiouy])fa");
  if (!std::regex_match(line, valid)) return std::nullopt;
  return std::regex_replace(line, syllable, "$1");
}

// The expected crypt.out for a whole file, from the end-scanning decoder. On Windows a
// CR LF ends a line too.
std::string expectedOutput(const std::string& file) {
  std::string out;
  std::size_t start = 0;
  while (start < file.size()) {
    std::size_t end = file.find('\n', start);
    if (end == std::string::npos) end = file.size();
    std::string line = file.substr(start, end - start);
    if (testing_support::windowsTarget() && end < file.size() && !line.empty() &&
        line.back() == '\r') {
      line.pop_back();
    }
    std::optional<std::string> decoded = decodeFromTheEnd(line);
    if (!decoded) return "impossible\n";
    out += *decoded + "\n";
    start = end + 1;
  }
  return out;
}

TEST(CryptAnswers, WholeFilesByteForByte) {
  program.expectAnswer("pafarifas\n", "paris\n");
  program.expectAnswer("pafarifas\n\nbcd\n", "paris\n\nbcd\n");
  program.expectAnswer("pafarifas\na\nbcd\n", "impossible\n");
  program.expectAnswer("", "");
  program.expectAnswer("\n", "\n");
  program.expectAnswer("\n\n", "\n\n");
  program.expectAnswer("xyfaz", "xyz\n");  // a last line without a line feed
  // A CR before the line feed is an ordinary byte on Linux; on Windows CR LF ends the line.
  program.expectAnswer("hefallofa\r\n", testing_support::windowsTarget() ? "hello\n" : "hello\r\n");
  program.expectAnswer("b\032cd\nbafa\n", "b\032cd\nba\n");  // a 0x1A ends no file
  // ...but on Windows one that is the file's last byte is the DOS end-of-file mark, also
  // when it is the last byte of a full read buffer.
  const bool dos = testing_support::windowsTarget();
  program.expectAnswer("bafa\n\032", dos ? "ba\n" : "ba\n\032\n");
  const std::string buffer = std::string(65535, 'b') + "\032";
  program.expectAnswer(buffer, dos ? buffer.substr(0, 65535) + "\n" : buffer + "\n");
  // A key letter, its syllable and a CR LF on either side of the first read's end, which
  // falls within a few bytes of 64 KiB.
  for (std::size_t length = 65530; length < 65538; ++length) {
    const std::string line = std::string(length, 'b') + "ofa";
    program.expectAnswer(line + "\r\nafa\n", expectedOutput(line + "\r\nafa\n"));
  }
  program.expectAnswer("afafa\n", "impossible\n");
  program.expectAnswer("bcd\nqwfafa", "bcd\nqwfa\n");
}

// A line over an alphabet rich in key letters, f, a, upper case, CR, NUL and bytes above
// 127; built from valid tokens, then now and then damaged.
std::string randomLine(Rng& rng) {
  static const std::string ordinary = std::string("bfzAEFY \r\x80\xff", 11) + std::string(1, '\0');
  static const std::string keys = "aeiouy";
  std::string line;
  for (int tokens = static_cast<int>(rng.uniform(0, 10)); tokens > 0; --tokens) {
    if (rng.chance(45)) {
      line += keys[rng.uniform(0, 5)];
      line += "fa";
    } else {
      line += ordinary[rng.uniform(0, static_cast<long long>(ordinary.size()) - 1)];
    }
  }
  if (!line.empty() && rng.chance(8)) {
    std::size_t at =
        static_cast<std::size_t>(rng.uniform(0, static_cast<long long>(line.size()) - 1));
    line[at] = "afAF\0"[rng.uniform(0, 4)];
  }
  return line;
}

TEST(CryptAnswers, TwoDecodersOfTheTestsAgree) {
  for (int c = 0; c < 20000; ++c) {
    Rng rng(40000 + c);
    std::string line = randomLine(rng);
    ASSERT_EQ(decodeFromTheEnd(line), decodeByPattern(line)) << line;
  }
}

TEST(CryptAnswers, MatchesTheTestDecodersOnRandomFiles) {
  for (int c = 0; c < testing_support::randomCases(1500); ++c) {
    Rng rng(30000 + c);
    std::string file;
    for (int lines = static_cast<int>(rng.uniform(0, 6)); lines > 0; --lines) {
      file += randomLine(rng) + "\n";
    }
    if (!file.empty() && rng.chance(30)) file.pop_back();  // no final line feed
    program.expectAnswer(file, expectedOutput(file));
    if (HasFailure()) return;
  }
}

std::string validText(Rng& rng, std::size_t bytes, std::size_t lineLength) {
  std::string text;
  text.reserve(bytes + 100);
  const std::string words[] = {"pafarifas", "hefallofa", "wofarld",  "xyfaz", "bcd",
                               " ",         "Q",         "\xc3\xa9", "yfa",   "tofast"};
  std::size_t lineStart = 0;
  while (text.size() < bytes) {
    text += words[rng.uniform(0, 9)];
    if (text.size() - lineStart >= lineLength) {
      text += '\n';
      lineStart = text.size();
    }
  }
  return text;
}

// A judge's smallest stack, with an environment that takes most of it.
TEST(CryptAnswers, TheExampleOnASmallStack) {
  program.expectAnswerOnASmallStack("pafarifas\nhefallofa wofarld\n\nxyfaz\n",
                                    "paris\nhello world\n\nxyz\n");
}

TEST(CryptAnswers, LargestInputs) {
  Rng rng(3);
  const std::size_t size = 64 << 20;
  std::string shortLines = validText(rng, size, 80);
  program.expectAnswer(shortLines, expectedOutput(shortLines));

  std::string oneLine = validText(rng, size, size + 1);
  program.expectAnswer(oneLine, expectedOutput(oneLine));

  program.expectAnswer(shortLines + "ofa\nyet more\n", "impossible\n");

  // CR LF lines well past the first buffer of input: not a byte of them may be lost.
  std::string crLf;
  for (int i = 0; i < 20000; ++i) crLf += "pafarifas " + std::to_string(i) + "\r\n";
  program.expectAnswer(crLf, expectedOutput(crLf));
}

TEST(CryptRejects, EndlessLineRunsOutOfMemory) {
  if (testing_support::kSanitized) GTEST_SKIP() << "no address-space limit under the sanitizers";
  if (testing_support::emulated())
    GTEST_SKIP() << "an address-space limit would fall on the emulator";
  program.expectEndlessInputRefused("out of memory while reading crypt.in");
  program.expectOutOfMemory("", "bcd\n" + std::string(4 << 20, 'b') + "\n", "reading crypt.in");
}

TEST(CryptRejects, FilesThatCannotBeReadOrWritten) {
  program.expectFileProblemsRefused("pafarifas\nbcd\n");

  // The refusal is written and flushed the same way: a full disk is not a success either.
  if (!testing_support::devicesReachable()) return;
  testing_support::ScratchDir full;
  full.write("crypt.in", "a\n");
  full.symlink("crypt.out", "/dev/full");
  testing_support::RunResult r = full.run(PROGRAM_PATH, "crypt");
  EXPECT_EQ(r.exit_code, 1) << testing_support::describe(r);
  EXPECT_EQ(r.err, testing_support::platformText(
                       "crypt: cannot write crypt.out: No space left on device\n"));
}

}  // namespace
