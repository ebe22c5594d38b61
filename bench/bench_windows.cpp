// Timing, figures and the bench disc's files; the windows are driven through the toolkit.
#include <algorithm>

#include "bench.h"

namespace bench {

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

std::wstring RatioFigures(double ratioOfMedians, const std::vector<double>& ratios,
                          const wchar_t* target) {
  std::wstring perRun = Figures(ratios, 1.0, L"");
  return Format(L"%.3f (ratio of the medians; per run%ls   %ls", ratioOfMedians,
                perRun.substr(perRun.find(L" (runs") + 6).c_str(), target);
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
