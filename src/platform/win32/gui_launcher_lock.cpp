// One launcher per product key: a named block holds the first launcher's process id, and a
// later launcher brings that one's window to the front instead of showing its own.
#include "platform/win32/gui_launcher_lock.h"

#include "platform/win32/wide_text.h"

namespace {

struct ShownWindows {
  DWORD process;
  HWND dialog;  // the topmost enabled dialog or message box
  HWND other;   // else the main window
};

BOOL CALLBACK NoteShownWindow(HWND window, LPARAM data) {
  ShownWindows& shown = *reinterpret_cast<ShownWindows*>(data);
  DWORD process = 0;
  GetWindowThreadProcessId(window, &process);
  if (process != shown.process || !IsWindowVisible(window) || !IsWindowEnabled(window)) {
    return TRUE;
  }
  // The dialogs of the flows have no owner, so the main window is enabled beside them.
  wchar_t className[8] = L"";
  GetClassNameW(window, className, 8);
  HWND& slot = lstrcmpW(className, L"#32770") == 0 ? shown.dialog : shown.other;
  if (slot == nullptr) slot = window;  // windows come from the top down
  return TRUE;
}

HWND WindowToFront(DWORD process) {
  ShownWindows shown = {process, nullptr, nullptr};
  EnumWindows(NoteShownWindow, reinterpret_cast<LPARAM>(&shown));
  return shown.dialog != nullptr ? shown.dialog : shown.other;
}

}  // namespace

bool GuiClaimLauncherLock(const char* lockName) {
  wchar_t name[kWideCapacity];
  if (!ToWideStrict(lockName, name, kWideCapacity)) return true;
  HANDLE block =
      CreateFileMappingW(INVALID_HANDLE_VALUE, nullptr, PAGE_READWRITE, 0, sizeof(LONG), name);
  // Without the lock the launcher runs as it would alone.
  if (block == nullptr) return true;
  bool first = GetLastError() != ERROR_ALREADY_EXISTS;
  auto owner = static_cast<LONG volatile*>(MapViewOfFile(block, FILE_MAP_WRITE, 0, 0, 0));
  if (owner == nullptr) return first;
  // The first keeps the block open until it ends, which frees the name.
  if (first) {
    InterlockedExchange(owner, static_cast<LONG>(GetCurrentProcessId()));
    return true;
  }
  // The first may not have stored its id or made its window yet.
  for (int tries = 0; tries < 100; ++tries, Sleep(100)) {
    DWORD process = static_cast<DWORD>(*owner);
    HWND window = process != 0 ? WindowToFront(process) : nullptr;
    if (window == nullptr) continue;
    if (IsIconic(window)) ShowWindow(window, SW_RESTORE);
    SetForegroundWindow(window);
    break;
  }
  UnmapViewOfFile(const_cast<LONG*>(owner));
  CloseHandle(block);
  return false;
}
