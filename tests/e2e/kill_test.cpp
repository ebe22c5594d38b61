// The launcher killed during an install and an uninstall: run again, it leaves nothing behind.
#include "launcher_test.h"

namespace e2e {

const wchar_t kFolder[] = L"T:\\kill\\new\\HOSHIMI";
bool Has(const std::wstring& relative, uintmax_t size = 0) {
  std::error_code error;
  fs::path path = fs::path(kFolder) / relative;
  return fs::exists(path, error) && (size == 0 || (fs::file_size(path, error) >= size && !error));
}

bool Logged(const std::wstring& relative) {
  std::wstring line = std::wstring(kFolder) + L"\\" + relative + L"\n";
  return ReadBytes(std::wstring(kFolder) + L"\\hoshimi._md").find(Cp932(line)) != std::string::npos;
}

struct KillPoint {
  const char* name;
  bool uninstall, keepSaves, reinstallMinimum;
  const wchar_t* discFile;  // moved away (its failure box holds the pass); with "+", made big
  bool (*when)();
  // A file where the disc needs a folder: its failure box holds the pass after the log entry.
  const wchar_t* playersFile = nullptr;
};
const uintmax_t kBig = 64 << 20;
const KillPoint kPoints[] = {
    {"InstallFoldersMade", false, false, false, nullptr, [] { return Has(L"hoshimi._md"); }},
    {"InstallFirstFile", false, false, true, nullptr, [] { return Has(L"game.exe", 65536); }},
    {"InstallBetweenALogEntryAndItsFolder", false, false, false, nullptr,
     [] { return Logged(L"sound\\") && !fs::is_directory(fs::path(kFolder) / L"sound"); },
     L"sound"},
    {"InstallMidFile", false, false, false, L"+cg16\\event01.dat",
     [] { return Has(L"cg16\\event01.dat", 1) && !Has(L"cg16\\event01.dat", kBig); }},
    {"InstallLastFileBeforeRecord", false, false, true, L"cg24\\表紙.dat",
     [] { return Has(L"cg24\\event01.dat", 1); }},
    {"InstallOverAKeptSave", false, true, false, nullptr, [] { return Has(L"sound\\bgm01.dat"); }},
    {"UninstallAfterTheFiles", true, false, false, nullptr, [] { return !Has(L"cg24\\表紙.dat"); }},
    {"UninstallBetweenFolders", true, false, false, nullptr, [] { return !Has(L"zz\\1299"); }},
};

class Kill : public LauncherTest, public ::testing::WithParamInterface<KillPoint> {};

TEST_P(Kill, LeavesWhatTheNextInstallAndUninstallRemove) {
  const KillPoint& point = GetParam();
  const std::wstring top = Target(L"kill"), folder = kFolder, mine = top + L"\\mine\\note.txt";
  WriteBytes(top + L"\\mine.txt", "the player's own");
  WriteBytes(mine, "the player's own");
  if (point.keepSaves) WriteBytes(folder + L"\\slot1.sav", "player's save");
  if (point.playersFile) WriteBytes(folder + L"\\" + point.playersFile, "the player's");
  if (point.discFile) {
    const bool big = point.discFile[0] == L'+';
    ReplaceDiscFile(L"HOSHIMI\\" + std::wstring(point.discFile + big),
                    big ? std::optional(std::string(kBig, 'b')) : std::nullopt);
  }
  StartToMain();
  if (point.uninstall) {
    // A complete install, then 300 saves or 300 more logged folders to lengthen its uninstall.
    const bool saves = std::string(point.name) == "UninstallAfterTheFiles";
    Install(folder, IDC_KIND_MAXIMUM);
    std::string log = ReadBytes(folder + L"\\hoshimi._md") + "T:\\kill\\new\\HOSHIMI\\zz\n";
    for (int i = 1000; i < 1300; ++i) {
      std::wstring more = folder + (saves ? L"\\s" : L"\\zz\\") + std::to_wstring(i);
      saves ? WriteBytes(more + L".sav", "save") : (void)fs::create_directories(more);
      log += Utf8(more) + "\n";
    }
    if (!saves) WriteBytes(folder + L"\\hoshimi._md", log);
    Uninstall(false, IDOK, false);
  } else {
    StartInstall(OpenOptions(false), folder);
    const bool existed = point.keepSaves || point.playersFile;
    Click(Wait(existed ? L"インストールフォルダの決定" : L"フォルダの作成", IDOK), IDOK);
  }
  ASSERT_TRUE(WaitUntil(point.when, kWait, 1)) << "the moment never came";
  Stop(launcher);
  EXPECT_TRUE(Has(L"hoshimi._md")) << "the log of what was made";
  EXPECT_EQ(ValueCount(), point.uninstall ? 4 : 0) << "the record as it was";

  PutDiscFilesBack();  // the disc as it was
  if (point.playersFile) fs::remove(folder + L"\\" + point.playersFile);
  StartToMain();
  // A smaller extent than the killed one leaves files that no record names.
  StartInstall(OpenOptions(), folder, IDOK, point.reinstallMinimum ? IDC_KIND_MINIMUM : 0);
  EXPECT_EQ(FinishCopy(nullptr, point.uninstall ? 2 : 0), Texts{});
  if (!point.reinstallMinimum) ExpectInstalledFiles(folder, kMaximumMask);
  Uninstall(point.keepSaves, IDOK, false);
  ExpectButtons(false);
  Texts expected = {L"\\mine", L"\\mine.txt", L"\\mine\\note.txt"};
  if (point.playersFile) expected.insert(expected.end(), {L"\\new", L"\\new\\HOSHIMI"});
  if (point.keepSaves) {
    expected.insert(expected.end(), {L"\\new", L"\\new\\HOSHIMI", L"\\new\\HOSHIMI\\slot1.sav"});
    EXPECT_EQ(ReadBytes(folder + L"\\slot1.sav"), "player's save");
  }
  EXPECT_EQ(Listing(top), expected);
  EXPECT_EQ(ReadBytes(top + L"\\mine.txt") + ReadBytes(mine), "the player's ownthe player's own");
  // Without saves kept the key goes, and the next evaluation makes it again, empty.
  EXPECT_EQ(std::max(ValueCount(), 0), point.keepSaves ? 4 : 0) << "the product key";
}

INSTANTIATE_TEST_SUITE_P(At, Kill, ::testing::ValuesIn(kPoints),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace e2e
