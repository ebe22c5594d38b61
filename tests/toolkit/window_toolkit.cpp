#include "window_toolkit.h"

#include <commctrl.h>

#include <cstdarg>

namespace toolkit {

namespace {

LRESULT Send(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {  // -1: no answer
  DWORD_PTR result = 0;
  bool ok = SendMessageTimeoutW(window, message, wParam, lParam, SMTO_NORMAL, 10000, &result);
  return ok ? static_cast<LRESULT>(result) : -1;
}

INPUT Key(WORD virtualKey, wchar_t character, DWORD flags) {
  return {INPUT_KEYBOARD, {.ki = {virtualKey, character, flags, 0, 0}}};
}

}  // namespace

std::string Utf8(const std::wstring& text) {
  int size = static_cast<int>(text.size());
  std::string bytes(WideCharToMultiByte(CP_UTF8, 0, text.data(), size, nullptr, 0, 0, 0), '\0');
  WideCharToMultiByte(CP_UTF8, 0, text.data(), size, bytes.data(), bytes.size(), 0, 0);
  return bytes;
}

std::wstring Format(const wchar_t* format, ...) {
  va_list arguments;
  va_start(arguments, format);
  std::wstring text(_vscwprintf(format, arguments) + 1, L'\0');
  va_end(arguments);
  va_start(arguments, format);
  _vsnwprintf(text.data(), text.size(), format, arguments);
  va_end(arguments);
  text.pop_back();
  return text;
}

void Start(Process& process, const std::wstring& path, const std::wstring& folder) {
  std::wstring commandLine = path;
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  if (!CreateProcessW(path.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                      folder.c_str(), &startup, &process.process)) {
    throw WindowError(Format(L"%ls could not start (error %lu)", path.c_str(), GetLastError()));
  }
  process.running = true;
}

DWORD WaitForExit(Process& process, DWORD timeoutMs) {
  DWORD code = 1;
  if (WaitForSingleObject(process.process.hProcess, timeoutMs) != WAIT_OBJECT_0) {
    throw WindowError(L"the program did not end");
  }
  GetExitCodeProcess(process.process.hProcess, &code);
  Stop(process);
  return code;
}

void Stop(Process& process) {
  if (!process.running) return;
  TerminateProcess(process.process.hProcess, 99);
  WaitForSingleObject(process.process.hProcess, 30000);
  CloseHandle(process.process.hProcess);
  CloseHandle(process.process.hThread);
  process.running = false;
}

HWND FindWindowOf(DWORD processId, const wchar_t* caption, int childId) {
  for (HWND window = nullptr; (window = FindWindowExW(nullptr, window, nullptr, caption));) {
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    if (owner == processId && IsWindowVisible(window) &&
        (!childId || GetDlgItem(window, childId))) {
      return window;
    }
  }
  return nullptr;
}

bool WaitUntil(const std::function<bool()>& condition, DWORD timeoutMs, DWORD pollMs) {
  for (DWORD start = GetTickCount(); !condition(); Sleep(pollMs)) {
    if (GetTickCount() - start > timeoutMs) return false;
  }
  return true;
}

HWND WaitForWindow(const Process& process, const wchar_t* caption, int childId, DWORD timeoutMs,
                   DWORD pollMs) {
  HWND found = nullptr;
  auto shown = [&] { return (found = FindWindowOf(process.Id(), caption, childId)) != nullptr; };
  if (!WaitUntil(shown, timeoutMs, pollMs)) {
    throw WindowError(Format(L"timed out waiting for the window \"%ls\"", caption));
  }
  return found;
}

void WaitForDestroyed(HWND window, DWORD timeoutMs, DWORD pollMs) {
  std::wstring caption = WindowText(window);
  if (!WaitUntil([window] { return !IsWindow(window); }, timeoutMs, pollMs)) {
    throw WindowError(L"timed out waiting for \"" + caption + L"\" to close");
  }
}

void Sync(HWND window) { Send(window, WM_NULL, 0, 0); }

HWND Item(HWND dialog, int id) {
  if (HWND item = GetDlgItem(dialog, id)) return item;
  throw WindowError(Format(L"control %d missing from \"%ls\"", id, WindowText(dialog).c_str()));
}

std::wstring WindowText(HWND window) {
  wchar_t text[2048] = {};
  GetWindowTextW(window, text, 2048);
  return text;
}

// WM_GETTEXT rather than GetWindowTextW: an edit control's text lives in the control.
std::wstring ItemText(HWND dialog, int id) {
  wchar_t text[2048] = {};
  Send(Item(dialog, id), WM_GETTEXT, 2048, reinterpret_cast<LPARAM>(text));
  return text;
}

bool Enabled(HWND dialog, int id) { return IsWindowEnabled(Item(dialog, id)) != FALSE; }

int Checked(HWND dialog, int id) { return Send(Item(dialog, id), BM_GETCHECK, 0, 0); }

int ProgressPosition(HWND bar) { return Send(bar, PBM_GETPOS, 0, 0); }

HWND Focus(const Process& process) {
  GUITHREADINFO info{};
  info.cbSize = sizeof info;
  GetGUIThreadInfo(process.process.dwThreadId, &info);
  return info.hwndFocus;
}

void Click(HWND dialog, int id) {
  if (!Enabled(dialog, id)) throw WindowError(Format(L"control %d is disabled", id));
  PostMessageW(Item(dialog, id), BM_CLICK, 0, 0);
}

void RequestClose(HWND window) { PostMessageW(window, WM_CLOSE, 0, 0); }

void SetItemText(HWND dialog, int id, const std::wstring& text) {
  Send(Item(dialog, id), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
}

void PressKey(WORD virtualKey, bool shift) {
  INPUT keys[4] = {Key(VK_SHIFT, 0, 0), Key(virtualKey, 0, 0), Key(virtualKey, 0, KEYEVENTF_KEYUP),
                   Key(VK_SHIFT, 0, KEYEVENTF_KEYUP)};
  SendInput(shift ? 4 : 2, keys + (shift ? 0 : 1), sizeof keys[0]);
}

void TypeText(const std::wstring& text) {
  for (wchar_t character : text) {
    INPUT keys[2] = {Key(0, character, KEYEVENTF_UNICODE),
                     Key(0, character, KEYEVENTF_UNICODE | KEYEVENTF_KEYUP)};
    SendInput(2, keys, sizeof keys[0]);
  }
}

}  // namespace toolkit
