// The programs share no code, so a few files stand in several of them as deliberate copies.
// One that drifts (a fix carried to one program, forgotten in another) fails here, as does a
// missing copy, or a file whose first line says it is a copy that is not listed below.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <string>
#include <utility>
#include <vector>

namespace {

using Names = std::vector<std::string>;
const std::filesystem::path kTop = SOURCE_DIR;

const std::string kMarker = "// A deliberate copy:";  // the first line of every copy
// The copies, and the programs that have them; none named means every program.
const std::vector<std::pair<Names, Names>> kCopies = {
    {{"files.hpp"}, {}},
    {{"input.hpp", "input.cpp"}, {"transformation", "expression", "stack", "subsequence"}},
    {{"large_pages.hpp", "large_pages.cpp"}, {"expression", "crypt"}}};

const Names kPrograms = {PROGRAMS};  // the build's program list, as CMakeLists.txt gives it

Names holders(const Names& named) {
  return named.empty() ? kPrograms : named;
}
std::string bytes(const std::filesystem::path& file) {
  std::ifstream in(file, std::ios::binary);
  EXPECT_TRUE(in) << file << " cannot be read";
  return std::string(std::istreambuf_iterator<char>(in), {});
}

TEST(Copies, EachIsTheSameBytesInEveryProgramThatHasIt) {
  for (const auto& [files, named] : kCopies) {
    const Names programs = holders(named);
    for (const std::string& file : files) {
      const std::string first = bytes(kTop / programs[0] / file);
      const std::string opening = first.substr(0, first.find("\n#"));  // its opening comment
      EXPECT_TRUE(first.rfind(kMarker, 0) == 0 &&
                  opening.find("testing/copies_test.cpp") != std::string::npos)
          << programs[0] << "/" << file << " does not open as a copy";
      for (const std::string& program : programs) {
        EXPECT_NE(opening.find(program + "/"), std::string::npos) << file << ": " << program;
        EXPECT_TRUE(bytes(kTop / program / file) == first)
            << program << "/" << file << " has drifted from " << programs[0] << "/" << file;
      }
    }
  }
}

TEST(Copies, EveryFileThatSaysItIsACopyIsListed) {
  for (const std::string& program : kPrograms) {
    for (const auto& entry : std::filesystem::directory_iterator(kTop / program)) {
      if (!entry.is_regular_file() || bytes(entry.path()).rfind(kMarker, 0) != 0) continue;
      const std::string name = entry.path().filename().string();
      const auto listed = std::find_if(kCopies.begin(), kCopies.end(), [&](const auto& copy) {
        const Names programs = holders(copy.second);
        return std::count(copy.first.begin(), copy.first.end(), name) > 0 &&
               std::count(programs.begin(), programs.end(), program) > 0;
      });
      EXPECT_NE(listed, kCopies.end()) << entry.path() << " says it is a copy but is not listed";
    }
  }
}

}  // namespace
