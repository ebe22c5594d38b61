// What the launcher leaves on the machine, read back raw: registry values with their types
// and bytes, files with their bytes and attributes; and the clean slate each scenario needs.
#include "e2e.h"

namespace e2e {

// The sample disc's setup.ini names REG_S ほしみ工房 and REG_T HOSHIMI.
const wchar_t* const kProductKey = L"Software\\ほしみ工房\\HOSHIMI";
const wchar_t* const kMakerKey = L"Software\\ほしみ工房";

namespace {

bool QueryValue(const wchar_t* name, DWORD& type, std::string& data)
{
  HKEY key = nullptr;
  if (RegOpenKeyExW(HKEY_CURRENT_USER, kProductKey, 0, KEY_READ, &key) != ERROR_SUCCESS) {
    return false;
  }
  BYTE buffer[4096];
  DWORD size = sizeof buffer;
  LONG result = RegQueryValueExW(key, name, nullptr, &type, buffer, &size);
  RegCloseKey(key);
  if (result != ERROR_SUCCESS) {
    return false;
  }
  data.assign(reinterpret_cast<const char*>(buffer), size);
  return true;
}

void ClearFolder(const std::wstring& folder)
{
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
    std::wstring path = folder + L"\\" + name;
    SetFileAttributesW(path.c_str(), FILE_ATTRIBUTE_NORMAL);
    if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
      ClearFolder(path);
      RemoveDirectoryW(path.c_str());
    } else {
      DeleteFileW(path.c_str());
    }
  } while (FindNextFileW(search, &found));
  FindClose(search);
}

} // namespace

void ResetMachine()
{
  RegDeleteTreeW(HKEY_CURRENT_USER, kMakerKey);
  ClearFolder(g_Settings.targetRoot);
  if (KeyExists(kMakerKey)) {
    throw Abort{L"the maker's registry key could not be removed before the scenario"};
  }
}

bool KeyExists(const wchar_t* path)
{
  HKEY key = nullptr;
  if (RegOpenKeyExW(HKEY_CURRENT_USER, path, 0, KEY_READ, &key) != ERROR_SUCCESS) {
    return false;
  }
  RegCloseKey(key);
  return true;
}

int ValueCount(const wchar_t* path)
{
  HKEY key = nullptr;
  if (RegOpenKeyExW(HKEY_CURRENT_USER, path, 0, KEY_READ, &key) != ERROR_SUCCESS) {
    return -1;
  }
  DWORD values = 0;
  RegQueryInfoKeyW(key, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, &values, nullptr,
                   nullptr, nullptr, nullptr);
  RegCloseKey(key);
  return static_cast<int>(values);
}

void CheckDwordValue(const wchar_t* name, DWORD expected)
{
  DWORD type = 0;
  std::string data;
  if (!QueryValue(name, type, data)) {
    Fail(Format(L"registry value %ls is missing", name));
    return;
  }
  std::string wanted(reinterpret_cast<const char*>(&expected), 4);
  Check(type == REG_DWORD && data == wanted,
        Format(L"%ls is REG_DWORD %ls (got type %lu, bytes %ls)", name, Hex(wanted).c_str(), type,
               Hex(data).c_str()));
}

// Through the wide API the stored text is UTF-16; like the narrow record it carries no
// terminating zero.
void CheckStringValue(const wchar_t* name, const std::wstring& expected)
{
  DWORD type = 0;
  std::string data;
  if (!QueryValue(name, type, data)) {
    Fail(Format(L"registry value %ls is missing", name));
    return;
  }
  std::string wanted(reinterpret_cast<const char*>(expected.c_str()),
                     expected.size() * sizeof(wchar_t));
  Check(type == REG_SZ && data == wanted,
        Format(L"%ls is REG_SZ \"%ls\" without a terminating zero (got type %lu, bytes %ls)", name,
               expected.c_str(), type, Hex(data).c_str()));
}

DWORD Attributes(const std::wstring& path)
{
  return GetFileAttributesW(path.c_str());
}

bool FileExists(const std::wstring& path)
{
  DWORD attributes = Attributes(path);
  return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

bool FolderExists(const std::wstring& path)
{
  DWORD attributes = Attributes(path);
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

std::string ReadBytes(const std::wstring& path)
{
  HANDLE file = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                            0, nullptr);
  if (file == INVALID_HANDLE_VALUE) {
    return std::string("\x01<missing>");
  }
  std::string bytes;
  char buffer[65536];
  DWORD got = 0;
  while (ReadFile(file, buffer, sizeof buffer, &got, nullptr) && got > 0) {
    bytes.append(buffer, got);
  }
  CloseHandle(file);
  return bytes;
}

void WriteBytes(const std::wstring& path, const std::string& bytes)
{
  HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
  if (file == INVALID_HANDLE_VALUE) {
    throw Abort{Format(L"cannot write %ls", path.c_str())};
  }
  DWORD written = 0;
  WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
  CloseHandle(file);
}

void MakeFolders(const std::wstring& path)
{
  for (size_t i = 3; i <= path.size(); ++i) {
    if (i == path.size() || path[i] == L'\\') {
      CreateDirectoryW(path.substr(0, i).c_str(), nullptr);
    }
  }
  if (!FolderExists(path)) {
    throw Abort{Format(L"cannot create %ls", path.c_str())};
  }
}

} // namespace e2e
