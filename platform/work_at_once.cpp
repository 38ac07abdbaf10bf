#include "platform/work_at_once.h"

#include <atomic>
#include <exception>
#include <mutex>
#include <system_error>
#include <thread>
#include <vector>

void WorkAtOnce(size_t count, size_t threads, const std::function<void(size_t)>& work) {
  std::atomic<size_t> next{0};
  std::exception_ptr failure;
  std::mutex failureMutex;
  const auto worker = [&] {
    for (size_t i = next++; i < count; i = next++) {
      try {
        work(i);
      } catch (...) {
        const std::lock_guard lock(failureMutex);
        if (!failure) failure = std::current_exception();
        next = count;
      }
    }
  };
  std::vector<std::thread> others;
  try {
    for (size_t i = 1; i < threads && i < count; ++i)
      others.emplace_back(worker);
  } catch (const std::system_error&) {
    // No thread to be had: those started so far and this one work.
  }
  worker();
  for (std::thread& other : others)
    other.join();
  if (failure) std::rethrow_exception(failure);
}
