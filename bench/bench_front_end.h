#pragma once
// The benchmark's front end of the run: the given options, nothing shown,
// yes to the start, and what stayed kept for a look afterwards.

#include "app/core/run_front_end.h"

#include <string>
#include <utility>
#include <vector>

class BenchFrontEnd final : public RunFrontEnd {
public:
  explicit BenchFrontEnd(RunOptions options) : options_(std::move(options)) {}
  RunOptions Options() override { return options_; }
  void SetStatusText(const std::string&) override {}
  void SetProgressMaximum(int) override {}
  void SetProgressPosition(int) override {}
  void ProcessEvents() override {}
  void BeginWait() override {}
  void EndWait() override {}
  bool ConfirmStart(size_t) override { return true; }
  void NothingFound() override {}
  void Finished(const std::string&, const std::vector<FileOutcome>& stayed) override {
    stayed_ = stayed;
  }
  const std::vector<FileOutcome>& Stayed() const { return stayed_; }

private:
  RunOptions options_;
  std::vector<FileOutcome> stayed_;
};
