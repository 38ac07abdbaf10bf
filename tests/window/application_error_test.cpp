// The general error box: the text it shows and the handler that ends.

#include "platform/modal.h"
#include "tests/kit/fake_modal.h"

#include <gtest/gtest.h>
#include <stdexcept>

namespace {

TEST(ApplicationErrorTest, AFullStopFollowsMessagesEndingAfterTheFullStop) {
  EXPECT_EQ(ApplicationErrorText("In /x kann nicht geschrieben werden"),
            "In /x kann nicht geschrieben werden.");
  EXPECT_EQ(ApplicationErrorText("Datei 7"), "Datei 7.");
  EXPECT_EQ(ApplicationErrorText("Schon da."), "Schon da.");
  EXPECT_EQ(ApplicationErrorText("Was?"), "Was?.");
  EXPECT_EQ(ApplicationErrorText("Halt!"), "Halt!");
  EXPECT_EQ(ApplicationErrorText("Liste,"), "Liste,");
  EXPECT_EQ(ApplicationErrorText("Größe ä"), "Größe ä.");
  EXPECT_EQ(ApplicationErrorText(""), "");
}

TEST(ApplicationErrorTest, AnEscapingErrorEndsOnlyItsHandler) {
  testkit::FakeModal modal;
  int steps = 0;
  EXPECT_FALSE(RunGuarded([&] {
    ++steps;
    throw std::runtime_error("Ungültiges Argument zum Codieren des Datums");
    ++steps;
  }));
  EXPECT_EQ(steps, 1);
  EXPECT_TRUE(RunGuarded([&] { ++steps; }));
  EXPECT_EQ(steps, 2);
  EXPECT_EQ(modal.requests,
            (std::vector<testkit::ModalRequest>{{testkit::ModalKind::ApplicationError,
                                                 "Ungültiges Argument zum Codieren des Datums."}}));
}

} // namespace
