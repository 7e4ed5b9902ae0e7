#include "stack_need.hpp"

#include <algorithm>
#include <cerrno>
#include <cstdint>

#include "big_stack.hpp"
#include "parser.hpp"
#include "search.hpp"

// AddressSanitizer may keep frames apart from the stack (ASAN_OPTIONS=
// detect_stack_use_after_return=1) while its room for them lasts; deeper, they are on the
// stack in full. Every instrumented function reads this flag, which the probe clears so
// that it measures frames in full.
#if defined(__SANITIZE_ADDRESS__)
#define EXPRESSION_FAKE_FRAMES 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define EXPRESSION_FAKE_FRAMES 1
#endif
#endif
#ifdef EXPRESSION_FAKE_FRAMES
extern "C" int __asan_option_detect_stack_use_after_return;
#endif

namespace {

// The probe's lines: one nesting level opened again and again, then "1", then each level
// closed. Between them they reach each recursive call from each of its call sites (a factor
// first in its product or after a '*', a product first in its sum or after a '+'), and the
// walk through nodes of one operand (a chain of parentheses) and of several, whose frames
// the compiler may lay out differently, with the nested operand last or first (a compiler
// may turn a visit of the last operand into a jump).
struct Shape {
  const char* open;
  const char* close;
  int lone;   // nodes of one operand a level makes
  int split;  // nodes of several operands
};
constexpr Shape kShapes[] = {{"(", ")", 2, 0},     {"1+(", ")", 1, 1}, {"1*(", ")", 1, 1},
                             {"1+1*(", ")", 0, 2}, {"(", "+1)", 1, 1}, {"(", "*1)", 1, 1}};

// What a level costs is the difference in use between two depths over the difference in
// levels; 12 levels apart also average out a recursion that the compiler unrolled by 2, 3,
// 4 or 6 levels into one frame.
constexpr int kShallow = 2;
constexpr int kDeep = 14;

// What runs below the deepest level that the probe does not reach (the assertion report,
// an out-of-memory message) and above the first (main, a thread's start).
constexpr std::size_t kMargin = std::size_t{256} << 10;

constexpr std::uint64_t kPaint = 0xa5c3a5c35a3c5a3c;

std::size_t region = std::size_t{16} << 10;  // the bytes painted below the probe

std::size_t parseLevel;  // a nesting level in the parser: three nested calls
std::size_t walkLone;    // a node of one operand in the walk
std::size_t walkSplit;   // a node of several operands
std::size_t bottom;      // the most a first run at the shallow depth took, above and below

// Paints the `bytes` below the caller's frame, or reads back how far down from their top
// something wrote over the paint since then. Both are this one function, called from the
// same frame, so that they see the very same bytes. `bytes` means that the lowest word
// was written, and maybe more below it.
[[gnu::noinline]] std::size_t painted(std::size_t bytes, bool paint) {
  // volatile: the writes are to memory that is given back at once, the reads of memory
  // that nothing here wrote. The address passes through a volatile too, so that the
  // compiler does not take the reads for reads of memory it knows to be unwritten.
  volatile std::uint64_t* volatile base =
      static_cast<volatile std::uint64_t*>(__builtin_alloca(bytes));
  volatile std::uint64_t* words = base;
  const std::size_t count = bytes / sizeof *words;
  if (paint) {
    for (std::size_t i = 0; i < count; ++i) words[i] = kPaint;
    return 0;
  }
  std::size_t i = 0;
  while (i < count && words[i] == kPaint) ++i;
  return (count - i) * sizeof *words;
}

// The probe's line, made anew in s: `levels` nesting levels of `shape`.
void makeLine(const Shape& shape, int levels) {
  s.clear();
  for (int i = 0; i < levels; ++i) s += shape.open;
  s += '1';
  for (int i = 0; i < levels; ++i) s += shape.close;
  n = static_cast<int>(s.size());
}

// Parses and walks the line in s with the program's own functions, from a frame of its
// own as solve() calls them; stores how far down the region each went. False when either
// reached the region's end. What they leave in the tables, the line's own parse overwrites.
[[gnu::noinline]] bool parseAndWalk(std::size_t& parsing, std::size_t& walking) {
  sz = 0;
  ptr = 0;
  painted(region, true);
  const int root = parseExpression();
  parsing = painted(region, false);
  painted(region, true);
  dfs(root, 1, 0);
  walking = painted(region, false);
  return parsing < region && walking < region;
}

// Probes one line twice. The first run binds the library calls, whose stack use at the
// bottom varies from call to call; the second finds that done, so that its use differs
// from one depth to another by the levels alone. `first` is the most the first run took.
bool probe(const Shape& shape, int levels, std::size_t& parsing, std::size_t& walking,
           std::size_t& first) {
  makeLine(shape, levels);
  bool held = parseAndWalk(parsing, walking);
  first = std::max(parsing, walking);
  if (held) held = parseAndWalk(parsing, walking);
  s.clear();
  n = 0;
  return held;
}

std::size_t perLevel(std::size_t shallow, std::size_t deep) {
  const std::size_t levels = kDeep - kShallow;
  return deep > shallow ? (deep - shallow + levels - 1) / levels : 0;
}

std::size_t roundedUp(std::size_t bytes, int parts) {
  const auto by = static_cast<std::size_t>(parts);
  return (bytes + by - 1) / by;
}

// The probe itself; 1 when the region was too small, with `region` grown for the next try.
int measure() {
  parseLevel = walkLone = walkSplit = bottom = 0;
  for (const Shape& shape : kShapes) {
    std::size_t parseShallow, walkShallow, parseDeep, walkDeep, first;
    if (!probe(shape, kShallow, parseShallow, walkShallow, first)) {
      region *= 4;
      return 1;
    }
    // A level costs at most what the second shallow run took, over its levels: the deep
    // probe takes at most that many more than the first shallow run, and is started only
    // with room to spare.
    const std::size_t deepest =
        first + std::max(parseShallow, walkShallow) / kShallow * (kDeep - kShallow);
    if (deepest >= region / 2) {
      region = 4 * deepest;
      return 1;
    }
    bottom = std::max(bottom, first);
    if (!probe(shape, kDeep, parseDeep, walkDeep, first)) {
      region *= 4;
      return 1;
    }
    parseLevel = std::max(parseLevel, perLevel(parseShallow, parseDeep));
    const std::size_t walk = perLevel(walkShallow, walkDeep);
    if (shape.split == 0) {
      walkLone = std::max(walkLone, roundedUp(walk, shape.lone));
    } else {
      const std::size_t lone = walkLone * static_cast<std::size_t>(shape.lone);
      walkSplit = std::max(walkSplit, walk > lone ? roundedUp(walk - lone, shape.split) : 0);
    }
  }
  return 0;
}

}  // namespace

