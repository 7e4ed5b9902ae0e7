#include "big_stack.hpp"

#include <cerrno>

#include "large_pages.hpp"

namespace {

struct Job {
  int (*body)();
  int status;
};

}  // namespace

#if defined(_WIN32)

#include <windows.h>

namespace {

// Windows keeps guard pages at the low end of a thread's stack reserve.
constexpr std::size_t kGuard = std::size_t{64} << 10;

DWORD WINAPI start(void* arg) {
  Job* job = static_cast<Job*>(arg);
  job->status = job->body();
  return 0;
}

}  // namespace

int runWithStack(std::size_t bytes, int (*body)(), int& status) {
  // The main thread's reserve is set when linking (expression/CMakeLists.txt); what is left
  // of it is read here, below this frame.
  ULONG_PTR low = 0;
  ULONG_PTR high = 0;
  GetCurrentThreadStackLimits(&low, &high);
  const auto here = reinterpret_cast<ULONG_PTR>(&low);
  if (here > low && here - low >= bytes + kGuard) {
    status = body();
    return 0;
  }
  // Only address space is reserved; pages are committed as the stack grows into them.
  Job job{body, 0};
  HANDLE thread =
      CreateThread(nullptr, bytes, start, &job, STACK_SIZE_PARAM_IS_A_RESERVATION, nullptr);
  if (thread == nullptr) {
    const DWORD error = GetLastError();
    return error == ERROR_NOT_ENOUGH_MEMORY || error == ERROR_OUTOFMEMORY ||
                   error == ERROR_COMMITMENT_LIMIT
               ? ENOMEM
               : EAGAIN;
  }
  WaitForSingleObject(thread, INFINITE);
  CloseHandle(thread);
  status = job.status;
  return 0;
}

#elif defined(__wasi__)

// WASI has no threads: the module's one stack is fixed when it is linked
// (expression/CMakeLists.txt), large enough for every line the length limit allows.
int runWithStack(std::size_t, int (*body)(), int& status) {
  status = body();
  return 0;
}

#else  // POSIX

#include <alloca.h>
#include <malloc.h>
#include <pthread.h>
#include <sys/auxv.h>
#include <sys/mman.h>
#include <sys/resource.h>
#include <unistd.h>

#include <cstdint>
#include <cstring>

namespace {

void* start(void* arg) {
  Job* job = static_cast<Job*>(arg);
  job->status = job->body();
  return nullptr;
}

// What is left of the main thread's stack, which may grow to its limit: the part above
// this frame is taken (the arguments and the environment, up to max(limit / 4, 128 KiB)
// of a small limit, and the frames below main). Its top lies just above the name the
// program was started by, which the system puts first, at the very top. 0 when that
// cannot be told.
std::size_t mainStackRoom(std::size_t limit) {
  const auto* name = reinterpret_cast<const char*>(getauxval(AT_EXECFN));
  if (name == nullptr) return 0;
  const auto page = static_cast<std::uintptr_t>(sysconf(_SC_PAGESIZE));
  const std::uintptr_t top =
      (reinterpret_cast<std::uintptr_t>(name) + std::strlen(name) + 1 + sizeof(void*) + page - 1) /
      page * page;
  const auto here = reinterpret_cast<std::uintptr_t>(&name);
  if (here >= top || top - here + page >= limit) return 0;
  return limit - (top - here) - page;  // a page for what rounding hides
}

bool mainStackHolds(std::size_t bytes) {
  rlimit limit;
  if (getrlimit(RLIMIT_STACK, &limit) != 0) return false;
  return limit.rlim_cur == RLIM_INFINITY || bytes <= mainStackRoom(limit.rlim_cur);
}

// The main thread's stack grows when it is first touched. Under an address-space limit
// the heap may take the room it would grow into first, and a growth that fails is a
// crash, not an error; so there the stack is grown to its full size now, once a map of
// that size has shown that the room is there. Only its lowest page is touched, so it
// costs address space, not memory. A stack of a large page or more is grown now in any
// case, so that it can be made of large pages, as the thread's below.
[[gnu::noinline]] bool growMainStack(std::size_t bytes) {
  rlimit space;
  if (getrlimit(RLIMIT_AS, &space) != 0) return false;
  const bool limited = space.rlim_cur != RLIM_INFINITY;
  if (!limited && bytes < kLargePage) return true;
  if (limited) {
    void* room = mmap(nullptr, bytes, PROT_NONE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
    if (room == MAP_FAILED) return false;
    munmap(room, bytes);
  }
  volatile char* lowest = static_cast<char*>(alloca(bytes));
  lowest[0] = 0;
  if (bytes >= kLargePage) preferLargePages(const_cast<char*>(lowest), bytes);
  return true;
}

}  // namespace

int runWithStack(std::size_t bytes, int (*body)(), int& status) {
  if (mainStackHolds(bytes)) {
    if (!growMainStack(bytes)) return ENOMEM;
    status = body();
    return 0;
  }
  // The stack is mapped here rather than by pthread_create, so that a lack of address
  // space is told apart from a thread limit: both would be EAGAIN there. A page below it
  // is left inaccessible, so that an overflow faults instead of writing over the heap.
  const auto page = static_cast<std::size_t>(sysconf(_SC_PAGESIZE));
  bytes = (bytes + page - 1) / page * page;
  void* mapped = mmap(nullptr, bytes + page, PROT_READ | PROT_WRITE,
                      MAP_PRIVATE | MAP_ANONYMOUS | MAP_STACK, -1, 0);
  if (mapped == MAP_FAILED) return ENOMEM;
  char* memory = static_cast<char*>(mapped);
  mprotect(memory, page, PROT_NONE);
  if (bytes >= kLargePage) preferLargePages(memory + page, bytes);
  // A second thread would get a malloc arena of its own, which reserves 64 MiB or more
  // of address space; under a judge's address-space limit it shares the main one.
  mallopt(M_ARENA_MAX, 1);
  pthread_attr_t attr;
  int error = pthread_attr_init(&attr);
  if (error == 0) {
    error = pthread_attr_setstack(&attr, memory + page, bytes);
    Job job{body, 0};
    pthread_t thread;
    if (error == 0) error = pthread_create(&thread, &attr, start, &job);
    if (error == 0) error = pthread_join(thread, nullptr);
    status = job.status;
    pthread_attr_destroy(&attr);
  }
  munmap(memory, bytes + page);
  return error;
}

#endif
