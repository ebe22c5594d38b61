// Drives the launcher through an install and an uninstall for the demo, clicking through
// whatever disc is in Q: as a player would. The title, folders and product key come from
// the disc's own setup.ini, read by the launcher's loader. Before each step's picture it
// prints "shot NAME" and waits for SHOTS\NAME.png, a screenshot that demo.sh takes.
//   demo_walk.exe TARGET_DRIVE SHOTS_FOLDER WAIT_SECONDS
#include <windows.h>
// shellapi.h needs windows.h first
#include <shellapi.h>

#include <cstdio>
#include <filesystem>
#include <string>

#include "resources/resource_ids.h"
#include "setup_source/setup_description.h"
#include "setup_source/setup_loader.h"
#include "setup_source/setup_stream.h"
#include "window_toolkit.h"

using namespace toolkit;
namespace fs = std::filesystem;

namespace {

std::wstring FromDisc(const char* text) {  // setup.ini text is code page 932
  wchar_t wide[2048] = {};
  MultiByteToWideChar(932, 0, text, -1, wide, 2048);
  return wide;
}

struct Walk {
  std::wstring drive, shots, title, step = L"start";
  DWORD wait = 30000;
  Process launcher;
  HWND main = nullptr;

  void Shot(const wchar_t* name) {
    std::printf("shot %s\n", Utf8(name).c_str());
    std::fflush(stdout);
    const std::wstring picture = shots + L"\\" + name + L".png";
    if (!WaitUntil([&] { return fs::exists(picture); }, 30000, 50)) {
      throw WindowError(L"no picture came for " + std::wstring(name));
    }
  }
  // Once the window's thread handles messages again, wait a moment more so that its first
  // paint is done before the picture is taken.
  void ShotOf(HWND window, const wchar_t* name) {
    Sync(window);
    Sleep(300);
    Shot(name);
  }
  HWND Wait(const wchar_t* caption, int childId) {
    return WaitForWindow(launcher, caption, childId, wait);
  }
  HWND WaitForEither(const wchar_t* first, const wchar_t* second, int childId) {
    HWND found = nullptr;
    auto shown = [&] {
      found = FindWindowOf(launcher.Id(), first, childId);
      return found || (found = FindWindowOf(launcher.Id(), second, childId));
    };
    if (!WaitUntil(shown, wait)) throw WindowError(Format(L"no \"%ls\" box", first));
    return found;
  }
  void Press(HWND window, int id) {
    Click(window, id);
    WaitForDestroyed(window, wait);
    if (IsWindow(main)) Sync(main);
  }
  void ExpectInstalled(bool installed) {
    auto shown = [&] {
      return Enabled(main, IDC_INSTALL_BUTTON) != installed &&
             Enabled(main, IDC_UNINSTALL_BUTTON) == installed;
    };
    if (!WaitUntil(shown, wait)) {
      throw WindowError(installed ? L"the main window does not show the game installed"
                                  : L"the main window still shows the game installed");
    }
  }