int measureStack(std::size_t& bytes) {
#ifdef EXPRESSION_FAKE_FRAMES
  const int fakeFrames = __asan_option_detect_stack_use_after_return;
  __asan_option_detect_stack_use_after_return = 0;
#endif
  // The region is painted below the probe's frame; twice its size leaves the probe's own
  // frames room above it, since the probe is stopped before it could need more.
  int error = 0;
  for (int status = 1; status != 0 && error == 0;) {
    bytes = 2 * region;
    error = bytes > std::size_t{1} << 30 ? ENOMEM : runWithStack(bytes, measure, status);
  }
#ifdef EXPRESSION_FAKE_FRAMES
  __asan_option_detect_stack_use_after_return = fakeFrames;
#endif
  return error;
}

std::size_t stackBytes(int depth, int length) {
  const auto levels = static_cast<std::size_t>(depth) + 1;  // the top level too
  // The parser: three nested calls a level. The walk: a call for each node on the way down,
  // a sum and a product a level and the leaf. A node of several operands needs an operator
  // and an operand of its own besides the parentheses of its level, so one in three
  // characters at most can be one.
  const std::size_t parse = parseLevel * levels;
  const std::size_t splitNodes = std::min(2 * levels, (static_cast<std::size_t>(length) + 2) / 3);
  const std::size_t walk = walkLone * (2 * levels + 1) +
                           (walkSplit > walkLone ? (walkSplit - walkLone) * splitNodes : 0);
  const std::size_t need = std::max(parse, walk);
  return need + need / 16 + bottom + kMargin;
}
