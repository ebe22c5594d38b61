// A bench-only entry for the launcher's own sources: setup.exe's own start-up steps, with a
// QueryPerformanceCounter stamp after each, written to the file named by BENCH_STEPS. The
// launcher itself carries none of this.
#include "ui/startup_steps.h"

#include <windows.h>

#include <cstdio>

#include "platform/win32/gui_image.h"
#include "platform/win32/gui_window.h"
#include "setup_source/setup_description.h"
#include "setup_source/source_measure.h"
#include "setup_source/source_path.h"
#include "ui/main_buttons.h"

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

// The launcher's own list of steps with a stamp after each; before the window, the apart
// work: every file measured the earlier way, one more splash load, one more measuring.
int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int showCommand) {
  Stamp();  // entry, after the loader and the C runtime
  for (StartupStep step : kStartupSteps) {
    if (step == ShowMainWindowStep) {
      for (int i = 0; i < g_Setup.fileCount; ++i) MeasureByOpening(g_Setup.files[i].name);
      Stamp();
      HBITMAP splash = GuiLoadBitmapFile("setup.bmp", 320, 240);
      if (splash != nullptr) DeleteObject(splash);
      Stamp();
      for (int i = 0; i < g_Setup.fileCount; ++i) MeasureSourceFile(g_Setup.files[i].name);
      Stamp();
    }
    if (!step(showCommand)) return 0;
    Stamp();
  }
  WriteStamps();
  GuiRunMessageLoop(HandleMainWindowKey);
  return 0;
}
