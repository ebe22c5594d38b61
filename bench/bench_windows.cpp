// Timing, starting programs, and operating their windows only through messages that any
// program may send: the launcher carries no hooks for the bench.
#include <algorithm>
#include <cstdarg>

#include "bench.h"

namespace bench {

namespace {

// Long enough for a window under Wine on a loaded machine; a miss means a broken run.
const DWORD kWaitMs = 120000;
const DWORD kCopyWaitMs = 900000;

struct Search {
  DWORD processId;
  const wchar_t* caption;
  int childId;
  HWND found;
};

BOOL CALLBACK MatchTopLevel(HWND window, LPARAM parameter) {
  Search& search = *reinterpret_cast<Search*>(parameter);
  DWORD owner = 0;
  GetWindowThreadProcessId(window, &owner);
  if (owner != search.processId || !IsWindowVisible(window)) {
    return TRUE;
  }
  if (search.caption != nullptr) {
    wchar_t text[256] = {};
    GetWindowTextW(window, text, 256);
    if (lstrcmpW(text, search.caption) != 0) {
      return TRUE;
    }
  }
  if (search.childId != 0 && GetDlgItem(window, search.childId) == nullptr) {
    return TRUE;
  }
  search.found = window;
  return FALSE;
}

HWND Item(HWND window, int id) {
  HWND item = GetDlgItem(window, id);
  if (item == nullptr) {
    throw Abort{Format(L"control %d is missing", id)};
  }
  return item;
}

}  // namespace

// UTF-8 straight to the output handle, whatever the code page of the run.
void Print(const std::wstring& line) {
  std::wstring text = line + L"\n";
  int length = WideCharToMultiByte(CP_UTF8, 0, text.c_str(), static_cast<int>(text.size()), nullptr,
                                   0, nullptr, nullptr);
  std::string bytes(static_cast<size_t>(length), '\0');
  WideCharToMultiByte(CP_UTF8, 0, text.c_str(), static_cast<int>(text.size()), &bytes[0], length,
                      nullptr, nullptr);
  DWORD written = 0;
  WriteFile(GetStdHandle(STD_OUTPUT_HANDLE), bytes.data(), static_cast<DWORD>(bytes.size()),
            &written, nullptr);
}

std::wstring Format(const wchar_t* format, ...) {
  wchar_t text[2048];
  va_list arguments;
  va_start(arguments, format);
  _vsnwprintf(text, 2047, format, arguments);
  va_end(arguments);
  text[2047] = 0;
  return text;
}

double Seconds() {
  static LARGE_INTEGER frequency;
  if (frequency.QuadPart == 0) {
    QueryPerformanceFrequency(&frequency);
  }
  LARGE_INTEGER now;
  QueryPerformanceCounter(&now);
  return static_cast<double>(now.QuadPart) / static_cast<double>(frequency.QuadPart);
}

double Median(std::vector<double> values) {
  if (values.empty()) {
    return 0.0;
  }
  std::sort(values.begin(), values.end());
  size_t middle = values.size() / 2;
  return values.size() % 2 ? values[middle] : (values[middle - 1] + values[middle]) / 2.0;
}

// "1.23 s (runs 1.20 1.23 1.31)": the median first, then every run in its order.
std::wstring Figures(const std::vector<double>& values, double scale, const wchar_t* unit) {
  std::wstring text = Format(L"%.3f%ls%ls (runs", Median(values) * scale, *unit ? L" " : L"", unit);
  for (double value : values) {
    text += Format(L" %.3f", value * scale);
  }
  return text + L")";
}

std::wstring Row(const std::wstring& label, const std::wstring& figures) {
  std::wstring line = L"  " + label + L":";
  line.resize(std::max<size_t>(line.size() + 1, 40), L' ');
  return line + figures;
}

void Start(Program& program, const std::wstring& path, const std::wstring& folder) {
  std::wstring commandLine = path;
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  if (!CreateProcessW(path.c_str(), &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr,
                      folder.c_str(), &startup, &program.process)) {
    throw Abort{Format(L"%ls could not be started (error %lu)", path.c_str(), GetLastError())};
  }
  program.running = true;
}

// The figures are taken before this: ending the process is only the cleanup.
void Stop(Program& program) {
  if (!program.running) {
    return;
  }
  TerminateProcess(program.process.hProcess, 0);
  WaitForSingleObject(program.process.hProcess, 30000);
  CloseHandle(program.process.hProcess);
  CloseHandle(program.process.hThread);
  program.running = false;
}

HWND FindWindowOf(DWORD processId, const wchar_t* caption, int childId) {
  Search search{processId, caption, childId, nullptr};
  EnumWindows(MatchTopLevel, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

HWND WaitForWindow(const Program& program, const wchar_t* caption, int childId, DWORD pollMs,
                   const wchar_t* what) {
  DWORD start = GetTickCount();
  for (;;) {
    HWND found = FindWindowOf(program.process.dwProcessId, caption, childId);
    if (found != nullptr) {
      return found;
    }
    if (WaitForSingleObject(program.process.hProcess, 0) == WAIT_OBJECT_0) {
      throw Abort{Format(L"the program ended while waiting for %ls", what)};
    }
    if (GetTickCount() - start > kWaitMs) {
      throw Abort{Format(L"timed out waiting for %ls", what)};
    }
    Sleep(pollMs);
  }
}

void WaitForGone(HWND window, DWORD pollMs, const wchar_t* what) {
  DWORD start = GetTickCount();
  while (IsWindow(window) && IsWindowVisible(window)) {
    if (GetTickCount() - start > kCopyWaitMs) {
      throw Abort{Format(L"timed out waiting for %ls to close", what)};
    }
    Sleep(pollMs);
  }
}

bool Enabled(HWND window, int id) { return IsWindowEnabled(Item(window, id)) != FALSE; }

// Posted, not sent: the click opens a modal dialog that would hold a sent message.
void Click(HWND window, int id) {
  HWND button = Item(window, id);
  if (!IsWindowEnabled(button)) {
    throw Abort{Format(L"control %d is disabled and cannot be pressed", id)};
  }
  PostMessageW(button, BM_CLICK, 0, 0);
}

void SetItemText(HWND window, int id, const std::wstring& text) {
  DWORD_PTR result = 0;
  SendMessageTimeoutW(Item(window, id), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()),
                      SMTO_NORMAL, 10000, &result);
}

void ListFiles(const std::wstring& root, const std::wstring& relative,
               std::vector<std::wstring>& files, unsigned long long& bytes) {
  std::wstring folder = relative.empty() ? root : root + L"\\" + relative;
  WIN32_FIND_DATAW found;
  HANDLE search = FindFirstFileW((folder + L"\\*").c_str(), &found);
  if (search == INVALID_HANDLE_VALUE) {
    return;
  }
  do {
    std::wstring name = found.cFileName;
    if (name == L"." || name == L"..") {
      continue;
    }
    std::wstring path = relative.empty() ? name : relative + L"\\" + name;
    if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
      ListFiles(root, path, files, bytes);
    } else {
      files.push_back(path);
      bytes += (static_cast<unsigned long long>(found.nFileSizeHigh) << 32) | found.nFileSizeLow;
    }
  } while (FindNextFileW(search, &found));
  FindClose(search);
}

// Copies of a read-only disc are read-only too: clear that before deleting.
void RemoveTree(const std::wstring& path) {
  DWORD attributes = GetFileAttributesW(path.c_str());
  if (attributes == INVALID_FILE_ATTRIBUTES) {
    return;
  }
  if (!(attributes & FILE_ATTRIBUTE_DIRECTORY)) {
    SetFileAttributesW(path.c_str(), FILE_ATTRIBUTE_NORMAL);
    DeleteFileW(path.c_str());
    return;
  }
  WIN32_FIND_DATAW found;
  HANDLE search = FindFirstFileW((path + L"\\*").c_str(), &found);
  if (search != INVALID_HANDLE_VALUE) {
    do {
      std::wstring name = found.cFileName;
      if (name != L"." && name != L"..") {
        RemoveTree(path + L"\\" + name);
      }
    } while (FindNextFileW(search, &found));
    FindClose(search);
  }
  RemoveDirectoryW(path.c_str());
}

}  // namespace bench
