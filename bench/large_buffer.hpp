// Memory for a floor's input and output, in large pages where the system offers them: on
// a virtual machine a page fault costs about 10 us, and 4 KiB pages would cost a floor more
// than its work. Not freed: the process ends.
#pragma once

#include <sys/mman.h>

#include <cstddef>
#include <cstdlib>

namespace baseline {

template <typename T>
T* largeBuffer(std::size_t count) {
  constexpr std::size_t kLargePage = std::size_t{2} << 20;
  const std::size_t bytes = (count * sizeof(T) + kLargePage - 1) / kLargePage * kLargePage;
  void* memory = std::aligned_alloc(kLargePage, bytes);
  if (memory == nullptr) std::exit(1);
  madvise(memory, bytes, MADV_HUGEPAGE);
  return static_cast<T*>(memory);
}

}  // namespace baseline
