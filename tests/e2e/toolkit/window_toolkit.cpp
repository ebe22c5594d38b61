#include "window_toolkit.h"

#include <commctrl.h>

#include <cstdarg>

namespace toolkit {

namespace {

std::vector<HWND> VisibleTopLevel(DWORD processId) {
  std::pair<DWORD, std::vector<HWND>> found{processId, {}};
  EnumWindows(
      [](HWND window, LPARAM parameter) {
        auto& found = *reinterpret_cast<std::pair<DWORD, std::vector<HWND>>*>(parameter);
        DWORD owner = 0;
        GetWindowThreadProcessId(window, &owner);
        if (owner == found.first && IsWindowVisible(window)) found.second.push_back(window);
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&found));
  return found.second;
}

LRESULT Send(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  DWORD_PTR result = 0;
  SendMessageTimeoutW(window, message, wParam, lParam, SMTO_NORMAL, 10000, &result);
  return static_cast<LRESULT>(result);
}

}  // namespace

WindowError::WindowError(const std::wstring& why) : std::runtime_error(Utf8(why)), reason(why) {}

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
    throw WindowError(L"the program did not end; windows shown:" + VisibleWindows(process.Id()));
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
  for (HWND window : VisibleTopLevel(processId)) {
    if ((caption == nullptr || WindowText(window) == caption) &&
        (childId == 0 || GetDlgItem(window, childId) != nullptr)) {
      return window;
    }
  }
  return nullptr;
}

std::wstring VisibleWindows(DWORD processId) {
  std::wstring list;
  for (HWND window : VisibleTopLevel(processId)) {
    list += L" [\"" + WindowText(window) + L"\"";
    for (const std::wstring& text : StaticTexts(window)) list += L" \"" + text + L"\"";
    list += L"]";
  }
  return list.empty() ? L" none" : list;
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
  bool ended = false;
  WaitUntil(
      [&] {
        found = FindWindowOf(process.Id(), caption, childId);
        ended = WaitForSingleObject(process.process.hProcess, 0) == WAIT_OBJECT_0;
        return found != nullptr || ended;
      },
      timeoutMs, pollMs);
  if (found == nullptr) {
    throw WindowError(Format(L"%ls waiting for the window \"%ls\"; windows shown:",
                             ended ? L"the program ended" : L"timed out",
                             caption ? caption : L"(any)") +
                      VisibleWindows(process.Id()));
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

std::vector<std::wstring> StaticTexts(HWND dialog) {
  std::vector<std::wstring> texts;
  for (HWND child = GetWindow(dialog, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
    wchar_t className[64] = {};
    GetClassNameW(child, className, 64);
    if (lstrcmpiW(className, L"Static") == 0) texts.push_back(WindowText(child));
  }
  return texts;
}

bool Enabled(HWND dialog, int id) { return IsWindowEnabled(Item(dialog, id)) != FALSE; }

int Checked(HWND dialog, int id) { return Send(Item(dialog, id), BM_GETCHECK, 0, 0); }

int ProgressPosition(HWND dialog, int id) { return Send(Item(dialog, id), PBM_GETPOS, 0, 0); }

void Click(HWND dialog, int id) {
  if (!Enabled(dialog, id)) {
    throw WindowError(Format(L"control %d of \"%ls\" is disabled and cannot be pressed", id,
                             WindowText(dialog).c_str()));
  }
  PostMessageW(Item(dialog, id), BM_CLICK, 0, 0);
}

void PressKey(HWND window, WORD virtualKey) {
  PostMessageW(window, WM_KEYDOWN, virtualKey, 1);
  PostMessageW(window, WM_KEYUP, virtualKey, 0xC0000001);
}

void RequestClose(HWND window) { PostMessageW(window, WM_CLOSE, 0, 0); }

void SetItemText(HWND dialog, int id, const std::wstring& text) {
  Send(Item(dialog, id), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
}

}  // namespace toolkit
