// The programs share no code, so the input reader and the failure block stand in several
// of them as copies. A copy that drifts (a fix carried to one program and forgotten in
// another, a message worded anew) fails here: every function that two programs' copies
// both define must read the same, the program's own name set aside.
#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <map>
#include <regex>
#include <sstream>
#include <string>
#include <vector>

namespace {

const std::vector<std::string> kPrograms = {"transformation", "expression", "stack", "crypt",
                                            "subsequence"};
// The programs that read white-space-delimited tokens; crypt reads whole lines, with a
// reader of its own.
const std::vector<std::string> kTokenReaders = {"transformation", "expression", "stack",
                                                "subsequence"};

// The top-level function definitions of a file, by name and signature (the line that
// opens the body at the margin; overloads of one name are told apart by it), each up to
// the brace that closes it at the margin. The program's name is replaced.
std::map<std::pair<std::string, std::string>, std::string> definitions(const std::string& program,
                                                                       const std::string& file) {
  std::ifstream in(std::string(SOURCE_DIR) + "/" + program + "/" + file);
  EXPECT_TRUE(in) << program << "/" << file << " cannot be read";
  const std::regex opening(R"(^(\[\[\w+\]\] )?[A-Za-z_][^;=]*?([A-Za-z_]\w*)\(.*\{$)");
  std::map<std::pair<std::string, std::string>, std::string> found;
  std::string name, signature, body;
  for (std::string line; std::getline(in, line);) {
    for (std::size_t at; (at = line.find(program)) != std::string::npos;) {
      line.replace(at, program.size(), "PROGRAM");
    }
    std::smatch match;
    if (name.empty() && std::regex_match(line, match, opening)) {
      name = match[2];
      signature = line;
    }
    if (name.empty()) continue;
    body += line + "\n";
    if (line == "}") {
      found[{name, signature}] = body;
      name.clear();
      body.clear();
    }
  }
  return found;
}

// Every function that two of the programs' copies define with one signature, compared
// with the first copy; with `only`, just the functions of those names.
void expectSameCopies(const std::vector<std::string>& programs, const std::string& file,
                      const std::vector<std::string>& only = {}) {
  std::map<std::string, std::pair<std::string, std::string>> first;  // signature: program, body
  int compared = 0;
  for (const std::string& program : programs) {
    for (const auto& [key, body] : definitions(program, file)) {
      const auto& [name, signature] = key;
      if (!only.empty() && std::find(only.begin(), only.end(), name) == only.end()) continue;
      const auto [seen, isNew] = first.emplace(signature, std::make_pair(program, body));
      if (isNew) continue;
      ++compared;
      EXPECT_EQ(body, seen->second.second)
          << signature << " in " << program << "/" << file << " has drifted from its copy in "
          << seen->second.first << "/" << file;
    }
  }
  EXPECT_GT(compared, 0) << "no copies of " << file << " found to compare";
}

TEST(Copies, TheInputReadersReadAlike) {
  expectSameCopies(kTokenReaders, "input.cpp");
}

TEST(Copies, TheFailureBlocksSayAlike) {
  expectSameCopies(kPrograms, "main.cpp", {"fail", "reject", "outOfMemory", "cannotRead"});
}

}  // namespace
