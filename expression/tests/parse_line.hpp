// A fresh parse in-process, for the tests of the parser and the walk.
#pragma once

#include <string>

#include "parser.hpp"

namespace expression_test {

// Parses `line` as the program does; the tables' earlier contents are overwritten.
inline int parseLine(const std::string& line) {
  s = line;
  n = static_cast<int>(line.size());
  sz = 0;
  ptr = 0;
  return parseExpression();
}

}  // namespace expression_test
