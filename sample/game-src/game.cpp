// Stand-in for the game on the sample disc: it proves how the launcher started it by
// recording its command line and current folder in game-run.txt beside itself.
#include <windows.h>

namespace {

wchar_t g_CommandLine[2048];
wchar_t g_CurrentFolder[1024];
wchar_t g_ReportPath[1024];
wchar_t g_Shown[4096];

void CopyWide(wchar_t* out, int capacity, const wchar_t* text)
{
  int i = 0;
  for (; i + 1 < capacity && text[i] != 0; ++i) {
    out[i] = text[i];
  }
  out[i] = 0;
}

void AppendWide(wchar_t* out, int capacity, const wchar_t* text)
{
  int used = lstrlenW(out);
  CopyWide(out + used, capacity - used, text);
}

// The report goes next to the executable so that it travels with the install folder.
void FormReportPath()
{
  DWORD length = GetModuleFileNameW(nullptr, g_ReportPath, 1000);
  if (length == 0 || length >= 1000) {
    CopyWide(g_ReportPath, 1024, L"game-run.txt");
    return;
  }
  wchar_t* cut = g_ReportPath;
  for (wchar_t* p = g_ReportPath; *p != 0; ++p) {
    if (*p == L'\\' || *p == L'/') {
      cut = p + 1;
    }
  }
  *cut = 0;
  AppendWide(g_ReportPath, 1024, L"game-run.txt");
}

// UTF-8, one "name=value" line each, so both people and the end-to-end tests can read it.
void WriteReportLine(HANDLE file, const wchar_t* name, const wchar_t* value)
{
  char line[8192];
  wchar_t wide[4096];
  CopyWide(wide, 4096, name);
  AppendWide(wide, 4096, L"=");
  AppendWide(wide, 4096, value);
  AppendWide(wide, 4096, L"\n");
  int bytes = WideCharToMultiByte(CP_UTF8, 0, wide, -1, line, sizeof line, nullptr, nullptr);
  if (bytes > 1) {
    DWORD written = 0;
    WriteFile(file, line, static_cast<DWORD>(bytes - 1), &written, nullptr);
  }
}

void WriteReport()
{
  HANDLE file = CreateFileW(g_ReportPath, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                            FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) {
    return;
  }
  WriteReportLine(file, L"cmdline", g_CommandLine);
  WriteReportLine(file, L"cwd", g_CurrentFolder);
  CloseHandle(file);
}

} // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int)
{
  CopyWide(g_CommandLine, 2048, GetCommandLineW());
  DWORD length = GetCurrentDirectoryW(1024, g_CurrentFolder);
  if (length == 0 || length >= 1024) {
    g_CurrentFolder[0] = 0;
  }
  FormReportPath();
  WriteReport();

  // The tests run without anyone to press OK.
  wchar_t silent[8];
  if (GetEnvironmentVariableW(L"GAME_STUB_SILENT", silent, 8) != 0) {
    return 0;
  }
  CopyWide(g_Shown, 4096, L"星見の丘（サンプルのゲーム）\n\nコマンドライン:\n");
  AppendWide(g_Shown, 4096, g_CommandLine);
  AppendWide(g_Shown, 4096, L"\n\nカレントフォルダ:\n");
  AppendWide(g_Shown, 4096, g_CurrentFolder);
  MessageBoxW(nullptr, g_Shown, L"星見の丘", MB_OK);
  return 0;
}
