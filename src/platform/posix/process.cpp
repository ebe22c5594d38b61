// Nothing to prepare on a POSIX system: no system boxes for empty drives.
#include "platform/platform.h"

void OsPrepareProcess() {}
