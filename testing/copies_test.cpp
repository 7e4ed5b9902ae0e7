// The programs share no code, so the input reader and the failure block stand in several
// of them as copies. A copy that drifts (a fix carried to one program and forgotten in
// another, a buffer resized, a message worded anew) fails here: everything that two
// programs' copies both define at namespace scope, functions and data alike, must read the
// same, the program's own name set aside.
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <fstream>
#include <map>
#include <string>
#include <vector>

namespace {

const std::vector<std::string> kPrograms = {"transformation", "expression", "stack", "crypt",
                                            "subsequence"};
// The programs that read white-space-delimited tokens; crypt reads whole lines, with a
// reader of its own.
const std::vector<std::string> kTokenReaders = {"transformation", "expression", "stack",
                                                "subsequence"};

// A line without its comment and the blanks before it; string and character literals are
// kept whole.
std::string code(const std::string& line) {
  char quote = 0;
  for (std::size_t i = 0; i < line.size(); ++i) {
    if (quote != 0) {
      if (line[i] == '\\')
        ++i;
      else if (line[i] == quote)
        quote = 0;
    } else if (line[i] == '"' || line[i] == '\'') {
      quote = line[i];
    } else if (line.compare(i, 2, "//") == 0) {
      const std::size_t last = i == 0 ? std::string::npos : line.find_last_not_of(' ', i - 1);
      return last == std::string::npos ? "" : line.substr(0, last + 1);
    }
  }
  return line;
}

bool isWordChar(char c) {
  return std::isalnum(static_cast<unsigned char>(c)) != 0 || c == '_';
}

// The name that ends at `end` in `text`: the word before it, without leading digits.
std::string nameEndingAt(const std::string& text, std::size_t end) {
  std::size_t start = end;
  while (start > 0 && isWordChar(text[start - 1])) --start;
  while (start < end && std::isdigit(static_cast<unsigned char>(text[start])) != 0) ++start;
  return text.substr(start, end - start);
}

std::size_t skipBlanks(const std::string& text, std::size_t at) {
  while (at < text.size() && std::isspace(static_cast<unsigned char>(text[at])) != 0) ++at;
  return at;
}

// What names a definition: a function by its name and how many parameters it takes
// (whatever they are called), anything else by the name it declares.
std::string keyOf(const std::string& first) {
  // A function: the first name followed by '(', before any '=', and its parameters up to
  // the last ')'.
  const std::string head = first.substr(0, first.find('='));
  const std::size_t close = head.rfind(')');
  for (std::size_t open = head.find('('); close != std::string::npos && open < close;
       open = head.find('(', open + 1)) {
    const std::string name = nameEndingAt(head, open);
    if (name.empty()) continue;
    int depth = 0, parameters = open + 1 == close ? 0 : 1;
    for (std::size_t i = open + 1; i < close; ++i) {
      const char c = head[i];
      depth += c == '<' || c == '(' ? 1 : c == '>' || c == ')' ? -1 : 0;
      parameters += c == ',' && depth == 0;
    }
    return name + "/" + std::to_string(parameters);
  }
  // Data: the first name followed by an optional [size], then '=', '{' or a final ';'.
  for (std::size_t end = 1; end <= first.size(); ++end) {
    if (!isWordChar(first[end - 1]) || (end < first.size() && isWordChar(first[end]))) continue;
    const std::string name = nameEndingAt(first, end);
    if (name.empty()) continue;
    std::size_t at = skipBlanks(first, end);
    if (at < first.size() && first[at] == '[') {
      const std::size_t bracket = first.find(']', at);
      if (bracket == std::string::npos) continue;
      at = skipBlanks(first, bracket + 1);
    }
    if (at < first.size() &&
        (first[at] == '=' || first[at] == '{' || (first[at] == ';' && at + 1 == first.size()))) {
      return name;
    }
  }
  return first;
}

// The definitions and declarations a file makes at namespace scope, each from its first
// line to the one that ends it (a ';' or a '}' back at the margin), as code: comments,
// whose alignment follows their neighbours, are left out. The program's name is replaced.
// A name met again (in the other branch of an #ifdef) is told apart by a count.
std::map<std::string, std::string> definitions(const std::string& program,
                                               const std::string& file) {
  std::ifstream in(std::string(SOURCE_DIR) + "/" + program + "/" + file);
  EXPECT_TRUE(in) << program << "/" << file << " cannot be read";
  std::map<std::string, std::string> found;
  std::string key, text;
  int depth = 0;
  for (std::string line; std::getline(in, line);) {
    for (std::size_t at; (at = line.find(program)) != std::string::npos;) {
      line.replace(at, program.size(), "PROGRAM");
    }
    const std::string bare = code(line);
    if (key.empty()) {
      const bool outside = bare.empty() || bare[0] == ' ' || bare[0] == '#' ||
                           bare.rfind("namespace", 0) == 0 || bare[0] == '}';
      if (outside) continue;
      key = keyOf(bare);
      key += "#" + std::to_string(std::count_if(found.begin(), found.end(), [&](const auto& kept) {
               return kept.first.rfind(key + "#", 0) == 0;
             }));
    }
    text += bare + "\n";
    depth += static_cast<int>(std::count(bare.begin(), bare.end(), '{')) -
             static_cast<int>(std::count(bare.begin(), bare.end(), '}'));
    if (depth == 0 && !bare.empty() && (bare.back() == ';' || bare.back() == '}')) {
      found[key] = text;
      key.clear();
      text.clear();
    }
  }
  return found;
}

// Every definition that two of the programs' copies of `file` make under one key,
// compared with the first copy; with `only`, just those of these names. Without `only`, a
// definition must stand in one copy alone (what only that program has) or in all of them:
// in some but not the others, one copy has drifted from the rest. Returns how many were
// compared.
int expectSameCopies(const std::vector<std::string>& programs, const std::string& file,
                     const std::vector<std::string>& only = {}) {
  std::map<std::string, std::pair<std::string, std::string>> first;  // key: program, text
  std::map<std::string, std::size_t> copies;
  int compared = 0;
  for (const std::string& program : programs) {
    for (const auto& [key, text] : definitions(program, file)) {
      const std::string name = key.substr(0, key.find_first_of("/#"));
      if (!only.empty() && std::find(only.begin(), only.end(), name) == only.end()) continue;
      ++copies[key];
      const auto [seen, isNew] = first.emplace(key, std::make_pair(program, text));
      if (isNew) continue;
      ++compared;
      EXPECT_EQ(text, seen->second.second)
          << name << " in " << program << "/" << file << " has drifted from its copy in "
          << seen->second.first << "/" << file;
    }
  }
  for (const auto& [key, count] : copies) {
    if (only.empty()) {
      EXPECT_TRUE(count == 1 || count == programs.size())
          << key << " stands in " << count << " of the " << programs.size() << " copies of " << file
          << " (first in " << first[key].first << ")";
    }
  }
  EXPECT_GT(compared, 0) << "no copies of " << file << " found to compare";
  return compared;
}

TEST(Copies, TheInputReadersReadAlike) {
  // The buffer, the shown length of a token, the token reader and the refusals.
  expectSameCopies(kTokenReaders, "input.cpp");
  expectSameCopies(kTokenReaders, "input.hpp");
}

TEST(Copies, TheLargePagesAreAskedForAlike) {
  for (const char* file : {"large_pages.hpp", "large_pages.cpp"}) {
    expectSameCopies({"expression", "crypt"}, file);
  }
}

TEST(Copies, TheFailureBlocksAndFileBindingsSayAlike) {
  EXPECT_EQ(expectSameCopies(kPrograms, "main.cpp",
                             {"answering", "fail", "reject", "doing", "outOfMemory", "cannotRead",
                              "bindFiles", "finishOutput"}),
            4 * 7 + 3);  // expression writes its answers its own way: no finishOutput
}

}  // namespace
