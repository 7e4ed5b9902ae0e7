// A deliberate copy: the same bytes in transformation/, expression/, stack/ and
// subsequence/, compared by testing/copies_test.cpp.
#include "input.hpp"

#include <cerrno>
#include <cstddef>
#include <cstdio>

#include "files.hpp"

namespace {

unsigned char buffer[1 << 16];
std::size_t at, end;
bool ended;  // the last fread stopped short: the input is over
int error;

// Drops the DOS end-of-file mark from the end of the buffer once it is the file's last byte.
void dropEndMark() {
  if (!kDosEndMark || end == 0 || buffer[end - 1] != 0x1a) return;
  const int next = ended ? EOF : std::getc(stdin);
  if (next != EOF) {
    std::ungetc(next, stdin);
    return;
  }
  if (std::ferror(stdin)) error = errno;
  --end;
  ended = true;
}

char start[kShown + 1];  // the current token's first bytes, one more than shown
std::size_t length;      // the current token's length so far

int take() {
  if (at == end) {
    if (ended) return EOF;
    at = 0;
    end = std::fread(buffer, 1, sizeof buffer, stdin);
    ended = end < sizeof buffer;  // fread stops short only at the end or on an error
    if (std::ferror(stdin)) error = errno;
    dropEndMark();
    if (end == 0) return EOF;
  }
  return buffer[at++];
}

void keep(int c) {
  if (length < sizeof start) start[length] = static_cast<char>(c);
  ++length;
}

// What a refusal says of a token that is missing; of one that is there, it says what is
// wrong with it, which the token's start follows.
constexpr const char* kMissing = " is missing: ";

// Keeps the rest of a refused token that a message shows, and not a byte more.
const char* refuse(int c) {
  for (; c != EOF && !isBlank(c) && length < sizeof start; c = take()) keep(c);
  return " is not an integer: ";
}

// The common token, an integer of at most 10 digits that ends in a blank within the
// buffer, read straight from the buffer; false leaves everything to the checks of readInt.
bool readShort(int c, int& value) {
  std::size_t i = at;
  if (end - i < 12) return false;  // a sign, 10 digits and the blank that ends them
  const bool negative = c == '-';
  if (negative || c == '+') c = buffer[i++];
  long long v = 0;
  const std::size_t first = i;
  for (; c >= '0' && c <= '9' && i - first < 10; c = buffer[i++]) v = v * 10 + (c - '0');
  if (i == first || !isBlank(c)) return false;
  if (negative) v = -v;
  if (v < -(1LL << 31) || v >= 1LL << 31) return false;
  value = static_cast<int>(v);
  at = i;
  return true;
}

// Reads the next white-space-delimited token as a signed 32-bit decimal integer; returns
// what is wrong with it, or nullptr.
const char* readToken(int& value) {
  int c = take();
  while (isBlank(c)) c = take();
  if (c == EOF) return kMissing;
  if (readShort(c, value)) return nullptr;
  length = 0;
  const bool negative = c == '-';
  if (c == '-' || c == '+') {
    keep(c);
    c = take();
  }
  long long v = 0;
  bool digits = false;
  for (; c >= '0' && c <= '9'; c = take()) {
    keep(c);
    digits = true;
    if (v <= 1LL << 31) v = v * 10 + (c - '0');  // stops growing once out of range
  }
  if (!digits || (c != EOF && !isBlank(c))) return refuse(c);
  if (negative) v = -v;
  if (v < -(1LL << 31) || v >= 1LL << 31) return " is outside the signed 32-bit range: ";
  value = static_cast<int>(v);
  return nullptr;
}

// The start of the token the last read refused, as messages show it: at most kShown
// bytes, each that is not printable ASCII as \xNN, and "..." when it goes on.
std::string refusedToken() {
  std::string text;
  for (std::size_t i = 0; i < length && i < kShown; ++i) text += shown(start[i]);
  return length > kShown ? text + "..." : text;
}

std::string named(const char* stem, int number) {
  return number == 0 ? stem : stem + (" " + std::to_string(number));
}

}  // namespace

std::size_t buffered(const unsigned char*& bytes) {
  if (at == end && take() != EOF) --at;
  bytes = buffer + at;
  return end - at;
}

void pass(std::size_t count) {
  at += count;
}

int readInt(int lo, int hi, const char* stem, int number) {
  int value = 0;
  const char* wrong = readToken(value);
  // A read error can end a token early; what was read up to it is not the input.
  if (error != 0) cannotRead();
  if (wrong == nullptr && value >= lo && value <= hi) return value;
  if (wrong == kMissing) refuseToken(stem, number, kMissing, "", EOF);
  if (wrong == nullptr) {
    reject(named(stem, number) + " is " + std::to_string(value) +
           (value < lo ? ", below " + std::to_string(lo)
                       : ", above the limit of " + std::to_string(hi)));
  }
  reject(named(stem, number) + wrong + refusedToken());
}

void refuseToken(const char* stem, int number, const char* wrong, const std::string& taken, int c) {
  if (taken.empty() && c == EOF) reject(named(stem, number) + kMissing + endsEarly(stem, number));
  length = 0;
  for (std::size_t i = 0; i < taken.size() && length < sizeof start; ++i) keep(taken[i]);
  refuse(c);
  reject(named(stem, number) + wrong + refusedToken());
}

std::string shown(char c) {
  const auto byte = static_cast<unsigned char>(c);
  if (byte >= ' ' && byte < 0x7f) return std::string(1, c);
  // a NUL, a control byte or one above ASCII, which could hide or recolour text
  char escape[5];
  std::snprintf(escape, sizeof escape, "\\x%02x", byte);
  return escape;
}

int firstReadError() {
  if (take() != EOF) --at;
  return error;
}

int readError() {
  return error;
}
