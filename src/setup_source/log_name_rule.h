// The folder log is written over whatever bears MD's name in the install folder, and an
// uninstall deletes it: MD must name neither a save nor a file the install copies there.
// Files may be listed below the MD line, so the rule is settled once the text is read.
#pragma once

// An MD line is about to replace the setting: keeps the value it held until then.
void NoteLogNameLine();
// After the file list: a colliding MD goes back to its earlier value, or to game._md when
// that collides too, with an error on the MD line.
void SettleLogName();
