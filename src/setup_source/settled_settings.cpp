#include "setup_source/settled_settings.h"

#include "path/folder_relation.h"
#include "path/save_name.h"
#include "setup_source/setting_rules.h"
#include "setup_source/setup_keywords.h"
#include "setup_source/setup_report.h"
#include "setup_source/setup_stream.h"
#include "text/bounded_text.h"

namespace {

struct SettledSetting {
  char* setting;
  size_t cap;
  const char* name;
  const char* fallback;  // the default, never refused
  SettingRefusal refusal;
  bool (*refuses)(const char* value);
};

// Whether MD names a save, a listed file in the game folder itself, or a folder that listed
// files go into (a log written there as a file would stop every copy into it). Names are
// compared the way the file system compares them, after dropping MD's trailing dots and
// blanks as Windows does.
bool CollidesWithGameFile(const char* name) {
  if (HasSaveExtension(name)) return true;
  char trimmed[kShortSettingCapacity + 1];
  CopyTextPart(trimmed, sizeof trimmed, name, WindowsNameLength(name));
  for (int i = 0; i < g_Setup.fileCount; ++i) {
    FolderRelation relation = RelateFolders(g_Setup.files[i].name, trimmed);
    if (relation == kFolderSame || relation == kFolderInside) return true;
  }
  return false;
}

// Whether REG_S puts the maker's key in a system tree. With REG_P just "Software", a maker
// named Microsoft would put the record inside Microsoft's own tree.
bool PutsMakerKeyInSystemTree(const char* maker) {
  char path[2 * kRegistrySettingCapacity + 2];
  FormatText(path, sizeof path, "%s\\%s", g_Setup.REG_P, maker);
  return !IsRegistryKeyPath(path);
}

const SettledSetting kSettled[] = {
    {g_Setup.MD, sizeof g_Setup.MD, "MD", kDefaultLogName, ReportLogNameRefused,
     CollidesWithGameFile},
    {g_Setup.REG_S, sizeof g_Setup.REG_S, "REG_S", kDefaultMakerName, ReportMakerKeyRefused,
     PutsMakerKeyInSystemTree},
};
const int kSettledCount = sizeof kSettled / sizeof kSettled[0];

// Kept out of the constant table above, so that these zeroed buffers take no room in the
// program file.
struct NotedLine {
  char earlier[kRegistrySettingCapacity + 1];
  int line;  // 0 until a line of the setting is read
} g_Noted[kSettledCount];

}  // namespace

void NoteSettledSettingLine(const SetupKeyword& k) {
  for (int i = 0; i < kSettledCount; ++i) {
    if (kSettled[i].setting != k.setting) continue;
    CopyText(g_Noted[i].earlier, sizeof g_Noted[i].earlier, k.setting);
    g_Noted[i].line = g_SetupTextLine;
  }
}

void SettleSettings() {
  for (int i = 0; i < kSettledCount; ++i) {
    const SettledSetting& s = kSettled[i];
    int line = g_Noted[i].line;
    g_Noted[i].line = 0;  // ready for the next load
    if (line == 0 || !s.refuses(s.setting)) continue;
    const char* kept = s.refuses(g_Noted[i].earlier) ? s.fallback : g_Noted[i].earlier;
    g_SetupTextLine = line;
    s.refusal(s.name, s.setting, s.name, kept);
    g_SetupTextLine = 0;
    CopyText(s.setting, s.cap, kept);
  }
}
