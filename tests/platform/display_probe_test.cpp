// The display probe: display names, which sockets are asked for which
// platform, and real listening sockets answering or not.

#include "platform/display_probe.h"
#include "tests/kit/temp_files.h"

#include <arpa/inet.h>
#include <cstring>
#include <gtest/gtest.h>
#include <netinet/in.h>
#include <string>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

namespace {

// A socket that listens (and never accepts: a queued connection answers);
// at a path, or with none on 127.0.0.1 at a port the system chooses.
struct Listener {
  explicit Listener(const std::string& path = "")
      : fd(socket(path.empty() ? AF_INET : AF_UNIX, SOCK_STREAM, 0)) {
    sockaddr_storage address{};
    socklen_t size = path.empty() ? sizeof(sockaddr_in) : sizeof(sockaddr_un);
    if (path.empty()) {
      auto* inet = reinterpret_cast<sockaddr_in*>(&address);
      inet->sin_family = AF_INET;
      inet->sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    } else {
      auto* local = reinterpret_cast<sockaddr_un*>(&address);
      local->sun_family = AF_UNIX;
      std::strncpy(local->sun_path, path.c_str(), sizeof local->sun_path - 1);
    }
    const auto* any = reinterpret_cast<sockaddr*>(&address);
    if (bind(fd, any, size) != 0 || listen(fd, 4) != 0) ADD_FAILURE() << "cannot listen";
    getsockname(fd, reinterpret_cast<sockaddr*>(&address), &size);
    port = ntohs(reinterpret_cast<sockaddr_in*>(&address)->sin_port);
  }
  ~Listener() { close(fd); }

  int fd;
  int port = 0; // for TCP
};

TEST(DisplayProbeTest, XDisplayNamesAreReadAsTheClientLibraryReadsThem) {
  const struct {
    const char* display;
    bool readable;
    const char* host;
    int number;
  } cases[] = {
      {":0", true, "", 0},
      {":99.0", true, "", 99},
      {"unix:3", true, "unix", 3},
      {"localhost:10.0", true, "localhost", 10},
      {"[::1]:2", true, "::1", 2},
      {"", false, "", 0},
      {"0", false, "", 0},
      {":", false, "", 0},
      {":x", false, "", 0},
      {":-1", false, "", 0},
      {":70000", false, "", 0},
      {"host::0", false, "", 0},
      {"/tmp/launch/org.x:0", false, "", 0},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.display);
    const std::optional<X11Address> address = ParseX11Display(c.display);
    ASSERT_EQ(address.has_value(), c.readable);
    if (!address) continue;
    EXPECT_EQ(address->host, c.host);
    EXPECT_EQ(address->number, c.number);
  }
}

TEST(DisplayProbeTest, TheNamedDisplaysOfThePlatformAreAsked) {
  testkit::TempDir dir;
  const std::string runtime = dir.path();
  // An X display 7 with its local socket, and a Wayland socket.
  const Listener x11(dir.File("X7")), wayland(dir.File("wayland-9")), tcp;
  const std::string tcpDisplay = "127.0.0.1:" + std::to_string(tcp.port - 6000);
  // A display number with no socket in dir and, most likely, nothing on its
  // TCP port either.
  const std::string silentX = ":" + std::to_string(65535 - 6000);

  const struct {
    const char* what;
    std::string platform, x11, wayland;
    DisplayAnswer answer;
    std::string named;
  } cases[] = {
      {"local X socket", "", ":7", "", DisplayAnswer::Answered, ""},
      {"X by TCP", "xcb", tcpDisplay, "", DisplayAnswer::Answered, ""},
      {"Wayland socket", "wayland", "", "wayland-9", DisplayAnswer::Answered, ""},
      {"absolute Wayland path", "", "", dir.File("wayland-9"), DisplayAnswer::Answered, ""},
      {"X silent, Wayland answers", "", silentX, "wayland-9", DisplayAnswer::Answered, ""},
      {"X silent", "", silentX, "", DisplayAnswer::NoAnswer, silentX},
      {"both silent: X named", "", silentX, "wayland-0", DisplayAnswer::NoAnswer, silentX},
      {"Wayland silent", "wayland;xcb", "", "wayland-0", DisplayAnswer::NoAnswer, "wayland-0"},
      {"xcb ignores Wayland", "xcb", silentX, "wayland-9", DisplayAnswer::NoAnswer, silentX},
      {"nothing named", "", "", "", DisplayAnswer::NoneNamed, ""},
      {"xcb without DISPLAY", "xcb:foo=1", "", "wayland-9", DisplayAnswer::NoneNamed, ""},
      {"offscreen", "offscreen", silentX, "", DisplayAnswer::NotProbed, ""},
      {"unreadable DISPLAY", "", "host::0", "", DisplayAnswer::NotProbed, ""},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    DisplaySettings settings;
    settings.platform = c.platform;
    settings.x11Display = c.x11;
    settings.waylandDisplay = c.wayland;
    settings.runtimeDir = runtime;
    settings.x11SocketDir = runtime;
    const DisplayProbe probe = ProbeDisplay(settings);
    EXPECT_EQ(probe.answer, c.answer);
    EXPECT_EQ(probe.display, c.named);
  }
}

TEST(DisplayProbeTest, TheCommandLinePlatformWinsOverTheEnvironment) {
  setenv("QT_QPA_PLATFORM", "xcb", 1);
  setenv("DISPLAY", ":5", 1);
  const char* argv[] = {"tamrel-fotomaz", "-platform", "offscreen"};
  EXPECT_EQ(DisplaySettingsOf(3, argv).platform, "offscreen");
  EXPECT_EQ(DisplaySettingsOf(1, argv).platform, "xcb");
  EXPECT_EQ(DisplaySettingsOf(1, argv).x11Display, ":5");
  unsetenv("QT_QPA_PLATFORM");
  unsetenv("DISPLAY");
}

} // namespace
