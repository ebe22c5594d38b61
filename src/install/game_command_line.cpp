#include "install/game_command_line.h"

#include "path/path_characters.h"
#include "text/bounded_text.h"

namespace {

bool HasBlankOrTab(const char* text) {
  // Byte by byte is safe: second bytes in code page 932 are 0x40 or more, so a byte 0x20
  // or 0x09 is always a real blank or tab.
  for (const char* p = text; *p != '\0'; ++p) {
    if (*p == ' ' || *p == '\t') return true;
  }
  return false;
}

}  // namespace

bool FormGameExecutable(char* out, size_t cap, const char* installFolder, const char* exe) {
  return JoinPath(out, cap, installFolder, exe);
}

bool FormGameCommandLine(char* out, size_t cap, const char* installFolder, const char* exe,
                         const char* sourceFolder) {
  char executable[kPathSize];
  bool whole = FormGameExecutable(executable, sizeof executable, installFolder, exe);
  const char* format = HasBlankOrTab(executable) ? "\"%s\" %s 1" : "%s %s 1";
  return FormatText(out, cap, format, executable, sourceFolder) && whole;
}
