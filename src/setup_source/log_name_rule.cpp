#include "setup_source/log_name_rule.h"

#include "setup_source/save_name.h"
#include "setup_source/setup_description.h"
#include "setup_source/setup_report.h"
#include "setup_source/setup_stream.h"
#include "text/bounded_text.h"
#include "text/sjis.h"

namespace {

char g_EarlierLogName[kShortSettingCapacity + 1];
int g_LogNameLine;  // 0 while no MD line was read

char Upper(char c) { return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c; }

// Windows' reading of two names: trailing dots and blanks dropped, ASCII letters in any
// case; the second byte of a character is compared as it is.
bool SameWindowsName(const char* a, const char* b) {
  size_t length = WindowsNameLength(a);
  if (WindowsNameLength(b) != length) return false;
  for (size_t i = 0; i < length; ++i) {
    if (IsLeadByte(static_cast<unsigned char>(a[i])) && i + 1 < length) {
      if (a[i] != b[i] || a[i + 1] != b[i + 1]) return false;
      ++i;
    } else if (Upper(a[i]) != Upper(b[i])) {
      return false;
    }
  }
  return true;
}

bool IsInGameFolderItself(const char* fileLine) {
  for (const char* p = fileLine; *p; p += CharLength(p)) {
    if (*p == '\\' || *p == '/') return false;
  }
  return true;
}

bool CollidesWithGameFile(const char* name) {
  if (HasSaveExtension(name)) return true;
  for (int i = 0; i < g_Setup.fileCount && i < kMaxFileEntries; ++i) {
    const char* file = g_Setup.files[i].name;
    if (IsInGameFolderItself(file) && SameWindowsName(file, name)) return true;
  }
  return false;
}

}  // namespace

void BeginLogNameRule() { g_LogNameLine = 0; }

void NoteLogNameLine() {
  CopyText(g_EarlierLogName, sizeof g_EarlierLogName, g_Setup.MD);
  g_LogNameLine = g_SetupTextLine;
}

void SettleLogName() {
  if (g_LogNameLine == 0 || !CollidesWithGameFile(g_Setup.MD)) return;
  char refused[kShortSettingCapacity + 1];
  CopyText(refused, sizeof refused, g_Setup.MD);
  const char* kept = CollidesWithGameFile(g_EarlierLogName) ? "game._md" : g_EarlierLogName;
  CopyText(g_Setup.MD, sizeof g_Setup.MD, kept);
  int textLine = g_SetupTextLine;
  g_SetupTextLine = g_LogNameLine;
  ReportSetupProblem(kSetupError, kLogNameRefused, "MD", refused, "MD", g_Setup.MD);
  g_SetupTextLine = textLine;
}
