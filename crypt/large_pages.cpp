// A deliberate copy: the same bytes in expression/ and crypt/, compared by
// testing/copies_test.cpp.
#include "large_pages.hpp"

#ifdef __linux__

#include <sys/mman.h>
#include <unistd.h>

#include <cstdint>

void preferLargePages(void* start, std::size_t bytes) {
  // A hint only: a system without them, or with them turned off, ignores it or refuses.
  const auto page = static_cast<std::uintptr_t>(sysconf(_SC_PAGESIZE));
  const auto from = reinterpret_cast<std::uintptr_t>(start) / page * page;
  const auto to = reinterpret_cast<std::uintptr_t>(start) + bytes;
  madvise(reinterpret_cast<void*>(from), to - from, MADV_HUGEPAGE);
}

#else

void preferLargePages(void*, std::size_t) {}

#endif
