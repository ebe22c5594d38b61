// Starting the installed game with its command line.
#include "platform/win32/gui.h"
#include "platform/win32/wide_text.h"
#include "text/bounded_text.h"

static bool HasBlankOrTab(const char* text) {
  // Trail bytes of code page 932 are 0x40 or more, so a byte 0x20 or 0x09 is always itself.
  for (const char* p = text; *p != '\0'; ++p) {
    if (*p == ' ' || *p == '\t') return true;
  }
  return false;
}

bool FormGameCommandLine(char* out, size_t cap, const char* installFolder, const char* exe,
                         const char* sourceFolder) {
  char executable[1024];
  bool whole = FormatText(executable, sizeof executable, "%s\\%s", installFolder, exe);
  if (!HasBlankOrTab(executable)) {
    return FormatText(out, cap, "%s\\%s %s 1", installFolder, exe, sourceFolder) && whole;
  }
  return FormatText(out, cap, "\"%s\\%s\" %s 1", installFolder, exe, sourceFolder) && whole;
}

bool GuiStartProcess(const char* executable, const char* commandLine) {
  wchar_t wideExecutable[kWideCapacity];
  wchar_t wideCommandLine[kWideCapacity];
  if (!ToWide(executable, wideExecutable, kWideCapacity)) return false;
  if (!ToWide(commandLine, wideCommandLine, kWideCapacity)) return false;
  STARTUPINFOW startup = {};
  startup.cb = sizeof startup;
  startup.dwFlags = STARTF_USESHOWWINDOW;
  startup.wShowWindow = SW_SHOWNORMAL;
  PROCESS_INFORMATION process = {};
  if (!CreateProcessW(wideExecutable, wideCommandLine, nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                      &startup, &process)) {
    return false;
  }
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
  return true;
}
