#include "setup_source/log_name_rule.h"

#include "install/folder_relation.h"
#include "setup_source/save_name.h"
#include "setup_source/setup_description.h"
#include "setup_source/setup_report.h"
#include "setup_source/setup_stream.h"
#include "text/bounded_text.h"

namespace {

char g_EarlierLogName[kShortSettingCapacity + 1];
int g_LogNameLine;  // 0 while no MD line was read

// A listed file of that name in the game folder itself, compared as the file system
// compares names; MD's trailing dots and blanks go first, as Windows drops them.
bool CollidesWithGameFile(const char* name) {
  if (HasSaveExtension(name)) return true;
  char trimmed[kShortSettingCapacity + 1];
  CopyTextPart(trimmed, sizeof trimmed, name, WindowsNameLength(name));
  for (int i = 0; i < g_Setup.fileCount; ++i) {
    if (RelateFolders(g_Setup.files[i].name, trimmed) == kFolderSame) return true;
  }
  return false;
}

}  // namespace

void NoteLogNameLine() {
  CopyText(g_EarlierLogName, sizeof g_EarlierLogName, g_Setup.MD);
  g_LogNameLine = g_SetupTextLine;
}

void SettleLogName() {
  int line = g_LogNameLine;
  g_LogNameLine = 0;  // the next load starts without an MD line
  if (line == 0 || !CollidesWithGameFile(g_Setup.MD)) return;
  const char* kept = CollidesWithGameFile(g_EarlierLogName) ? "game._md" : g_EarlierLogName;
  g_SetupTextLine = line;
  ReportSetupProblem(kSetupError, kLogNameRefused, "MD", g_Setup.MD, "MD", kept);
  g_SetupTextLine = 0;
  CopyText(g_Setup.MD, sizeof g_Setup.MD, kept);
}
