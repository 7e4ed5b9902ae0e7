#include "big_stack.hpp"

#ifdef _WIN32

// A Windows executable gets its main thread's stack reserve when it is linked: 64 MiB
// (expression/CMakeLists.txt), which holds the deepest line, so no thread is needed.
int runWithStack(std::size_t, int (*body)(), int& status) {
  status = body();
  return 0;
}

#else

#include <malloc.h>
#include <pthread.h>
#include <sys/mman.h>
#include <sys/resource.h>
#include <unistd.h>

#include <cerrno>

namespace {

struct Job {
  int (*body)();
  int status;
};

void* start(void* arg) {
  Job* job = static_cast<Job*>(arg);
  job->status = job->body();
  return nullptr;
}

// The main thread's stack may grow to its limit, of which the arguments and the
// environment can take up to a quarter before main runs. Under an address-space limit
// it grows into room the heap may take first, and a growth that fails is a crash, not
// an error; so there only a small stack is taken from it, and a larger one is mapped
// before the work starts.
bool mainStackHolds(std::size_t bytes) {
  constexpr std::size_t kSmall = std::size_t{1} << 20;
  rlimit limit;
  if (getrlimit(RLIMIT_STACK, &limit) != 0) return false;
  if (limit.rlim_cur != RLIM_INFINITY && bytes > limit.rlim_cur - limit.rlim_cur / 4) return false;
  rlimit space;
  if (getrlimit(RLIMIT_AS, &space) != 0) return false;
  return space.rlim_cur == RLIM_INFINITY || bytes <= kSmall;
}

}  // namespace

int runWithStack(std::size_t bytes, int (*body)(), int& status) {
  if (mainStackHolds(bytes)) {
    status = body();
    return 0;
  }
  // The stack is mapped here rather than by pthread_create, so that a lack of address
  // space is told apart from a thread limit: both would be EAGAIN there. A page below it
  // is left inaccessible, so that an overflow faults instead of writing over the heap.
  const auto page = static_cast<std::size_t>(sysconf(_SC_PAGESIZE));
  bytes = (bytes + page - 1) / page * page;
  void* memory = mmap(nullptr, bytes + page, PROT_READ | PROT_WRITE,
                      MAP_PRIVATE | MAP_ANONYMOUS | MAP_STACK, -1, 0);
  if (memory == MAP_FAILED) return ENOMEM;
  mprotect(memory, page, PROT_NONE);
  // A second thread would get a malloc arena of its own, which reserves 64 MiB or more
  // of address space; under a judge's address-space limit it shares the main one.
  mallopt(M_ARENA_MAX, 1);
  pthread_attr_t attr;
  int error = pthread_attr_init(&attr);
  if (error == 0) {
    error = pthread_attr_setstack(&attr, static_cast<char*>(memory) + page, bytes);
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
