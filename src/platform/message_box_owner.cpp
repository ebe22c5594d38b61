// The window that owns the engine's boxes, the same on every system; the launcher's main
// window reads its own handle from here, so the two cannot disagree.
#include "platform/platform.h"

namespace {
WindowHandle g_MessageBoxOwner;
}  // namespace

void OsSetMessageBoxOwner(WindowHandle owner) { g_MessageBoxOwner = owner; }

WindowHandle OsMessageBoxOwner() { return g_MessageBoxOwner; }
