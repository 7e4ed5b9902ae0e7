#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "crypt_reference.hpp"
#include "program.hpp"
#include "rng.hpp"
#include "support.hpp"

namespace {

using testing_support::Rng;

const testing_support::Program program(PROGRAM_PATH, "crypt");

// The expected crypt.out for a whole file: on Windows a CR LF ends a line too.
std::string expectedOutput(const std::string& file) {
  return crypt_reference::expectedOutput(file, testing_support::windowsTarget());
}

TEST(CryptAnswers, WholeFilesByteForByte) {
  program.expectAnswers({
      {"pafarifas\n", "paris\n"},
      {"pafarifas\n\nbcd\n", "paris\n\nbcd\n"},
      {"pafarifas\na\nbcd\n", "impossible\n"},
      {"", ""},
      {"\n", "\n"},
      {"\n\n", "\n\n"},
      {"xyfaz", "xyz\n"},  // a last line without a line feed
      // A CR before the line feed is an ordinary byte on Linux; on Windows CR LF ends the line.
      {"hefallofa\r\n", testing_support::windowsTarget() ? "hello\n" : "hello\r\n"},
      {"b\032cd\nbafa\n", "b\032cd\nba\n"},  // a 0x1A ends no file
  });
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
  program.expectAnswers({
      {"afafa\n", "impossible\n"},
      {"bcd\nqwfafa", "bcd\nqwfa\n"},
  });
}

TEST(CryptAnswers, MatchesTheTestDecodersOnRandomFiles) {
  testing_support::forRandomRows(30000, [&](Rng& rng) {
    std::string file;
    for (int lines = static_cast<int>(rng.uniform(0, 6)); lines > 0; --lines) {
      file += crypt_test::randomLine(rng) + "\n";
    }
    if (!file.empty() && rng.chance(30)) file.pop_back();  // no final line feed
    program.expectAnswer(file, expectedOutput(file));
  });
}

// A valid text of about `bytes` in lines of about `lineLength`, and its decoding, which is
// known word by word. A random block of 1 MiB at most, whole lines, is repeated: the
// program's buffers and lines see no difference, and a test of 64 MiB is not spent making
// 16 million words.
std::pair<std::string, std::string> validText(Rng& rng, std::size_t bytes, std::size_t lineLength) {
  static const std::pair<std::string_view, std::string_view> words[] = {{"pafarifas", "paris"},
                                                                        {"hefallofa", "hello"},
                                                                        {"wofarld", "world"},
                                                                        {"xyfaz", "xyz"},
                                                                        {"bcd", "bcd"},
                                                                        {" ", " "},
                                                                        {"Q", "Q"},
                                                                        {"\xc3\xa9", "\xc3\xa9"},
                                                                        {"yfa", "y"},
                                                                        {"tofast", "tost"}};
  std::string block, decodedBlock;
  const std::size_t blockBytes = std::min(bytes, std::size_t{1} << 20);
  for (std::size_t lineStart = 0;
       block.size() < blockBytes || (lineLength < bytes && block.back() != '\n');) {
    const auto& [coded, plain] = words[rng.uniform(0, 9)];
    block += coded;
    decodedBlock += plain;
    if (block.size() - lineStart >= lineLength) {
      block += '\n';
      decodedBlock += '\n';
      lineStart = block.size();
    }
  }
  std::string text, decoded;
  text.reserve(bytes + block.size());
  decoded.reserve(bytes + block.size());
  while (text.size() < bytes) {
    text += block;
    decoded += decodedBlock;
  }
  if (text.back() != '\n') decoded += '\n';  // the last line gets its line feed
  return {text, decoded};
}

// A judge's smallest stack, with an environment that takes most of it.
TEST(CryptAnswers, TheExampleOnASmallStack) {
  program.expectAnswerOnASmallStack("pafarifas\nhefallofa wofarld\n\nxyfaz\n",
                                    "paris\nhello world\n\nxyz\n");
}

TEST(CryptAnswers, LargestInputs) {
  Rng rng(3);
  const std::size_t size = 64 << 20;
  const auto [shortLines, shortDecoded] = validText(rng, size, 80);
  program.expectAnswer(shortLines, shortDecoded);

  const auto [oneLine, oneDecoded] = validText(rng, size, size + 1);
  program.expectAnswer(oneLine, oneDecoded);

  // A line not valid after many MiB of valid ones: none of them is answered.
  program.expectAnswer(shortLines.substr(0, 8 << 20) + "\nofa\nyet more\n", "impossible\n");

  // CR LF lines well past the first buffer of input: not a byte of them may be lost.
  std::string crLf;
  for (int i = 0; i < 20000; ++i) crLf += "pafarifas " + std::to_string(i) + "\r\n";
  program.expectAnswer(crLf, expectedOutput(crLf));
}

// From a pipe, whose size is not known before its end, the input takes little more room
// than itself: exactly 64 MiB, whole lines and a last line of ordinary letters, answered in
// 100 MiB of address space. An emulator cannot be given a pipe: a test of its own, so that
// the largest inputs above pass there rather than count as skipped.
TEST(CryptAnswers, APipeOf64MiBInLittleMoreThanItsSize) {
  Rng rng(4);
  const std::size_t size = 64 << 20;
  auto [text, decoded] = validText(rng, size, 80);
  // Its whole lines up to 64 MiB, and as many of their decoded lines.
  text.resize(text.rfind('\n', size - 2) + 1);
  std::size_t lines = static_cast<std::size_t>(std::count(text.begin(), text.end(), '\n'));
  std::size_t end = 0;
  while (lines-- > 0) end = decoded.find('\n', end) + 1;
  decoded.resize(end);
  decoded.append(size - text.size(), 'b');
  decoded += '\n';
  text.append(size - text.size(), 'b');
  testing_support::RunOptions limits;
  if (!testing_support::kSanitized) limits.address_space_bytes = 100 << 20;
  program.expectAnswerFromPipe(text, decoded, limits);
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
