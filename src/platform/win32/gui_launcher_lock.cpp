// Allows one launcher per product key. A named shared memory block holds the first
// launcher's process id. A second launcher brings the first one's window to the front
// instead of showing its own.
#include "platform/win32/gui_launcher_lock.h"

#include "platform/launcher_lock_name.h"
#include "platform/win32/wide_text.h"

namespace {

struct ShownWindows {
  DWORD process;
  HWND dialog;  // the topmost enabled dialog or message box
  HWND other;   // the main window, used when there is no dialog
};

BOOL CALLBACK NoteShownWindow(HWND window, LPARAM data) {
  ShownWindows& shown = *reinterpret_cast<ShownWindows*>(data);
  DWORD process = 0;
  GetWindowThreadProcessId(window, &process);
  if (process != shown.process || !IsWindowVisible(window) || !IsWindowEnabled(window)) {
    return TRUE;
  }
  // The launcher's dialogs have no owner, so the main window stays enabled while they
  // are open. Look for both, and prefer the dialog.
  wchar_t className[8] = L"";
  GetClassNameW(window, className, 8);
  HWND& slot = lstrcmpW(className, L"#32770") == 0 ? shown.dialog : shown.other;
  if (slot == nullptr) slot = window;  // windows come top first, so keep the first
  return TRUE;
}

ShownWindows FindShownWindows(DWORD process) {
  ShownWindows shown = {process, nullptr, nullptr};
  EnumWindows(NoteShownWindow, reinterpret_cast<LPARAM>(&shown));
  return shown;
}

HWND WindowToFront(DWORD process) {
  ShownWindows shown = FindShownWindows(process);
  return shown.dialog != nullptr ? shown.dialog : shown.other;
}

}  // namespace

HWND GuiOpenDialog() { return FindShownWindows(GetCurrentProcessId()).dialog; }

bool GuiClaimLauncherLock(const char* keyPath) {
  char lockName[kLauncherLockNameCapacity];
  FormLauncherLockName(keyPath, lockName, sizeof lockName);
  wchar_t name[kWideCapacity];
  if (!ToWideStrict(lockName, name, kWideCapacity)) return true;
  HANDLE block =
      CreateFileMappingW(INVALID_HANDLE_VALUE, nullptr, PAGE_READWRITE, 0, sizeof(LONG), name);
  // If the lock cannot be made, run as if this were the only launcher.
  if (block == nullptr) return true;
  bool first = GetLastError() != ERROR_ALREADY_EXISTS;
  auto owner = static_cast<LONG volatile*>(MapViewOfFile(block, FILE_MAP_WRITE, 0, 0, 0));
  if (owner == nullptr) return first;
  // The first launcher keeps the block open until it exits; then the name is free again.
  if (first) {
    InterlockedExchange(owner, static_cast<LONG>(GetCurrentProcessId()));
    return true;
  }
  // The first launcher may not have stored its id or made its window yet, so retry for
  // up to ten seconds.
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
