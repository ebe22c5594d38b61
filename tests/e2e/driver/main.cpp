// Entry of the end-to-end driver: reads where the disc, the scratch drive and the picture
// folder are, runs the chosen scenarios one after another and prints their verdicts.
#include "e2e.h"
#include "scenarios.h"

#include <cstdarg>
#include <cstdio>

namespace e2e {

Settings g_Settings;

namespace {

int g_Failures = 0;
std::wstring g_Scenario;

} // namespace

// UTF-8 straight to the output handle, so Japanese texts in a failure stay readable
// whatever the code page of the run.
void Print(const std::wstring& line)
{
  std::wstring text = line + L"\n";
  std::string bytes = ToCodePage(text, CP_UTF8);
  DWORD written = 0;
  WriteFile(GetStdHandle(STD_OUTPUT_HANDLE), bytes.data(), static_cast<DWORD>(bytes.size()),
            &written, nullptr);
}

void Fail(const std::wstring& what)
{
  ++g_Failures;
  Print(Format(L"  FAIL [%ls] %ls", g_Scenario.c_str(), what.c_str()));
}

void Check(bool ok, const std::wstring& what)
{
  if (!ok) {
    Fail(what);
  }
}

void CheckText(const std::wstring& actual, const std::wstring& expected, const std::wstring& what)
{
  if (actual != expected) {
    Fail(Format(L"%ls: expected \"%ls\", got \"%ls\"", what.c_str(), expected.c_str(),
                actual.c_str()));
  }
}

int FailureCount()
{
  return g_Failures;
}

void BeginScenario(const wchar_t* name)
{
  g_Scenario = name;
}

const std::wstring& ScenarioName()
{
  return g_Scenario;
}

std::wstring Format(const wchar_t* format, ...)
{
  wchar_t text[4096];
  va_list arguments;
  va_start(arguments, format);
  _vsnwprintf(text, 4095, format, arguments);
  va_end(arguments);
  text[4095] = 0;
  return text;
}

std::wstring Hex(const std::string& bytes)
{
  std::wstring out;
  for (unsigned char byte : bytes) {
    out += Format(L"%02X ", byte);
  }
  return out.empty() ? L"(none)" : out;
}

std::string ToCodePage(const std::wstring& text, UINT codePage)
{
  static char bytes[65536];
  int length = WideCharToMultiByte(codePage, 0, text.c_str(), static_cast<int>(text.size()), bytes,
                                   sizeof bytes, nullptr, nullptr);
  return std::string(bytes, length > 0 ? length : 0);
}

} // namespace e2e

namespace {

void Usage()
{
  wprintf(L"usage: e2e_driver --disc Z:\\...\\disc --artifacts DIR --target T: [--no-shots]\n"
          L"                  [scenario...]   (default: every scenario that needs the disc)\n"
          L"scenarios:");
  for (const e2e::Scenario* table : {e2e::g_Scenarios, e2e::g_FaultScenarios}) {
    for (const e2e::Scenario* s = table; s->name != nullptr; ++s) {
      wprintf(L" %ls", s->name);
    }
  }
  wprintf(L"\n");
}

} // namespace

int wmain(int argc, wchar_t** argv)
{
  using namespace e2e;
  std::vector<std::wstring> chosen;
  for (int i = 1; i < argc; ++i) {
    std::wstring argument = argv[i];
    if (argument == L"--disc" && i + 1 < argc) {
      g_Settings.discFolder = argv[++i];
    } else if (argument == L"--artifacts" && i + 1 < argc) {
      g_Settings.artifacts = argv[++i];
    } else if (argument == L"--target" && i + 1 < argc) {
      g_Settings.targetRoot = argv[++i];
    } else if (argument == L"--no-shots") {
      g_Settings.screenshots = false;
    } else if (argument.rfind(L"--", 0) == 0) {
      Usage();
      return 2;
    } else {
      chosen.push_back(argument);
    }
  }
  if (g_Settings.discFolder.empty() || g_Settings.targetRoot.empty()) {
    Usage();
    return 2;
  }
  // The run stands for a Windows of one ANSI code page; a wrong locale would test nothing.
  wchar_t wanted[16] = {};
  if (GetEnvironmentVariableW(L"E2E_ANSI_CODE_PAGE", wanted, 16) != 0 &&
      static_cast<UINT>(_wtoi(wanted)) != GetACP()) {
    Print(Format(L"ANSI code page %u, but this run is meant for %ls", GetACP(), wanted));
    return 1;
  }
  Print(Format(L"ANSI code page %u", GetACP()));
  // The stub game must not wait for anyone to press OK.
  SetEnvironmentVariableW(L"GAME_STUB_SILENT", L"1");

  int passed = 0;
  int failed = 0;
  for (const Scenario* table : {g_Scenarios, g_FaultScenarios})
  for (const Scenario* s = table; s->name != nullptr; ++s) {
    bool wanted = chosen.empty() ? s->byDefault : false;
    for (const std::wstring& name : chosen) {
      wanted = wanted || name == s->name;
    }
    if (!wanted) {
      continue;
    }
    BeginScenario(s->name);
    Print(Format(L"scenario %ls", s->name));
    int before = FailureCount();
    Launcher launcher;
    try {
      ResetMachine();
      s->run(launcher);
    } catch (const Abort& abort) {
      Fail(abort.reason);
    }
    KillLauncher(launcher);
    bool ok = FailureCount() == before;
    Print(Format(L"scenario %ls: %ls", s->name, ok ? L"passed" : L"FAILED"));
    (ok ? passed : failed) += 1;
  }
  ResetMachine();
  Print(Format(L"%d passed, %d failed", passed, failed));
  return failed == 0 && passed > 0 ? 0 : 1;
}
