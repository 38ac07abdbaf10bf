// Which settings file fotomaz-verteilen uses, as --hilfe names it: beside a
// portable copy, in the user's configuration folder for an installed one;
// and --version.

#include "fotomaz_identity.h"
#include "tests/kit/temp_files.h"
#include "tests/kit/testkit.h"
#include "tests/tools/verteilen/command_process.h"

#include <cstdlib>
#include <filesystem>
#include <gtest/gtest.h>

namespace {

namespace fs = std::filesystem;
using Strings = std::vector<std::string>;

TEST(SettingsPlaceTest, HelpNamesTheFileInUseWhichTheRunReads) {
  testkit::TempDir dir;
  const std::string portable = dir.File("kopie/fotomaz-verteilen");
  const std::string installed = dir.File("prefix/bin/fotomaz-verteilen");
  for (const std::string& program : {portable, installed}) {
    fs::create_directories(fs::path(program).parent_path());
    fs::copy_file(FOTOMAZ_VERTEILEN, program);
  }
  fs::create_directories(dir.File("prefix/share/tamrel-fotomaz"));
  const std::string config = dir.File("config");
  ASSERT_EQ(setenv("XDG_CONFIG_HOME", config.c_str(), 1), 0);
  const std::string userFile = config + "/TamrelFotomaz/TamrelFotomaz.ini";
  const std::string portableFile = dir.File("kopie/TamrelFotomaz.ini");
  // Each file names its own source folder; the dry run shows which was read.
  for (const std::string& file : {userFile, portableFile}) {
    const std::string source = file.substr(0, file.rfind('/')) + "/quelle/";
    fs::create_directories(source);
    testkit::WriteFile(source + "bild.png", "x");
    testkit::WriteFile(file, "[optionenf]\nquellee=" + source + "\nziele=" + dir.path() + "/\n");
  }

  struct Case {
    std::string program;
    Strings arguments;
    std::string lastLine;
  };
  const Case cases[] = {
      {installed, {"--hilfe"}, "Einstellungsdatei: " + userFile},
      {portable, {"--hilfe"}, "Einstellungsdatei: " + portableFile},
      {portable, {"--einstellungen", "x.ini", "--hilfe"}, "Einstellungsdatei: x.ini"},
      {installed, {"--version"}, std::string("fotomaz-verteilen ") + kFotomazVersion},
      {installed, {"--probelauf"}, config + "/TamrelFotomaz/quelle/bild.png"},
      {portable, {"--probelauf"}, dir.File("kopie/quelle/bild.png")},
  };
  for (const Case& c : cases) {
    clitest::CommandProcess process(c.program, c.arguments);
    const clitest::CommandResult result = process.Wait();
    EXPECT_EQ(result.status, 0) << result.err;
    const Strings lines = testkit::Lines(result.out);
    ASSERT_FALSE(lines.empty()) << c.arguments[0];
    EXPECT_EQ(lines.back().substr(0, c.lastLine.size()), c.lastLine) << c.arguments[0];
  }
}

} // namespace
