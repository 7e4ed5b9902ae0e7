// A seeded random generator whose sequence is fixed by this file alone (splitmix64 with
// its own range mapping), so random cases are the same on every standard library.
// While it lives, every failing assertion also prints the seed, so a case can be rerun.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <string>

namespace testing_support {

class Rng {
 public:
  explicit Rng(std::uint64_t seed)
      : state_(seed), trace_(__FILE__, __LINE__, "random case seed " + std::to_string(seed)) {}

  std::uint64_t next() {
    std::uint64_t z = (state_ += 0x9E3779B97F4A7C15ULL);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
    return z ^ (z >> 31);
  }

  // A value from lo to hi, both included.
  std::int64_t uniform(std::int64_t lo, std::int64_t hi) {
    std::uint64_t span = static_cast<std::uint64_t>(hi) - static_cast<std::uint64_t>(lo) + 1;
    if (span == 0) return static_cast<std::int64_t>(next());  // the whole 64-bit range
    auto offset = static_cast<std::uint64_t>((static_cast<unsigned __int128>(next()) * span) >> 64);
    return static_cast<std::int64_t>(static_cast<std::uint64_t>(lo) + offset);
  }

  // True with probability percent / 100.
  bool chance(int percent) { return uniform(0, 99) < percent; }

 private:
  std::uint64_t state_;
  ::testing::ScopedTrace trace_;
};

}  // namespace testing_support
