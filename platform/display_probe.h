#pragma once
// Whether a window system answers, asked before the toolkit starts. Without
// an answer the toolkit prints its own English lines and aborts; asking the
// display's socket first lets the program say in one German line what is
// wrong. Only a display that was named and did not answer counts as
// unreachable: whatever this probe cannot judge is left to the toolkit.

#include <optional>
#include <string>

// What the environment and the command line say about the display.
struct DisplaySettings {
  // The toolkit's platform choice (QT_QPA_PLATFORM, or -platform on the
  // command line); empty for its default, which tries X and Wayland.
  std::string platform;
  std::string x11Display;     // DISPLAY
  std::string waylandDisplay; // WAYLAND_DISPLAY
  std::string runtimeDir;     // XDG_RUNTIME_DIR, where Wayland sockets live
  std::string x11SocketDir = "/tmp/.X11-unix";
};

// The settings of this process: its environment, and a -platform (or
// --platform) argument, which the toolkit prefers to the environment.
DisplaySettings DisplaySettingsOf(int argc, const char* const* argv);

enum class DisplayAnswer {
  Answered,  // a named display accepted a connection
  NoneNamed, // neither DISPLAY nor WAYLAND_DISPLAY is set for the platform
  NoAnswer,  // every named display refused or did not answer in time
  NotProbed, // another platform (offscreen, ...), or a DISPLAY this probe cannot read
};

struct DisplayProbe {
  DisplayAnswer answer;
  std::string display; // for NoAnswer: the display named in a message, X's first
};

// Connects to the socket of each display the platform would use, and closes
// it again at once.
DisplayProbe ProbeDisplay(const DisplaySettings& settings);

// An X display name "[host]:number[.screen]"; host empty or "unix" for the
// local sockets. Nothing for a name this probe cannot read.
struct X11Address {
  std::string host;
  int number = 0;
};
std::optional<X11Address> ParseX11Display(const std::string& display);
