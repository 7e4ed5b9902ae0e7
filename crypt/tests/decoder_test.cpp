#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "decode.hpp"

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

}  // namespace
