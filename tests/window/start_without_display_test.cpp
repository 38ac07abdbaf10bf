// The window program started without a display it can reach: one German
// line on standard error, exit status 1, and none of Qt's own lines.

#include "platform/display_probe.h"
#include "tests/kit/temp_files.h"

#include <cstdlib>
#include <gtest/gtest.h>
#include <string>
#include <sys/wait.h>

namespace {

// A display number where no X server answers.
std::string SilentDisplay() {
  for (int number = 99; number < 200; ++number) {
    DisplaySettings settings;
    settings.platform = "xcb";
    settings.x11Display = ":" + std::to_string(number);
    if (ProbeDisplay(settings).answer == DisplayAnswer::NoAnswer) return settings.x11Display;
  }
  return {};
}

TEST(StartWithoutDisplayTest, OneGermanLineAndStatusOne) {
  testkit::TempDir dir;
  const std::string silent = SilentDisplay();
  ASSERT_FALSE(silent.empty());
  const struct {
    std::string environment; // besides no display and Qt's default platform
    std::string line;
  } cases[] = {
      {"DISPLAY=" + silent, "Keine Verbindung zur Anzeige " + silent +
                                ". Tamrel Fotomaz braucht eine Desktop-Sitzung.\n"},
      {"WAYLAND_DISPLAY=wayland-7 XDG_RUNTIME_DIR=" + dir.path(),
       "Keine Verbindung zur Anzeige wayland-7. Tamrel Fotomaz braucht eine Desktop-Sitzung.\n"},
      {"", "Tamrel Fotomaz kann kein Fenster öffnen: keine Anzeige gefunden. Bitte in einer "
           "Desktop-Sitzung starten (DISPLAY oder WAYLAND_DISPLAY muss gesetzt sein).\n"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.environment);
    const int status = std::system(("env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM -u "
                                    "XDG_RUNTIME_DIR " +
                                    c.environment + " " FOTOMAZ_WINDOW_PROGRAM " >" +
                                    dir.File("out") + " 2>" + dir.File("err"))
                                       .c_str());
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 1) << status;
    EXPECT_EQ(testkit::ReadWholeFile(dir.File("err")), c.line);
    EXPECT_EQ(testkit::ReadWholeFile(dir.File("out")), "");
  }
}

} // namespace
