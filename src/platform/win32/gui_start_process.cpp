// Starts the installed game with its command line.
#include "platform/win32/gui_start_process.h"

#include "platform/win32/wide_text.h"

bool GuiStartProcess(const char* executable, const char* commandLine) {
  wchar_t wideExecutable[kWideCapacity];
  wchar_t wideCommandLine[kWideCapacity];
  if (!ToWideStrict(executable, wideExecutable, kWideCapacity)) return false;
  if (!ToWideStrict(commandLine, wideCommandLine, kWideCapacity)) return false;
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
