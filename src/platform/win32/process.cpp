// Process-wide settings made once at start.
#include <windows.h>

#include "platform/platform.h"

void OsPrepareProcess() {
  // An empty CD-ROM drive then reads as an empty label instead of raising "no disk".
  SetErrorMode(SEM_FAILCRITICALERRORS);
}
