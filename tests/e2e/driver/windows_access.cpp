// Operating another process's windows the way a person would, only through messages any
// program may send: no hooks or test switches inside the launcher.
#include "e2e.h"

namespace e2e {

namespace {

const DWORD kPollMs = 40;
int g_ShotNumber = 0;
std::wstring g_ShotScenario;

struct Search {
  DWORD processId;
  const wchar_t* caption;
  int childId;
  HWND found;
};

BOOL CALLBACK MatchTopLevel(HWND window, LPARAM parameter)
{
  Search& search = *reinterpret_cast<Search*>(parameter);
  DWORD owner = 0;
  GetWindowThreadProcessId(window, &owner);
  if (owner != search.processId || !IsWindowVisible(window)) {
    return TRUE;
  }
  if (search.caption != nullptr && WindowText(window) != search.caption) {
    return TRUE;
  }
  if (search.childId != 0 && GetDlgItem(window, search.childId) == nullptr) {
    return TRUE;
  }
  search.found = window;
  return FALSE;
}

BOOL CALLBACK DescribeTopLevel(HWND window, LPARAM parameter)
{
  std::pair<DWORD, std::wstring*>& what = *reinterpret_cast<std::pair<DWORD, std::wstring*>*>(parameter);
  DWORD owner = 0;
  GetWindowThreadProcessId(window, &owner);
  if (owner == what.first && IsWindowVisible(window)) {
    *what.second += L" [\"" + WindowText(window) + L"\"";
    for (const std::wstring& text : StaticTexts(window)) {
      *what.second += L" \"" + text + L"\"";
    }
    *what.second += L"]";
  }
  return TRUE;
}

BOOL CALLBACK CollectStatic(HWND child, LPARAM parameter)
{
  wchar_t className[64] = {};
  GetClassNameW(child, className, 64);
  if (lstrcmpiW(className, L"Static") == 0) {
    reinterpret_cast<std::vector<std::wstring>*>(parameter)->push_back(WindowText(child));
  }
  return TRUE;
}

void WriteBitmap(const std::wstring& path, int width, int height, const void* pixels)
{
  int stride = (width * 3 + 3) & ~3;
  BITMAPFILEHEADER file{};
  BITMAPINFOHEADER info{};
  info.biSize = sizeof info;
  info.biWidth = width;
  info.biHeight = height;
  info.biPlanes = 1;
  info.biBitCount = 24;
  info.biSizeImage = static_cast<DWORD>(stride * height);
  file.bfType = 0x4D42;
  file.bfOffBits = sizeof file + sizeof info;
  file.bfSize = file.bfOffBits + info.biSizeImage;
  HANDLE out = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
  if (out == INVALID_HANDLE_VALUE) {
    Print(Format(L"  (screenshot %ls not written)", path.c_str()));
    return;
  }
  DWORD written = 0;
  WriteFile(out, &file, sizeof file, &written, nullptr);
  WriteFile(out, &info, sizeof info, &written, nullptr);
  WriteFile(out, pixels, info.biSizeImage, &written, nullptr);
  CloseHandle(out);
}

} // namespace

void StartLauncher(Launcher& launcher)
{
  wchar_t commandLine[] = L"Q:\\setup.exe";
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  // Started from C:\ on purpose: the launcher has to find its disc by itself.
  if (!CreateProcessW(L"Q:\\setup.exe", commandLine, nullptr, nullptr, FALSE, 0, nullptr, L"C:\\",
                      &startup, &launcher.process)) {
    throw Abort{Format(L"Q:\\setup.exe could not be started (error %lu)", GetLastError())};
  }
  launcher.running = true;
}

DWORD WaitForExit(Launcher& launcher, DWORD timeoutMs, const wchar_t* what)
{
  if (WaitForSingleObject(launcher.process.hProcess, timeoutMs) != WAIT_OBJECT_0) {
    throw Abort{Format(L"setup.exe did not end: %ls", what)};
  }
  DWORD code = 1;
  GetExitCodeProcess(launcher.process.hProcess, &code);
  CloseHandle(launcher.process.hProcess);
  CloseHandle(launcher.process.hThread);
  launcher.running = false;
  return code;
}

void KillLauncher(Launcher& launcher)
{
  if (!launcher.running) {
    return;
  }
  TerminateProcess(launcher.process.hProcess, 99);
  WaitForSingleObject(launcher.process.hProcess, 10000);
  CloseHandle(launcher.process.hProcess);
  CloseHandle(launcher.process.hThread);
  launcher.running = false;
}

std::wstring VisibleWindows(DWORD processId)
{
  std::wstring list;
  std::pair<DWORD, std::wstring*> what{processId, &list};
  EnumWindows(DescribeTopLevel, reinterpret_cast<LPARAM>(&what));
  return list.empty() ? L" none" : list;
}

HWND FindWindowOf(DWORD processId, const wchar_t* caption, int childId)
{
  Search search{processId, caption, childId, nullptr};
  EnumWindows(MatchTopLevel, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

HWND WaitForWindow(DWORD processId, const wchar_t* caption, int childId, DWORD timeoutMs,
                   const wchar_t* what)
{
  DWORD start = GetTickCount();
  for (;;) {
    HWND found = FindWindowOf(processId, caption, childId);
    if (found != nullptr) {
      return found;
    }
    if (GetTickCount() - start > timeoutMs) {
      Screenshot(L"timeout");
      throw Abort{Format(L"timed out waiting for %ls; windows shown:", what) +
                  VisibleWindows(processId)};
    }
    Sleep(kPollMs);
  }
}

void WaitForGone(HWND window, DWORD timeoutMs, const wchar_t* what)
{
  DWORD start = GetTickCount();
  // Destroyed, not only hidden: the code after the dialog runs once it is destroyed.
  while (IsWindow(window)) {
    if (GetTickCount() - start > timeoutMs) {
      Screenshot(L"timeout");
      DWORD processId = 0;
      GetWindowThreadProcessId(window, &processId);
      throw Abort{Format(L"timed out waiting for %ls to close; windows shown:", what) +
                  VisibleWindows(processId)};
    }
    Sleep(kPollMs);
  }
}

bool WaitUntil(bool (*condition)(void*), void* context, DWORD timeoutMs)
{
  DWORD start = GetTickCount();
  while (!condition(context)) {
    if (GetTickCount() - start > timeoutMs) {
      return false;
    }
    Sleep(kPollMs);
  }
  return true;
}

std::wstring WindowText(HWND window)
{
  wchar_t text[2048] = {};
  GetWindowTextW(window, text, 2048);
  return text;
}

HWND Item(HWND dialog, int id)
{
  HWND item = GetDlgItem(dialog, id);
  if (item == nullptr) {
    throw Abort{Format(L"control %d missing from window \"%ls\"", id, WindowText(dialog).c_str())};
  }
  return item;
}

// WM_GETTEXT rather than GetWindowTextW: an edit control's text lives in the control.
std::wstring ItemText(HWND dialog, int id)
{
  wchar_t text[2048] = {};
  DWORD_PTR result = 0;
  SendMessageTimeoutW(Item(dialog, id), WM_GETTEXT, 2048, reinterpret_cast<LPARAM>(text),
                      SMTO_NORMAL, 10000, &result);
  return text;
}

std::vector<std::wstring> StaticTexts(HWND dialog)
{
  std::vector<std::wstring> texts;
  EnumChildWindows(dialog, CollectStatic, reinterpret_cast<LPARAM>(&texts));
  return texts;
}

bool ItemEnabled(HWND dialog, int id)
{
  return IsWindowEnabled(Item(dialog, id)) != FALSE;
}

int ItemChecked(HWND dialog, int id)
{
  DWORD_PTR state = 0;
  SendMessageTimeoutW(Item(dialog, id), BM_GETCHECK, 0, 0, SMTO_NORMAL, 10000, &state);
  return static_cast<int>(state);
}

// Posted, not sent: a click may open a modal dialog that would block a sent message.
void Click(HWND dialog, int id)
{
  HWND button = Item(dialog, id);
  if (!IsWindowEnabled(button)) {
    throw Abort{Format(L"control %d of \"%ls\" is disabled and cannot be pressed", id,
                       WindowText(dialog).c_str())};
  }
  PostMessageW(button, BM_CLICK, 0, 0);
}

void SetItemText(HWND dialog, int id, const std::wstring& text)
{
  DWORD_PTR result = 0;
  SendMessageTimeoutW(Item(dialog, id), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()),
                      SMTO_NORMAL, 10000, &result);
}

void RequestClose(HWND window)
{
  PostMessageW(window, WM_CLOSE, 0, 0);
}

// Lets the window's thread catch up and paint before a picture is taken.
void Settle(HWND window)
{
  DWORD_PTR result = 0;
  SendMessageTimeoutW(window, WM_NULL, 0, 0, SMTO_NORMAL, 10000, &result);
  Sleep(250);
  SendMessageTimeoutW(window, WM_NULL, 0, 0, SMTO_NORMAL, 10000, &result);
}

void Screenshot(const wchar_t* label)
{
  if (!g_Settings.screenshots || g_Settings.artifacts.empty()) {
    return;
  }
  if (g_ShotScenario != ScenarioName()) {
    g_ShotScenario = ScenarioName();
    g_ShotNumber = 0;
  }
  ++g_ShotNumber;
  HDC screen = GetDC(nullptr);
  int width = GetDeviceCaps(screen, HORZRES);
  int height = GetDeviceCaps(screen, VERTRES);
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = width;
  info.bmiHeader.biHeight = height;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 24;
  void* pixels = nullptr;
  HBITMAP bitmap = CreateDIBSection(screen, &info, DIB_RGB_COLORS, &pixels, nullptr, 0);
  HDC memory = CreateCompatibleDC(screen);
  HGDIOBJ old = SelectObject(memory, bitmap);
  BitBlt(memory, 0, 0, width, height, screen, 0, 0, SRCCOPY);
  GdiFlush();
  std::wstring path = Format(L"%ls\\%ls-%02d-%ls.bmp", g_Settings.artifacts.c_str(),
                             ScenarioName().c_str(), g_ShotNumber, label);
  WriteBitmap(path, width, height, pixels);
  SelectObject(memory, old);
  DeleteObject(bitmap);
  DeleteDC(memory);
  ReleaseDC(nullptr, screen);
}

void AnswerMessageBox(DWORD processId, const wchar_t* caption, const std::wstring& text,
                      HWND expectedOwner, const wchar_t* shotLabel)
{
  HWND box = WaitForWindow(processId, caption, IDOK, 60000,
                           Format(L"message box \"%ls\"", caption).c_str());
  std::vector<std::wstring> texts = StaticTexts(box);
  bool found = false;
  for (const std::wstring& shown : texts) {
    found = found || shown == text;
  }
  Check(found, Format(L"message box \"%ls\" shows \"%ls\"", caption, text.c_str()));
  Check(GetWindow(box, GW_OWNER) == expectedOwner,
        Format(L"message box \"%ls\" has the expected owner", caption));
  HWND cancel = GetDlgItem(box, IDCANCEL);
  Check(cancel == nullptr || !IsWindowVisible(cancel),
        Format(L"message box \"%ls\" has only an OK button", caption));
  if (shotLabel != nullptr) {
    Settle(box);
    Screenshot(shotLabel);
  }
  Click(box, IDOK);
  WaitForGone(box, 30000, caption);
}

} // namespace e2e
