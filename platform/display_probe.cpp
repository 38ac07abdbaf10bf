#include "platform/display_probe.h"

#include "platform/user_folders.h"

#include <cerrno>
#include <cstddef>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <netdb.h>
#include <poll.h>
#include <string_view>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

namespace {

// An X display listens on TCP port 6000 + its number.
constexpr int kX11FirstPort = 6000;
constexpr int kMaxX11Number = 65535 - kX11FirstPort;
// A remote display that has not accepted by then would not make a usable
// window either; a local one answers at once.
constexpr int kConnectTimeoutMs = 5000;

struct Platforms {
  bool x11 = false;
  bool wayland = false;
  bool other = false;
};

// QT_QPA_PLATFORM may list several platforms, tried in turn ("wayland;xcb"),
// each with arguments after a colon.
Platforms PlatformsOf(const std::string& platform) {
  if (platform.empty()) return {true, true, false};
  Platforms platforms;
  size_t start = 0;
  while (start <= platform.size()) {
    size_t end = platform.find(';', start);
    if (end == std::string::npos) end = platform.size();
    const std::string_view entry = std::string_view(platform).substr(start, end - start);
    const std::string_view name = entry.substr(0, entry.find(':'));
    if (name == "xcb")
      platforms.x11 = true;
    else if (name.substr(0, 7) == "wayland")
      platforms.wayland = true;
    else if (!name.empty())
      platforms.other = true;
    start = end + 1;
  }
  return platforms;
}

class Socket {
public:
  explicit Socket(int family)
      : family_(family), fd_(socket(family, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0)) {}
  ~Socket() {
    if (fd_ >= 0) close(fd_);
  }
  Socket(const Socket&) = delete;
  Socket& operator=(const Socket&) = delete;

  // True when the peer accepted, or for a local socket is there with a full
  // queue.
  bool Connect(const sockaddr* address, socklen_t length) const {
    if (fd_ < 0) return false;
    if (connect(fd_, address, length) == 0) return true;
    if (family_ == AF_UNIX) return errno == EAGAIN;
    if (errno != EINPROGRESS) return false;
    pollfd waiting{fd_, POLLOUT, 0};
    if (poll(&waiting, 1, kConnectTimeoutMs) != 1) return false;
    int error = 0;
    socklen_t size = sizeof error;
    return getsockopt(fd_, SOL_SOCKET, SO_ERROR, &error, &size) == 0 && error == 0;
  }

private:
  int family_;
  int fd_;
};

// A socket in the file system, or with abstract in Linux's abstract
// namespace (where X servers also listen, and which a container may share
// when /tmp is not shared).
bool LocalSocketAnswers(const std::string& path, bool abstract) {
  sockaddr_un address{};
  address.sun_family = AF_UNIX;
  const size_t offset = abstract ? 1 : 0;
  // Room for the leading zero of an abstract name or the trailing one of a path.
  if (path.empty() || path.size() + 1 > sizeof address.sun_path) return false;
  std::memcpy(address.sun_path + offset, path.data(), path.size());
  const size_t length = offsetof(sockaddr_un, sun_path) + offset + path.size() + (abstract ? 0 : 1);
  return Socket(AF_UNIX).Connect(reinterpret_cast<const sockaddr*>(&address),
                                 static_cast<socklen_t>(length));
}

bool TcpAnswers(const std::string& host, int port) {
  addrinfo hints{};
  hints.ai_family = AF_UNSPEC;
  hints.ai_socktype = SOCK_STREAM;
  addrinfo* found = nullptr;
  if (getaddrinfo(host.c_str(), std::to_string(port).c_str(), &hints, &found) != 0) return false;
  bool answered = false;
  for (const addrinfo* entry = found; entry && !answered; entry = entry->ai_next)
    answered = Socket(entry->ai_family).Connect(entry->ai_addr, entry->ai_addrlen);
  freeaddrinfo(found);
  return answered;
}

// As the X client library tries: a local display by its abstract and its
// file socket, then by TCP on this machine; a remote one by TCP.
bool X11Answers(const X11Address& address, const std::string& socketDir) {
  const int port = kX11FirstPort + address.number;
  if (!address.host.empty() && address.host != "unix") return TcpAnswers(address.host, port);
  const std::string socket = socketDir + "/X" + std::to_string(address.number);
  return LocalSocketAnswers(socket, true) || LocalSocketAnswers(socket, false) ||
         (address.host.empty() && TcpAnswers("localhost", port));
}

bool WaylandAnswers(const std::string& display, const std::string& runtimeDir) {
  if (display.front() == '/') return LocalSocketAnswers(display, false);
  return !runtimeDir.empty() && LocalSocketAnswers(runtimeDir + "/" + display, false);
}

} // namespace

DisplaySettings DisplaySettingsOf(int argc, const char* const* argv) {
  DisplaySettings settings;
  settings.platform = EnvironmentValue("QT_QPA_PLATFORM");
  for (int i = 1; i + 1 < argc; ++i) {
    const std::string_view argument = argv[i];
    if (argument == "-platform" || argument == "--platform") settings.platform = argv[i + 1];
  }
  settings.x11Display = EnvironmentValue("DISPLAY");
  settings.waylandDisplay = EnvironmentValue("WAYLAND_DISPLAY");
  settings.runtimeDir = EnvironmentValue("XDG_RUNTIME_DIR");
  return settings;
}

std::optional<X11Address> ParseX11Display(const std::string& display) {
  const size_t colon = display.rfind(':');
  if (colon == std::string::npos) return std::nullopt;
  X11Address address;
  address.host = display.substr(0, colon);
  // "[::1]" is an IPv6 host; a host still ending in ':' is a DECnet name,
  // and a '/' names a protocol or a socket path: not ours to judge.
  if (address.host.size() >= 2 && address.host.front() == '[' && address.host.back() == ']')
    address.host = address.host.substr(1, address.host.size() - 2);
  else if (!address.host.empty() && address.host.back() == ':')
    return std::nullopt;
  if (address.host.find('/') != std::string::npos) return std::nullopt;
  const std::string number = display.substr(colon + 1, display.find('.', colon) - colon - 1);
  if (number.empty() || number.size() > 5 ||
      number.find_first_not_of("0123456789") != std::string::npos)
    return std::nullopt;
  address.number = std::stoi(number);
  if (address.number > kMaxX11Number) return std::nullopt;
  return address;
}

DisplayProbe ProbeDisplay(const DisplaySettings& settings) {
  const Platforms platforms = PlatformsOf(settings.platform);
  if (platforms.other) return {DisplayAnswer::NotProbed, {}};
  const bool tryX11 = platforms.x11 && !settings.x11Display.empty();
  const bool tryWayland = platforms.wayland && !settings.waylandDisplay.empty();
  if (!tryX11 && !tryWayland) return {DisplayAnswer::NoneNamed, {}};
  if (tryX11) {
    const std::optional<X11Address> address = ParseX11Display(settings.x11Display);
    if (!address) return {DisplayAnswer::NotProbed, {}};
    if (X11Answers(*address, settings.x11SocketDir)) return {DisplayAnswer::Answered, {}};
  }
  if (tryWayland && WaylandAnswers(settings.waylandDisplay, settings.runtimeDir))
    return {DisplayAnswer::Answered, {}};
  return {DisplayAnswer::NoAnswer, tryX11 ? settings.x11Display : settings.waylandDisplay};
}
