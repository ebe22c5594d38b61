// Resolves type references. A reference is the start of a declared type's name; the
// first type that matches, in the order declared, wins.
#include "setup_source/type_reference.h"

#include <string.h>

#include "platform/platform.h"
#include "setup_source/setup_description.h"
#include "setup_source/setup_report.h"

int FindDataType(const char* reference) {
  size_t n = strlen(reference);
  if (n > 0) {
    for (int i = 0; i < g_Setup.typeCount && i < kMaxDataTypes; ++i) {
      // strncmp stops at the name's terminator, so a name shorter than the reference never
      // matches.
      if (strncmp(g_Setup.types[i].name, reference, n) == 0) return i;
    }
  }
  // Deliberate: the launcher has always shown these two "TEST" boxes to a publisher who
  // tests a disc with such a reference. setup-check reports the line instead.
  if (!ReportUnknownTypeReference(reference)) {
    OsMessageBox(OsMainWindow(), "not list type", "TEST");
    OsMessageBox(OsMainWindow(), reference, "TEST");
  }
  return -1;
}
