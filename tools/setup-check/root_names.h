// The files at the disc root that Windows finds by name in any case: setup.exe,
// setup.bmp, setup.ini and autorun.inf. Both publisher's tools find them the same way, so
// a SETUP.EXE is the launcher to both.
#pragma once

enum RootFile { kRootSetupExe, kRootSetupBmp, kRootSetupIni, kRootAutorun, kRootFileCount };

// Whether two names are the same with ASCII letters in either case, as Windows matches
// the root files' names. The names compared against are ASCII, so no byte of a two-byte
// character is ever taken for a letter of theirs.
bool SameNameIgnoringCase(const char* a, const char* b);

// Lists the current folder and finds each root file. Call before setup.ini is opened.
void FindRootNames();

// The root file's name as the folder spells it, or nullptr when it has none.
const char* RootName(RootFile file);

// Reports as an error each root file the folder spells twice ("setup.exe" and
// "SETUP.EXE"): a disc holds both, and which one Windows opens is chance.
void ReportRootNameClashes();
