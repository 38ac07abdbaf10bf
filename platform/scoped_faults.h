#pragma once
// The one form of the platform's test hooks. Tests run as root, where
// permission bits stop nothing, so failing disks, refused names and
// unreadable folders are simulated by the platform itself. Each service
// keeps a struct of its faults (none by default); a test installs faults for
// the lifetime of a ScopedFaults. Production code never sets them. Threads
// of a run (moves in flight) only read them, so a test changes them only
// while no move is in flight; a hook they call is called by one at a time.

template <class Faults> Faults& ActiveFaults() {
  static Faults faults;
  return faults;
}

template <class Faults> class ScopedFaults {
public:
  explicit ScopedFaults(const Faults& faults) { ActiveFaults<Faults>() = faults; }
  ~ScopedFaults() { ActiveFaults<Faults>() = Faults{}; }
  ScopedFaults(const ScopedFaults&) = delete;
  ScopedFaults& operator=(const ScopedFaults&) = delete;
};
