// What the references say an input must give, for the fuzzer's checker: an answer, a
// refusal (status 1 and one line on standard error, whatever its wording), or expression's
// grammar check; and the input as the programs' contract reads it.
#pragma once

#include <algorithm>
#include <cstddef>
#include <optional>
#include <string>
#include <utility>

namespace reference {

struct Verdict {
  enum Kind { answer, refusal, grammarCheck, tooLarge };
  Kind kind;
  std::string output;  // the output file: the answer, or what is answered before a refusal
  std::string check;   // the condition the grammar check reports
};

inline Verdict answer(std::string output) {
  return {Verdict::answer, std::move(output), ""};
}
inline Verdict refusal(std::string answered = "") {
  return {Verdict::refusal, std::move(answered), ""};
}

// The white-space-delimited tokens of an input: white space is the blank and \t to \r.
class Tokens {
 public:
  explicit Tokens(const std::string& text, std::size_t from = 0) : text_(text), at_(from) {}

  std::optional<std::string> next() {
    while (at_ < text_.size() && isBlank(text_[at_])) ++at_;
    if (at_ == text_.size()) return std::nullopt;
    const std::size_t start = at_;
    while (at_ < text_.size() && !isBlank(text_[at_])) ++at_;
    return text_.substr(start, at_ - start);
  }

 private:
  static bool isBlank(char c) { return c == ' ' || (c >= '\t' && c <= '\r'); }
  const std::string& text_;
  std::size_t at_;
};

// The value of a token that is a signed 32-bit decimal integer: an optional sign, then
// digits, any number of leading zeros.
inline std::optional<int> integer(const std::optional<std::string>& token) {
  if (!token) return std::nullopt;
  std::size_t i = (*token)[0] == '-' || (*token)[0] == '+' ? 1 : 0;
  if (i == token->size()) return std::nullopt;
  long long value = 0;
  for (; i < token->size(); ++i) {
    const char c = (*token)[i];
    if (c < '0' || c > '9') return std::nullopt;
    value = std::min(value * 10 + (c - '0'), 1LL << 32);
  }
  if ((*token)[0] == '-') value = -value;
  if (value < -(1LL << 31) || value >= 1LL << 31) return std::nullopt;
  return static_cast<int>(value);
}

}  // namespace reference
