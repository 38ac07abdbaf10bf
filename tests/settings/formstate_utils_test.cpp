// The small shared routines of formstate.

#include "platform/program_path.h"
#include "settings/formstate.h"
#include "settings/formstate_utils.h"
#include "tests/kit/fake_modal.h"

#include <QApplication>
#include <gtest/gtest.h>

namespace {

TEST(FormStateUtilsTest, WithBackslashAddsExactlyOneSeparatorToNonEmptyPaths) {
  EXPECT_EQ(WithBackslash(""), "");
  EXPECT_EQ(WithBackslash("/bilder"), "/bilder/");
  EXPECT_EQ(WithBackslash("/bilder/"), "/bilder/");
  EXPECT_EQ(WithBackslash("/"), "/");
}

TEST(FormStateUtilsTest, PaddingFillsUpToTheWidthAndNeverCuts) {
  EXPECT_EQ(PadText("ab", 'x', 4, true), "xxab");
  EXPECT_EQ(PadText("ab", 'x', 4, false), "abxx");
  EXPECT_EQ(PadText("abcde", 'x', 4, true), "abcde");
  EXPECT_EQ(PadText("ab", 'x', -1, true), "ab");
  EXPECT_EQ(PadNumber(7, 4), "0007");
  EXPECT_EQ(PadNumber(0, 4), "0000");
  EXPECT_EQ(PadNumber(12345, 4), "12345");
  EXPECT_EQ(PadNumber(-7, 4), "00-7");
}

TEST(FormStateUtilsTest, ProgramDirIsTheProgramsFolderWithASeparator) {
  const std::string dir = ProgramDir();
  ASSERT_FALSE(dir.empty());
  EXPECT_EQ(dir.back(), PathSeparator);
  EXPECT_EQ(ProgramFilePath().rfind(dir, 0), 0u);
  EXPECT_EQ(ProgramFilePath().find(PathSeparator, dir.size()), std::string::npos);
  EXPECT_EQ(SettingsFilePath(), dir + "TamrelFotomaz.ini");
}

TEST(FormStateUtilsTest, AskYesNoIsTrueOnlyForYes) {
  testkit::FakeModal modal;
  modal.answers = {true, false};
  EXPECT_TRUE(AskYesNo("Wirklich Beenden?"));
  EXPECT_FALSE(AskYesNo("Wirklich Beenden?"));
  EXPECT_EQ(modal.requests.back(),
            (testkit::ModalRequest{testkit::ModalKind::AskYesNo, "Wirklich Beenden?"}));
}

TEST(FormStateUtilsTest, OneEndWaitEndsAnyNumberOfBeginWaits) {
  BeginWait();
  BeginWait();
  ASSERT_NE(QApplication::overrideCursor(), nullptr);
  EXPECT_EQ(QApplication::overrideCursor()->shape(), Qt::WaitCursor);
  EndWait();
  EXPECT_EQ(QApplication::overrideCursor(), nullptr);
  EndWait(); // without a BeginWait: harmless
  EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}

} // namespace
