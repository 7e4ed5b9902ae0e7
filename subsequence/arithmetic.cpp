#include "arithmetic.hpp"

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstring>

namespace {

using u64 = std::uint64_t;

constexpr std::size_t kPlaces = 8;          // digit places taken as one block
constexpr u64 kBlockWeight = 100000000;     // 10^kPlaces
constexpr u64 kZeros = 0x3030303030303030;  // '0' in every byte

// The characters p[-8] to p[-1], one in each byte, the last in the lowest: places k to
// k + 7 of a string, counting places from its units digit, when p is k characters before
// its end. On a machine that stores the lowest byte first (x86-64, ARM64) the bytes are
// reversed, in three swaps that compilers make one instruction; the test of the byte order
// is folded away.
inline u64 eightBefore(const char* p) {
  u64 x;
  std::memcpy(&x, p - kPlaces, sizeof x);
  const std::uint16_t one = 1;
  unsigned char first;
  std::memcpy(&first, &one, 1);
  if (first == 0) return x;  // the first character is already in the highest byte
  x = (x & 0x00ff00ff00ff00ff) << 8 | (x >> 8 & 0x00ff00ff00ff00ff);
  x = (x & 0x0000ffff0000ffff) << 16 | (x >> 16 & 0x0000ffff0000ffff);
  return x << 32 | x >> 32;
}

// Places k to k + 7 of s as eightBefore gives them, where places above s's first digit
// are '0', as the leading zeros that align two strings would be.
u64 eightPlaces(const std::string& s, std::size_t k) {
  const std::size_t n = s.size();
  if (k + kPlaces <= n) return eightBefore(s.data() + (n - k));
  if (k >= n) return kZeros;
  const std::size_t present = n - k;  // 1 to 7 places of s, its first characters
  if (n >= kPlaces) {
    return eightBefore(s.data() + kPlaces) >> 8 * (kPlaces - present) | kZeros << 8 * present;
  }
  char bytes[kPlaces];
  std::memset(bytes, '0', kPlaces);
  std::memcpy(bytes + kPlaces - present, s.data(), present);
  return eightBefore(bytes + kPlaces);
}

// The digits of eight places, one in each byte with the lowest place in the lowest byte,
// as two numbers of four places each in the halves of the result: pairs of places first.
inline u64 fourPlaceHalves(u64 digits) {
  constexpr u64 evenBytes = 0x00ff00ff00ff00ff, evenPairs = 0x0000ffff0000ffff;
  const u64 pairs = (digits & evenBytes) + 10 * (digits >> 8 & evenBytes);
  return (pairs & evenPairs) + 100 * (pairs >> 16 & evenPairs);
}

// For every number of four places, what walking up to it from 0 takes: its steps (the sum
// of its digits) and the sum of the numbers visited. Place j, stepped d times on top of the
// places below it (worth `low`), adds d * low + 10^j * (1 + 2 + ... + d).
constexpr std::array<std::uint8_t, 10000> quadSteps = [] {
  std::array<std::uint8_t, 10000> steps{};
  for (unsigned i = 0; i < 10000; ++i) {
    steps[i] = static_cast<std::uint8_t>(i % 10 + i / 10 % 10 + i / 100 % 10 + i / 1000);
  }
  return steps;
}();
constexpr std::array<std::uint16_t, 10000> quadSum = [] {
  std::array<std::uint16_t, 10000> sum{};
  for (unsigned i = 0; i < 10000; ++i) {
    unsigned total = 0, low = 0;
    for (unsigned weight = 1; weight < 10000; weight *= 10) {
      const unsigned d = i / weight % 10;
      total += d * low + weight * (d * (d + 1) / 2);
      low += d * weight;
    }
    sum[i] = static_cast<std::uint16_t>(total);  // at most 59958, for 9999
  }
  return sum;
}();

}  // namespace

int residue(const std::string& s) {
  // Eight places at a time from the top: one reduction per eight digits.
  u64 r = 0;
  for (std::size_t k = (s.size() + kPlaces - 1) / kPlaces * kPlaces; k > 0;) {
    k -= kPlaces;
    const u64 halves = fourPlaceHalves(eightPlaces(s, k) - kZeros);
    r = (r * kBlockWeight + (halves & 0xffffffff) + 10000 * (halves >> 32)) % P;
  }
  return static_cast<int>(r);
}

void addZeroes(std::string& s, std::size_t count) {
  if (count == 0) return;
  std::string padded(s.size() + count, '0');
  std::copy(s.begin(), s.end(), padded.begin() + static_cast<std::ptrdiff_t>(count));
  s = std::move(padded);
}

int addDifference(const std::string& a, const std::string& b) {
  int V = residue(a);
  return addDifference(a, b, V);
}

// The walk steps place k exactly d_k times, d_k being digit k of b - a: the digit that a
// carry from below leaves at place k must be stepped up to b's, and a carry out of place k
// happens exactly when the subtraction borrows there. So the walk is known from the digits
// of b - a alone, without moving a digit: d steps of weight w from V add d*V + w*d(d+1)/2
// to the sum and d*w to V. Eight places are subtracted at once in the bytes of a 64-bit
// word, and walked exactly, four places by table, before one reduction.
int addDifference(const std::string& a, const std::string& b, int& V) {
  const std::size_t L = std::max(a.size(), b.size());
  u64 R = 0;
  u64 v = static_cast<u64>(V);
  u64 w = 1;  // 10^k modulo P for the block's lowest place k
  u64 borrow = 0;
  // Walks places k to k + 7, given as eightBefore gives them; `keep` masks off the places
  // at or above L, which the borrow would step when a is greater than b.
  const auto walkBlock = [&](u64 bPlaces, u64 aPlaces, u64 keep) {
    // The characters' '0' cancels out; a byte that borrowed holds 246 to 255 (its top bit
    // set, which no digit has) and gets 10 added modulo 256. The top byte's borrow is the
    // block's.
    u64 d = bPlaces - aPlaces - borrow;
    borrow = d >> 63;
    d = (d - (d >> 7 & 0x0101010101010101) * 0xf6) & keep;
    if (d != 0) {
      const u64 halves = fourPlaceHalves(d);
      const u64 low = halves & 0xffffffff, high = halves >> 32;
      const u64 steps = quadSteps[low] + quadSteps[high];
      // The upper half's steps each pass the lower half's whole value.
      const u64 sum = quadSum[low] + quadSteps[high] * low + 10000 * quadSum[high];  // < 6*10^8
      R = (R + v * steps + w * sum) % P;
      v = (v + w * (low + 10000 * high)) % P;
    }
    w = w * kBlockWeight % P;
  };
  const char* aEnd = a.data() + a.size();
  const char* bEnd = b.data() + b.size();
  std::size_t k = 0;
  for (; k + kPlaces <= std::min(a.size(), b.size()); k += kPlaces) {
    walkBlock(eightBefore(bEnd - k), eightBefore(aEnd - k), ~u64{0});
  }
  for (; k < L; k += kPlaces) {
    const u64 keep = L - k < kPlaces ? (u64{1} << 8 * (L - k)) - 1 : ~u64{0};
    walkBlock(eightPlaces(b, k), eightPlaces(a, k), keep);
  }
  V = static_cast<int>(v);
  return static_cast<int>(R);
}
