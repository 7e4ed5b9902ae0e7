// What the subsequence tests share: random digit strings and chains of numbers.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "rng.hpp"

namespace subsequence_test {

inline std::uint64_t powerOfTen(long long k) {
  std::uint64_t p = 1;
  while (k-- > 0) p *= 10;
  return p;
}

inline std::string randomDigits(testing_support::Rng& rng, std::size_t length) {
  std::string s(length, '0');
  for (char& c : s) c = static_cast<char>('0' + rng.uniform(0, 9));
  return s;
}

// Non-decreasing numbers of up to 18 digits: equal neighbours, small and large steps,
// runs of 9s that carry, leading zeros, values past 1000000007.
inline std::vector<std::uint64_t> randomChain(testing_support::Rng& rng) {
  std::vector<std::uint64_t> numbers{static_cast<std::uint64_t>(rng.uniform(0, 999999))};
  numbers[0] *= powerOfTen(rng.uniform(0, 12));
  for (int count = static_cast<int>(rng.uniform(0, 5)); count > 0; --count) {
    std::uint64_t x = numbers.back(), next = x;
    switch (rng.uniform(0, 4)) {
      case 0:
        break;
      case 1:
        next = x + static_cast<std::uint64_t>(rng.uniform(1, 30));
        break;
      case 2:
        next = x + static_cast<std::uint64_t>(rng.uniform(1, 999)) * powerOfTen(rng.uniform(0, 12));
        break;
      case 3: {  // up to the next number that ends in a run of 9s, then one past it
        std::uint64_t p = powerOfTen(rng.uniform(1, 10));
        next = x / p * p + p - 1 + static_cast<std::uint64_t>(rng.uniform(0, 1));
        break;
      }
      default:
        next = x + 1000000007ULL * static_cast<std::uint64_t>(rng.uniform(1, 3));
    }
    numbers.push_back(next > 999999999999999999ULL ? x : next);
  }
  return numbers;
}

}  // namespace subsequence_test
