// Two settings are judged against lines that may come after them, so they are settled once
// the text is read. The folder log is written over whatever bears MD's name in the install
// folder, and an uninstall deletes it: MD must name neither a save nor a file the install
// copies there (the files are listed below). REG_S with REG_P (read later or earlier) names
// the maker's key, which must stay out of the system's own trees, as REG_P must.
#pragma once

struct SetupKeyword;

// A line of the setting is about to replace it: keeps the value it held until then.
void NoteSettledSettingLine(const SetupKeyword& k);
// After the text: a refused MD or REG_S goes back to its earlier value, or to its default
// when that is refused too, with an error on its last line.
void SettleSettings();
