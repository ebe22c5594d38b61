// A bench-only entry for the launcher's own sources: the same start-up as setup.exe, step by
// step, with a QueryPerformanceCounter stamp after each, written to the file named by
// BENCH_STEPS. The launcher itself carries none of this.
#include <windows.h>

#include <cstdio>

#include "install/install_selection.h"
#include "install/installed_state.h"
#include "platform/platform.h"
#include "platform/win32/gui.h"
#include "setup_source/disc_discovery.h"
#include "setup_source/setup_description.h"
#include "setup_source/setup_loader.h"
#include "setup_source/setup_stream.h"
#include "setup_source/source_measure.h"
#include "setup_source/source_path.h"
#include "text/bounded_text.h"
#include "ui/launcher.h"

HINSTANCE g_Instance;

namespace {

LONGLONG g_Stamps[16];
int g_StampCount;

void Stamp() {
  LARGE_INTEGER now;
  QueryPerformanceCounter(&now);
  if (g_StampCount < 16) g_Stamps[g_StampCount++] = now.QuadPart;
}

// The launcher's earlier way of measuring a listed file, kept here to show both in one run:
// open it without sharing, read its size, close it.
void MeasureByOpening(const char* fileLine) {
  char path[1024];
  wchar_t wide[1024];
  if (!ComposeSourcePath(fileLine, path, sizeof path) ||
      MultiByteToWideChar(932, MB_ERR_INVALID_CHARS, path, -1, wide, 1024) == 0) {
    return;
  }
  HANDLE file =
      CreateFileW(wide, GENERIC_READ, 0, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return;
  LARGE_INTEGER size;
  GetFileSizeEx(file, &size);
  CloseHandle(file);
}

void WriteStamps() {
  wchar_t path[MAX_PATH];
  if (GetEnvironmentVariableW(L"BENCH_STEPS", path, MAX_PATH) - 1u >= MAX_PATH - 1u) return;
  char text[16 * 24] = {};
  int used = 0;
  for (int i = 0; i < g_StampCount; ++i) {
    used += std::snprintf(text + used, sizeof text - used, "%lld\n", g_Stamps[i]);
  }
  // Whole or not at all: the driver reads the file as soon as its name appears.
  wchar_t partial[MAX_PATH + 8];
  wsprintfW(partial, L"%s.part", path);
  HANDLE file = CreateFileW(partial, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
  if (file == INVALID_HANDLE_VALUE) return;
  DWORD written = 0;
  WriteFile(file, text, static_cast<DWORD>(used), &written, nullptr);
  CloseHandle(file);
  MoveFileExW(partial, path, MOVEFILE_REPLACE_EXISTING);
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int showCommand) {
  Stamp();  // 0: entry, after the loader and the C runtime
  OsPrepareProcess();
  g_InstallKind = kInstallNone;
  g_TypeMask = 0;
  g_Instance = instance;

  int drive = FindSourceDisc();
  Stamp();  // 1: disc found
  if (drive < 0) return 0;
  char root[8];
  FormatText(root, sizeof root, "%c:\\", 'A' + drive);
  OsSetCurrentFolder(root);

  OpenSetupFile();
  LoadSetupDescription();
  CloseSetupFile();
  Stamp();  // 2: description loaded, its files measured
  ReadInstalledState(g_Setup.ProductKeyPath, g_InstallFolder);
  Stamp();  // 3: record read

  // Apart from the start: every file measured the earlier way, one more load of the splash,
  // and one more measuring of every file the launcher's way.
  for (int i = 0; i < g_Setup.fileCount; ++i) MeasureByOpening(g_Setup.files[i].name);
  Stamp();  // 4: the files measured by opening each
  HBITMAP splash = GuiLoadBitmapFile("setup.bmp", 320, 240);
  if (splash != nullptr) DeleteObject(splash);
  Stamp();  // 5: one splash load
  for (int i = 0; i < g_Setup.fileCount; ++i) MeasureSourceFile(g_Setup.files[i].name);
  Stamp();  // 6: the files measured again

  if (!CreateMainWindow(showCommand)) return 0;
  Stamp();  // 7: window shown and painted, buttons made
  SetButtonStates(IsGameInstalled());
  FocusFirstButton();
  Stamp();  // 8: buttons set
  WriteStamps();
  GuiRunMessageLoop(HandleMainWindowKey);
  return 0;
}
