// expression: for each queried operator of one expression, the value modulo 1000000007 of
// the expression with that operator switched ('+' to '*', '*' to '+').
#include <algorithm>
#include <climits>
#include <cstdio>
#include <string>

#include "files.hpp"
#include "input.hpp"
#include "input_line.hpp"
#include "large_pages.hpp"
#include "output.hpp"
#include "parser.hpp"
#include "search.hpp"

int k;  // the number of queries

std::string endsEarly(const char*, int number) {
  return "input ends after " + std::to_string(number - 1) + " of " + std::to_string(k) + " queries";
}

namespace {

constexpr std::size_t kMaxLine = kCapacity - 2;  // a line of n characters makes at most n + 2 nodes

// The first line. The read is bounded, so a line too long for the node store is never
// held whole.
std::string readExpressionLine() {
  std::string line;
  if (!readLine(line, kMaxLine)) {
    reject("the expression line is longer than " + std::to_string(kMaxLine) + " characters");
  }
  return line;
}

// A line whose nodes fill at least a large page has the tables it fills made of large pages,
// before they are first touched.
void prepareTables(std::size_t length) {
  if ((length + 2) * sizeof(Node) < kLargePage) return;
  preferLargePages(t, sizeof t);
  preferLargePages(operands, sizeof operands);
  preferLargePages(operatorBefore, sizeof operatorBefore);
  preferLargePages(ifChanged, sizeof ifChanged);
  preferLargePages(pending, sizeof pending);
}

// Why the 1-based position p names no operator the parser consumed.
std::string notAnOperator(int p, int parsedTo) {
  if (p < 1 || p > n) return "which is outside the line of " + std::to_string(n) + " characters";
  if (p - 1 == parsedTo) return "which holds the unmatched ')' where the expression ends";
  if (p - 1 > parsedTo) {
    return "which is after the unmatched ')' at position " + std::to_string(parsedTo + 1) +
           " where the expression ends";
  }
  return "which holds '" + shown(s[p - 1]) + "', not an operator";
}

void answerQueries(int parsedTo) {
  // No query count, or a negative one, asks nothing.
  if (!atEnd()) k = std::max(readInt(INT_MIN, kCapacity, "the query count"), 0);
  for (int i = 0; i < k; ++i) {
    const int p = readInt(INT_MIN, INT_MAX, "query", i + 1);
    // One look-up: every position of the line that holds no operator the parser consumed
    // holds -1.
    const int answer = p >= 1 && p <= n ? ifChanged[p - 1] : -1;
    if (answer < 0) {
      reject("query " + std::to_string(i + 1) + " names position " + std::to_string(p) + ", " +
             notAnOperator(p, parsedTo));
    }
    if (int reason = writeAnswer(answer)) cannotWrite(reason);
  }
}

}  // namespace

int main() {
  // A failed run leaves the answers already given in expression.out, so that it holds
  // exactly the complete answer lines; a write that fails then is not reported, since the
  // problem found first is.
  keepAnswered = [] { flushAnswers(); };
#ifndef _WIN32  // where a line-buffered stream is one, and the smallest stacks are
  // A line the grammar refuses gets the C library's assertion report on standard error,
  // which, unbuffered, formats through 8 KiB in the frame: more than a judge's smallest
  // stack leaves beside a large environment. Line-buffered, it formats into this buffer,
  // and the report's line feed writes it.
  static char reportLine[1024];
  std::setvbuf(stderr, reportLine, _IOLBF, sizeof reportLine);
#endif
  bindFiles();
  startAnswers();

  doing = "reading the expression line";
  s = readExpressionLine();
  if (readError() != 0) cannotRead();
  n = static_cast<int>(s.size());
  prepareTables(s.size());

  doing = "parsing the expression line";
  sz = 0;
  ptr = 0;
  const int root = parseExpression();
  doing = "computing the answers";
  answerEveryOperator(root);
  doing = "answering the queries";
  answerQueries(ptr);
  if (int reason = flushAnswers()) cannotWrite(reason);
  return 0;
}