  void Run() {
    step = L"main window";
    Start(launcher, L"Q:\\setup.exe", L"C:\\");  // start in C:\, like the e2e tests
    auto shown = [&] {
      DWORD code = STILL_ACTIVE;
      GetExitCodeProcess(launcher.process.hProcess, &code);
      if (code != STILL_ACTIVE) throw WindowError(Format(L"setup.exe ended (exit code %lu)", code));
      return (main = FindWindowOf(launcher.Id(), title.c_str(), IDC_INSTALL_BUTTON)) != nullptr;
    };
    if (!WaitUntil(shown, wait, 50)) {
      throw WindowError(Format(L"no window captioned \"%ls\" (the disc's TITLE) appeared in %lu s",
                               title.c_str(), wait / 1000));
    }
    ShotOf(main, L"1-main-window");

    step = L"install dialog";
    Click(main, IDC_INSTALL_BUTTON);
    HWND options = Wait(L"INSTALL", IDC_KIND_MINIMUM);
    // Take the folder the launcher offers (DEFDIR\PATH), but on the scratch drive instead
    // of DEFDIR's drive.
    std::wstring folder = ItemText(options, IDC_FOLDER_EDIT);
    if (folder.size() > 1 && folder[1] == L':') folder = drive + folder.substr(2);
    SetItemText(options, IDC_FOLDER_EDIT, folder);
    ShotOf(options, L"2-install-dialog");
    std::printf("install into %s\n", Utf8(folder).c_str());
    std::fflush(stdout);
    Press(options, IDOK);
    Press(WaitForEither(L"フォルダの作成", L"インストールフォルダの決定", IDC_MESSAGE_TEXT), IDOK);

    step = L"copy";
    HWND copy = Wait(L"インストール中です・・・", IDC_MESSAGE_TEXT);
    Shot(L"3-copying");
    // Keep the picture only if the copy dialog was still open after it was taken, so it
    // was on screen the whole time.
    if (!IsWindow(copy)) {
      DeleteFileW((shots + L"\\3-copying.png").c_str());
      std::printf("the copy was over too soon for a picture: 3-copying.png removed\n");
    }
    auto over = [&] {
      if (HWND box = FindWindowOf(launcher.Id(), L"ファイルコピー失敗", IDCANCEL)) {
        throw WindowError(L"a copy failed: " + ItemText(box, 0xFFFF));
      }
      return !IsWindow(copy);
    };
    if (!WaitUntil(over, 600000)) throw WindowError(L"the copy did not end");

    step = L"installed";
    Sync(main);
    ExpectInstalled(true);
    const std::wstring game = folder + L"\\" + FromDisc(g_Setup.EXE);
    if (!fs::is_regular_file(game)) throw WindowError(L"no " + game + L" after the install");
    ShotOf(main, L"4-installed");

    step = L"uninstall question";
    Click(main, IDC_UNINSTALL_BUTTON);
    HWND question = Wait(title.c_str(), IDC_KEEP_SAVES);
    ShotOf(question, L"5-uninstall-question");
    Press(question, IDOK);

    step = L"uninstalled";
    ExpectInstalled(false);
    if (fs::exists(game)) throw WindowError(game + L" is left after the uninstall");
    ShotOf(main, L"6-uninstalled");
    Stop(launcher);
  }
};

}  // namespace

int main() {
  int argc = 0;
  wchar_t** argv = CommandLineToArgvW(GetCommandLineW(), &argc);
  if (argc != 4) {
    std::fprintf(stderr, "usage: demo_walk.exe TARGET_DRIVE SHOTS_FOLDER WAIT_SECONDS\n");
    return 2;
  }
  Walk walk;
  walk.drive = argv[1];
  walk.shots = argv[2];
  walk.wait = std::stoul(argv[3]) * 1000;
  // Load the disc's setup.ini from the disc's root, as the launcher does.
  SetCurrentDirectoryW(L"Q:\\");
  ResetSetupDescriptionToDefaults();
  OpenSetupStream();
  LoadSetupDescription();
  CloseSetupFile();
  SetCurrentDirectoryW(L"C:\\");
  walk.title = FromDisc(g_Setup.TITLE);
  // A record left by an earlier walk in this Wine prefix would make the launcher start as
  // installed, so delete it. Delete only a full REG_P\REG_S\REG_T key, never a key above it.
  const std::wstring key = FromDisc(g_Setup.ProductKeyPath);
  if (key.find(L"\\") != key.rfind(L"\\") && key.find(L"\\\\") == std::wstring::npos &&
      key.back() != L'\\') {
    RegDeleteTreeW(HKEY_CURRENT_USER, key.c_str());
  }
  std::printf("walking \"%s\" from Q:\n", Utf8(walk.title).c_str());
  try {
    walk.Run();
  } catch (const WindowError& error) {
    std::printf("failed at the %s: %s\n", Utf8(walk.step).c_str(), Utf8(error.reason).c_str());
    std::fflush(stdout);
    try {
      walk.Shot(L"failed");
    } catch (const WindowError&) {
    }
    Stop(walk.launcher);
    return 1;
  }
  std::printf("walk done\n");
  return 0;
}
