// Where a program keeps its settings file: beside itself unless it lies in an
// installed layout, then in the user's configuration folder.

#include "platform/settings_location.h"
#include "tests/kit/temp_files.h"

#include <filesystem>
#include <gtest/gtest.h>

namespace {

TEST(SettingsLocationTest, InstalledProgramsUseTheUsersConfigFolderPortableOnesTheirOwn) {
  testkit::TempDir dir;
  const std::string installedBin = dir.File("prefix/bin/");
  const std::string portableBin = dir.File("build/app/");
  const std::string fileNotFolder = dir.File("odd/bin/");
  std::filesystem::create_directories(installedBin);
  std::filesystem::create_directories(dir.File("prefix/share/tamrel-fotomaz"));
  std::filesystem::create_directories(portableBin);
  std::filesystem::create_directories(fileNotFolder);
  std::filesystem::create_directories(dir.File("odd/share"));
  testkit::WriteFile(dir.File("odd/share/tamrel-fotomaz"), "");

  const std::string inConfig = "/cfg/TamrelFotomaz/TamrelFotomaz.ini";
  const std::string inHome = "/home/anna/.config/TamrelFotomaz/TamrelFotomaz.ini";
  struct Case {
    std::string programDir;
    SettingsEnvironment environment;
    std::string expected;
  };
  const Case cases[] = {
      {portableBin, {"/cfg", "/home/anna"}, portableBin + "TamrelFotomaz.ini"},
      {fileNotFolder, {"/cfg", "/home/anna"}, fileNotFolder + "TamrelFotomaz.ini"},
      {installedBin, {"/cfg", "/home/anna"}, inConfig},
      {installedBin, {"/cfg/", ""}, inConfig},
      {installedBin, {"", "/home/anna/"}, inHome},
      {installedBin, {"relativ/cfg", "/home/anna"}, inHome},
      {installedBin, {"", ""}, installedBin + "TamrelFotomaz.ini"},
      {installedBin, {"", "relativ"}, installedBin + "TamrelFotomaz.ini"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(SettingsFilePathFor(c.programDir, c.environment), c.expected)
        << c.programDir << " XDG_CONFIG_HOME=" << c.environment.configHome
        << " HOME=" << c.environment.home;
  }
}

} // namespace
