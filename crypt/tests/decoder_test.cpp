#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "crypt_reference.hpp"
#include "decode.hpp"
#include "rng.hpp"
#include "support.hpp"

namespace {

TEST(Decoder, DecodesValidLinesAndLeavesOthersAlone) {
  for (char c : std::string("aeiouy")) key_letter[c] = true;
  const std::vector<std::pair<std::string, std::string>> valid = {
      {"pafarifas", "paris"},
      {"hefallofa wofarld", "hello world"},
      {"xyfaz", "xyz"},
      {"afaefaifaofaufayfa", "aeiouy"},
      {"qwfafa", "qwfa"},
      {"afafafa", "afa"},
      {"A", "A"},
      {"AEIOUY", "AEIOUY"},
      {"1+2=3", "1+2=3"},
      {"", ""},
      {std::string("\0\x80\xff\r", 4), std::string("\0\x80\xff\r", 4)}};
  for (const auto& [line, decoded] : valid) {
    std::string buffer = line;
    EXPECT_FALSE(impossible(buffer)) << line;
    EXPECT_EQ(buffer, decoded);
  }
  for (std::string line : {"a", "af", "abfa", "Afa", "fa", "afafa", "yFA", "ufA", "ok"}) {
    const std::string before = line;
    EXPECT_TRUE(impossible(line)) << line;
    EXPECT_EQ(line, before);
  }
}

TEST(Decoder, MatchesTheTestDecodersOnRandomLines) {
  for (char c : std::string("aeiouy")) key_letter[c] = true;
  for (int c = 0; c < 20000; ++c) {
    testing_support::Rng rng(40000 + c);
    const std::string line = crypt_test::randomLine(rng);
    const std::optional<std::string> expected = crypt_reference::decodeFromTheEnd(line);
    // The two decoders of the tests, written apart, vouch for each other.
    ASSERT_EQ(expected, crypt_reference::decodeByEncodingBack(line)) << line;
    std::string decoded = line;
    ASSERT_EQ(impossible(decoded), !expected.has_value()) << line;
    ASSERT_EQ(decoded, expected.value_or(line)) << line;
  }
}

}  // namespace
