// What the launcher leaves on the machine: registry values with their types and bytes, files
// with their bytes and attributes, the log's code page 932 bytes.
#include <fstream>

#include "launcher_test.h"

namespace e2e {

namespace {

const wchar_t kProductKey[] = L"Software\\ほしみ工房\\HOSHIMI";

std::string Raw(const void* data, size_t size) {
  return std::string(static_cast<const char*>(data), size);
}

}  // namespace

std::wstring Setting(const wchar_t* name) {
  wchar_t value[1024] = {};
  GetEnvironmentVariableW(name, value, 1024);
  return value;
}

int ValueCount() {
  HKEY key = nullptr;
  DWORD values = 0;
  if (RegOpenKeyExW(HKEY_CURRENT_USER, kProductKey, 0, KEY_READ, &key) != ERROR_SUCCESS) return -1;
  RegQueryInfoKeyW(key, 0, 0, 0, 0, 0, 0, &values, 0, 0, 0, 0);
  RegCloseKey(key);
  return static_cast<int>(values);
}

// Texts come back as UTF-16 through the wide API, without a terminating zero like the record.
void ExpectRecord(DWORD kind, DWORD mask, const std::wstring& folder) {
  const std::tuple<const wchar_t*, DWORD, std::string> values[] = {
      {L"INSTFLAG", REG_DWORD, Raw(&kind, 4)},
      {L"INSTTYPE", REG_DWORD, Raw(&mask, 4)},
      {L"CDPATH", REG_SZ, Raw(L"Q:\\", 6)},
      {L"GAMEPATH", REG_SZ, Raw(folder.data(), folder.size() * 2)}};
  for (const auto& [name, type, bytes] : values) {
    BYTE data[4096];
    DWORD size = sizeof data;
    DWORD found = 0;
    RegGetValueW(HKEY_CURRENT_USER, kProductKey, name, RRF_RT_ANY | RRF_NOEXPAND, &found, data,
                 &size);
    EXPECT_EQ(found, type) << Utf8(name);
    EXPECT_EQ(Raw(data, found ? size : 0), bytes) << Utf8(name);
  }
  EXPECT_EQ(ValueCount(), 4);
}

std::string ReadBytes(const std::wstring& path) {
  std::ifstream in(fs::path(path), std::ios::binary);
  return in ? std::string(std::istreambuf_iterator<char>(in), {}) : "<missing>";
}

void WriteBytes(const std::wstring& path, const std::string& bytes) {
  fs::create_directories(fs::path(path).parent_path());
  std::ofstream out(fs::path(path), std::ios::binary);
  ASSERT_TRUE(out.write(bytes.data(), bytes.size()).flush()) << Utf8(path);
}

// Copies of the read-only disc are read-only too: clear that before deleting.
void ClearFolder(const std::wstring& folder) {
  std::error_code error;
  for (const auto& entry : fs::recursive_directory_iterator(folder, error)) {
    fs::permissions(entry.path(), fs::perms::owner_write, fs::perm_options::add, error);
  }
  for (const auto& entry : fs::directory_iterator(folder, error)) fs::remove_all(entry, error);
}

void ExpectInstalledFiles(const std::wstring& folder, DWORD mask) {
  EXPECT_FALSE(fs::is_regular_file(folder + L"\\はじめに.txt"))
      << "a file of no type is not copied";
  for (const DiscFile& file : kFiles) {
    std::wstring target = folder + L"\\" + file.path;
    if (((mask >> file.type) & 1) == 0) {
      EXPECT_FALSE(fs::is_regular_file(target)) << Utf8(target);
    } else {
      EXPECT_TRUE(ReadBytes(target) == ReadBytes(std::wstring(L"Q:\\HOSHIMI\\") + file.path))
          << Utf8(target);
      EXPECT_FALSE(GetFileAttributesW(target.c_str()) & FILE_ATTRIBUTE_READONLY) << Utf8(target);
    }
  }
}

void ExpectLog(const std::wstring& parent, const std::wstring& folder, DWORD mask, int files) {
  std::wstring text = parent + L"\n" + folder + L"\n";
  for (const DiscFile& file : kFiles) {
    if (((mask >> file.type) & 1) && files-- > 0 && file.newFolder) {
      text += folder + L"\\" + file.newFolder + L"\n";
    }
  }
  std::string expected(text.size() * 2, '\0');
  expected.resize(WideCharToMultiByte(932, 0, text.data(), text.size(), expected.data(),
                                      expected.size(), nullptr, nullptr));
  // The log is the flow's last step: wait for it rather than a guessed time.
  WaitUntil([&] { return ReadBytes(folder + L"\\hoshimi._md") == expected; }, 10000);
  EXPECT_EQ(ReadBytes(folder + L"\\hoshimi._md"), expected) << Utf8(text);
}

}  // namespace e2e
