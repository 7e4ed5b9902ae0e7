// A deliberate copy: the same bytes in expression/ and crypt/, compared by
// testing/copies_test.cpp.
//
// A large input fills many MiB, which the system hands out a page at a time; where a page
// fault is dear (a virtual machine) that costs as much as the work itself. Where the system
// offers large pages on request (Linux's transparent huge pages), they are asked for.
// Elsewhere nothing changes.
#pragma once

#include <cstddef>

// The alignment of the fixed tables, so that large pages can cover them whole: 2 MiB, the
// large page of x86-64 and of ARM64 with 4 KiB pages. Elsewhere no more than usual.
#ifdef __linux__
constexpr std::size_t kLargePage = std::size_t{2} << 20;
#else
constexpr std::size_t kLargePage = 64;
#endif

// Asks for large pages for the memory [start, start + bytes) when it is touched.
void preferLargePages(void* start, std::size_t bytes);
