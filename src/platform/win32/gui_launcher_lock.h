// One launcher per product key.
// Texts cross as code page 932 and are converted explicitly, so Japanese shows right on any
// system code page.
#pragma once
#include <stddef.h>
#include <windows.h>

// One launcher per product key. true when this process is the first under lockName and may
// go on (it holds the name until it ends); false when another launcher holds it: that one's
// open dialog, else its main window, has been brought to the front.
bool GuiClaimLauncherLock(const char* lockName);
