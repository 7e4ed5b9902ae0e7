#include "big_stack.hpp"

#include <pthread.h>

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

}  // namespace

int runWithStack(std::size_t bytes, int (*body)(), int& status) {
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
