// Work done at once on several threads: every item exactly once, and a
// failure told only once every thread has stopped.

#include "platform/work_at_once.h"

#include <atomic>
#include <gtest/gtest.h>
#include <optional>
#include <stdexcept>
#include <vector>

namespace {

TEST(WorkAtOnce, DoesEveryItemOnceAndTellsTheFirstFailureAfterAllStopped) {
  struct Case {
    const char* what;
    size_t count;
    size_t threads;
    std::optional<size_t> failsAt; // the item that throws
  };
  const Case cases[] = {
      {"nothing to do", 0, 4, std::nullopt},
      {"one item, no thread started", 1, 4, std::nullopt},
      {"more items than threads", 1000, 4, std::nullopt},
      {"the calling thread alone", 50, 1, std::nullopt},
      {"an item fails", 1000, 4, 17},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    std::vector<std::atomic<int>> done(c.count);
    std::atomic<int> running{0};
    const auto work = [&](size_t i) {
      ++running;
      ++done[i];
      --running;
      if (c.failsAt == i) throw std::runtime_error("item");
    };
    if (c.failsAt) {
      EXPECT_THROW(WorkAtOnce(c.count, c.threads, work), std::runtime_error);
    } else {
      WorkAtOnce(c.count, c.threads, work);
    }
    EXPECT_EQ(running, 0);
    for (size_t i = 0; i < c.count; ++i) {
      // After a failure the items not begun are left.
      if (c.failsAt)
        EXPECT_LE(done[i], 1) << i;
      else
        EXPECT_EQ(done[i], 1) << i;
    }
  }
}

} // namespace
