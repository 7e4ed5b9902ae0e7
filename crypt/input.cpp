#include "input.hpp"

#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <new>

#include "files.hpp"
#include "large_pages.hpp"

char* input;
std::size_t inputEnd;

namespace {

// The first block: a small input needs no allocation at all.
char first[1 << 16];
// Read a block at a time, so that each block is decoded while it is still in the cache.
constexpr std::size_t kBlock = 1 << 20;

std::size_t capacity = sizeof first;
std::size_t announced;  // the file's size when it has one; a hint only, never trusted
bool ended;             // the last fread stopped short: the input is over
int error;

// The size the file has now, or 0 (a pipe, a device). Taken before the first read; the
// file may still grow or shrink, so reading goes on until the end whatever it says.
std::size_t fileSize() {
  if (std::fseek(stdin, 0, SEEK_END) != 0) return 0;
  const long size = std::ftell(stdin);
  if (std::fseek(stdin, 0, SEEK_SET) != 0) error = errno;  // then no byte was read: say so
  return size > 0 ? static_cast<std::size_t>(size) : 0;
}

// The buffer with room for `bytes`, or nullptr. realloc can grow a large block without
// copying it (and without holding both copies).
char* resized(std::size_t bytes) {
  if (input != first) return static_cast<char*>(std::realloc(input, bytes));
  char* grown = static_cast<char*>(std::malloc(bytes));
  if (grown) std::memcpy(grown, first, inputEnd);
  return grown;
}

// Grows the buffer to the announced size (with room for the byte behind the input and a
// read that finds the end), or when that is taken up or cannot be had, by a quarter: a pipe
// or a growing file then takes little more than its size. realloc moves a large block's
// pages rather than copying them, and never holds two copies.
void grow() {
  const std::size_t more = capacity / 4 <= SIZE_MAX - capacity ? capacity + capacity / 4 : 0;
  std::size_t wanted = announced < SIZE_MAX - 2 && announced + 2 > capacity ? announced + 2 : more;
  char* grown = wanted != 0 ? resized(wanted) : nullptr;
  if (!grown && wanted != more && more != 0) grown = resized(wanted = more);
  if (!grown) {
    // Reported as for any other allocation: the program's new handler ends the run. (No
    // throw: the WebAssembly build has no exceptions.)
    if (std::new_handler report = std::get_new_handler()) report();
    std::abort();
  }
  input = grown;
  capacity = wanted;
  if (capacity >= kLargePage) preferLargePages(input, capacity);
}

}  // namespace

bool readMore() {
  if (ended) return false;
  if (capacity - inputEnd < 2) grow();  // one byte stays free behind the input
  const std::size_t room = capacity - 1 - inputEnd;
  const std::size_t wanted = room < kBlock ? room : kBlock;
  const std::size_t got = std::fread(input + inputEnd, 1, wanted, stdin);
  inputEnd += got;
  if (got < wanted) {  // fread stops short only at the end or on an error
    ended = true;
    if (std::ferror(stdin)) error = errno;
    if (kDosEndMark && inputEnd > 0 && input[inputEnd - 1] == 0x1a) --inputEnd;
  }
  return got > 0;
}

int firstReadError() {
  input = first;
  announced = fileSize();
  if (error == 0) readMore();
  return error;
}

int readError() {
  return error;
}
