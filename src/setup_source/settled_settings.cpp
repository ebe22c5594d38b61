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
  SettingIndex setting;
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
    {kMdSetting, kDefaultLogName, ReportLogNameRefused, CollidesWithGameFile},
    {kRegSSetting, kDefaultMakerName, ReportMakerKeyRefused, PutsMakerKeyInSystemTree},
};
const int kSettledCount = sizeof kSettled / sizeof kSettled[0];

// Kept out of the constant table above, so that these zeroed buffers take no room in the
// program file.
struct NotedLine {
  char earlier[kRegistrySettingCapacity + 1];
  int32_t line;  // the line that set earlier, 0 for none
} g_Noted[kSettledCount];

}  // namespace

void NoteSettledSettingLine(SettingIndex setting) {
  for (int i = 0; i < kSettledCount; ++i) {
    if (kSettled[i].setting != setting) continue;
    CopyText(g_Noted[i].earlier, sizeof g_Noted[i].earlier, kSetupKeywords[setting].setting);
    g_Noted[i].line = g_Setup.lines.settings[setting];
  }
}

void SettleSettings() {
  for (int i = 0; i < kSettledCount; ++i) {
    const SettledSetting& s = kSettled[i];
    const SetupKeyword& k = kSetupKeywords[s.setting];
    int32_t& line = g_Setup.lines.settings[s.setting];
    if (line == 0 || !s.refuses(k.setting)) continue;
    bool earlierRefused = s.refuses(g_Noted[i].earlier);
    const char* kept = earlierRefused ? s.fallback : g_Noted[i].earlier;
    g_SetupTextLine = line;
    s.refusal(k.name, k.setting, k.name, kept);
    g_SetupTextLine = 0;
    CopyText(k.setting, k.cap, kept);
    line = earlierRefused ? 0 : g_Noted[i].line;
  }
}
