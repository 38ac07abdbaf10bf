#include "platform/move_faults.h"

MoveFaults& ActiveMoveFaults() {
  static MoveFaults faults;
  return faults;
}
