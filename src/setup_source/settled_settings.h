// MD and REG_S are checked only after all of setup.ini is read, because whether they are
// allowed depends on lines that may come after them.
//  - The folder log is written over any file named MD in the install folder, and an
//    uninstall deletes it. So MD must not name a save, nor a file the install copies there,
//    nor a folder the install copies files into (the file list comes later in setup.ini).
//  - REG_S, joined to REG_P (which may come before or after it), names the maker's key.
//    Like REG_P, that key must stay out of the system's own trees.
#pragma once

#include "setup_source/setup_description.h"

// Called just before a line of setup.ini replaces the setting. Keeps the old value and its
// line, in case the new one is refused at the end.
void NoteSettledSettingLine(SettingIndex setting);
// Called after the whole text is read. A refused MD or REG_S goes back to its earlier
// value, or to its default if that is refused too. The error is reported on the line
// that last set it, and the setting's line goes back with its value.
void SettleSettings();
