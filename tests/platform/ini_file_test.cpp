// The settings file on disk: defaults, the read limit, atomic replacement and
// write errors.

#include "platform/ini.h"
#include "platform/ini_fault.h"
#include "tests/kit/temp_files.h"

#include <csignal>
#include <filesystem>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

class IniFileTest : public testing::Test {
protected:
  testkit::TempDir dir;
  std::string path = dir.File("TamrelFotomaz.ini");

  size_t FilesInDir() const {
    return static_cast<size_t>(std::distance(std::filesystem::directory_iterator(dir.path()),
                                             std::filesystem::directory_iterator()));
  }
  void ExpectWriteError(const std::string& target) {
    try {
      IniWriteString(target, "s", "k", "v");
      ADD_FAILURE() << "no write error for " << target;
    } catch (const IniWriteError& error) {
      EXPECT_EQ(std::string(error.what()), "In " + target + " kann nicht geschrieben werden");
    }
  }
};

TEST_F(IniFileTest, AbsentFilesSectionsAndKeysGiveTheDefault) {
  EXPECT_EQ(IniReadString(path, "s", "k", "vorgabe"), "vorgabe");
  EXPECT_EQ(IniReadInt(path, "s", "k", 7), 7);
  EXPECT_EQ(IniReadString(dir.path(), "s", "k", "vorgabe"), "vorgabe");
  testkit::WriteFile(path, "[s]\nzahl=x\nleer=\n");
  EXPECT_EQ(IniReadInt(path, "s", "zahl", 7), 7);
  EXPECT_EQ(IniReadInt(path, "s", "leer", 7), 7);
  EXPECT_EQ(IniReadString(path, "s", "leer", "vorgabe"), "");
  EXPECT_EQ(IniReadString(path, "t", "zahl", "vorgabe"), "vorgabe");
}

TEST_F(IniFileTest, LongTextsAreReadBackUpTo2047Characters) {
  const std::string longValue(3000, 'a');
  IniWriteString(path, "s", "lang", longValue);
  EXPECT_EQ(IniReadString(path, "s", "lang", ""), longValue.substr(0, 2047));
  IniWriteString(path, "s", "genau", std::string(2047, 'b'));
  EXPECT_EQ(IniReadString(path, "s", "genau", "").size(), 2047u);
}

TEST_F(IniFileTest, WritesCreateAndUpdateTheFileKeepingItsMode) {
  IniWriteString(path, "optionenf", "quellee", "/a/");
  IniWriteString(path, "optionenf", "allcb", "1");
  IniWriteString(path, "OPTIONENF", "Quellee", "/b/");
  EXPECT_EQ(testkit::ReadWholeFile(path), "[optionenf]\nQuellee=/b/\nallcb=1\n");
  ASSERT_EQ(chmod(path.c_str(), 0640), 0);
  IniReplaceSection(path, "optionenf", {});
  EXPECT_EQ(testkit::ReadWholeFile(path), "");
  struct stat info {};
  ASSERT_EQ(stat(path.c_str(), &info), 0);
  EXPECT_EQ(info.st_mode & 0777, 0640u);
  EXPECT_EQ(FilesInDir(), 1u); // no temporary file left behind
}

TEST_F(IniFileTest, ErasingAnAbsentSectionWritesNothing) {
  IniReplaceSection(path, "Form1", {});
  EXPECT_FALSE(std::filesystem::exists(path));
  ScopedIniFaults faults({.writesBeforeFailure = 0});
  testkit::WriteFile(path, "[a]\nx=1\n");
  IniReplaceSection(path, "Form1", {});       // nothing to write, so nothing fails
  IniReplaceSection(path, "a", {{"x", "1"}}); // the same text again
}

// A whole section is one write: it happens whole, or the old file stays.
TEST_F(IniFileTest, ASectionIsReplacedInOneWrite) {
  const std::string old = "[s]\nalt=1\nk=0\n[t]\ny=2\n";
  const std::vector<IniEntry> entries = {{"k", "1"}, {"neu", "a=b"}, {"K", "2"}, {"z", ""}};
  testkit::WriteFile(path, old);
  {
    ScopedIniFaults faults({.writesBeforeFailure = 0});
    EXPECT_THROW(IniReplaceSection(path, "S", entries), IniWriteError);
    EXPECT_EQ(testkit::ReadWholeFile(path), old);
    EXPECT_EQ(FilesInDir(), 1u);
  }
  ScopedIniFaults faults({.writesBeforeFailure = 1});
  IniReplaceSection(path, "S", entries);
  EXPECT_EQ(testkit::ReadWholeFile(path), "[t]\ny=2\n[S]\nK=2\nneu=a=b\nz=\n");
}

TEST_F(IniFileTest, AFailedWriteRaisesTheErrorAndLeavesTheOldFile) {
  testkit::WriteFile(path, "[s]\nk=alt\n");
  {
    ScopedIniFaults faults({.writesBeforeFailure = 1});
    IniWriteString(path, "s", "k", "eins");
    ExpectWriteError(path);
    EXPECT_THROW(IniReplaceSection(path, "s", {}), IniWriteError);
    EXPECT_EQ(testkit::ReadWholeFile(path), "[s]\nk=eins\n");
    EXPECT_EQ(FilesInDir(), 1u);
  }
  ExpectWriteError(dir.path());                // a folder is no file
  ExpectWriteError(path + "/unter/datei.ini"); // below a file
}

// The user's configuration folder does not exist before the first save.
TEST_F(IniFileTest, AWriteCreatesTheMissingFoldersForTheOwnerOnly) {
  const std::string nested = dir.File("config/TamrelFotomaz/TamrelFotomaz.ini");
  IniWriteString(nested, "optionenf", "quellee", "/a/");
  EXPECT_EQ(IniReadString(nested, "optionenf", "quellee", ""), "/a/");
  for (const char* folder : {"config", "config/TamrelFotomaz"}) {
    struct stat info {};
    ASSERT_EQ(stat(dir.File(folder).c_str(), &info), 0) << folder;
    EXPECT_EQ(info.st_mode & 0777, 0700u) << folder;
  }
}

// A save killed at any moment leaves the old or the new file, never a part.
TEST_F(IniFileTest, AKilledSaveNeverLeavesATruncatedFile) {
  const std::string big(200000, 'x');
  for (int round = 0; round < 6; ++round) {
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
      for (int i = 0;; ++i)
        IniWriteString(path, "s", "k" + std::to_string(i % 3), big);
    }
    usleep(20000 + round * 15000);
    kill(child, SIGKILL);
    waitpid(child, nullptr, 0);
    for (const char* key : {"k0", "k1", "k2"}) {
      const std::string value = IniReadString(path, "s", key, "");
      EXPECT_TRUE(value.empty() || value == big.substr(0, 2047)) << key;
    }
    const std::string whole = std::filesystem::exists(path) ? testkit::ReadWholeFile(path) : "";
    if (!whole.empty()) {
      EXPECT_EQ(whole.back(), '\n');
    }
  }
  EXPECT_TRUE(std::filesystem::exists(path));
}

} // namespace
