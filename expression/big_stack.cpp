#include "big_stack.hpp"

#include <malloc.h>
#include <pthread.h>
#include <sys/resource.h>

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
// environment can take up to a quarter before main runs.
bool mainStackHolds(std::size_t bytes) {
  rlimit limit;
  if (getrlimit(RLIMIT_STACK, &limit) != 0) return false;
  return limit.rlim_cur == RLIM_INFINITY || bytes <= limit.rlim_cur - limit.rlim_cur / 4;
}

}  // namespace

int runWithStack(std::size_t bytes, int (*body)(), int& status) {
  if (mainStackHolds(bytes)) {
    status = body();
    return 0;
  }
  // A second thread would get a malloc arena of its own, which reserves 64 MiB or more
  // of address space; under a judge's address-space limit it shares the main one.
  mallopt(M_ARENA_MAX, 1);
  pthread_attr_t attr;
  int error = pthread_attr_init(&attr);
  if (error != 0) return error;
  error = pthread_attr_setstacksize(&attr, bytes);
  Job job{body, 0};
  pthread_t thread;
  if (error == 0) error = pthread_create(&thread, &attr, start, &job);
  pthread_attr_destroy(&attr);
  if (error != 0) return error;
  error = pthread_join(thread, nullptr);
  status = job.status;
  return error;
}
