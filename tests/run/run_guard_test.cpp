#include "run/run_guard.h"
#include "tests/run/run_fixture.h"

#include <stdexcept>

namespace {

TEST(RunGuardTest, AnEscapingErrorEndsTheWaitAndFreesTheGuardForAFreshRun) {
  runtest::FakeFrontEnd frontEnd;
  RunGuard guard;
  guard.RequestStop();
  const auto failing = []() -> RunOutcome { throw std::runtime_error("log not writable"); };
  EXPECT_THROW(guard.Run(frontEnd, failing), std::runtime_error);
  EXPECT_EQ(frontEnd.log, std::vector<std::string>{"EndWait"});
  EXPECT_FALSE(guard.Running());
  // The next run starts without the stop asked of the one before.
  const auto stoppedOrNot = [&] {
    return guard.StopRequested() ? RunOutcome::Stopped : RunOutcome::Completed;
  };
  EXPECT_EQ(guard.Run(frontEnd, stoppedOrNot), RunOutcome::Completed);
}

} // namespace
