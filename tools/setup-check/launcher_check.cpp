#include "launcher_check.h"

#include <stdint.h>
#include <string.h>

#include "diagnostics.h"
#include "platform/stdio_file.h"
#include "root_names.h"
#include "text/bounded_text.h"

bool g_AcceptX86_64Launcher;

namespace {

// The file description that the launcher's version information carries.
const char kLauncherDescription[] = "Setup launcher";
const char kShipped[] = "ship the 32-bit launcher, build/mingw-i686/bin/setup.exe";

enum : uint32_t {
  kMachineI386 = 0x14C,
  kMachineX86_64 = 0x8664,
  kSubsystemGui = 2,
};

// The launcher is about 100 KB; its version information lies in the last section.
enum { kReadCapacity = 8 << 20 };
unsigned char g_Image[kReadCapacity];

uint32_t Little(const unsigned char* p, int bytes) {
  uint32_t value = 0;
  for (int i = bytes - 1; i >= 0; --i) value = value << 8 | p[i];
  return value;
}

// Whether the UTF-16 text at p, n bytes long at most, is ascii followed by a zero.
bool IsWideText(const unsigned char* p, size_t n, const char* ascii) {
  size_t length = strlen(ascii);
  if (n < 2 * (length + 1)) return false;
  for (size_t i = 0; i <= length; ++i) {
    if (p[2 * i] != static_cast<unsigned char>(ascii[i]) || p[2 * i + 1] != 0) return false;
  }
  return true;
}

// Finds the FileDescription string of the version information: its key in UTF-16, then
// the padding zeros, then the value.
bool DescribesLauncher(const unsigned char* image, size_t n) {
  static const char kKey[] = "FileDescription";
  for (size_t at = 0; at + 2 * sizeof kKey <= n; at += 2) {
    if (!IsWideText(image + at, n - at, kKey)) continue;
    size_t value = at + 2 * sizeof kKey;
    while (value + 1 < n && image[value] == 0 && image[value + 1] == 0) value += 2;
    return IsWideText(image + value, n - value, kLauncherDescription);
  }
  return false;
}

void Refuse(const char* name, const char* what) {
  AddRuleDiagnostic("setup-exe-not-i386-gui", 0, kSetupError,
                    "%s is %s: a player's Windows cannot start it as the disc's launcher; %s", name,
                    what, kShipped);
}

}  // namespace

void CheckLauncher() {
  const char* name = RootName(kRootSetupExe);
  FILE* file = name != nullptr ? OsOpenFile(name, "rb") : nullptr;
  if (file == nullptr) {
    AddRuleDiagnostic("setup-exe-missing", 0, kSetupWarning,
                      "setup.exe is not in the disc root: the disc has no launcher for the "
                      "player to start");
    return;
  }
  size_t n = fread(g_Image, 1, sizeof g_Image, file);
  fclose(file);
  uint32_t pe = n >= 0x40 ? Little(g_Image + 0x3C, 4) : 0;
  if (n < 0x40 || g_Image[0] != 'M' || g_Image[1] != 'Z' || pe > n || n - pe < 24 + 70 ||
      memcmp(g_Image + pe, "PE\0\0", 4) != 0) {
    Refuse(name, "no Windows program (it has no PE header)");
    return;
  }
  uint32_t machine = Little(g_Image + pe + 4, 2);
  uint32_t optionalSize = Little(g_Image + pe + 20, 2);
  uint32_t subsystem = optionalSize >= 70 ? Little(g_Image + pe + 24 + 68, 2) : 0;
  if (machine == kMachineX86_64 && !g_AcceptX86_64Launcher) {
    Refuse(name, "a 64-bit (x86_64) program, which 32-bit Windows cannot start");
    return;
  }
  if (machine != kMachineI386 && machine != kMachineX86_64) {
    Refuse(name, "a program for another processor, not i386");
    return;
  }
  if (subsystem != kSubsystemGui) {
    Refuse(name, "no Windows GUI program (a console program or a driver)");
    return;
  }
  if (!DescribesLauncher(g_Image, n)) {
    AddRuleDiagnostic("setup-exe-other-launcher", 0, kSetupWarning,
                      "%s is a 32-bit Windows program, but its version information does not "
                      "say \"%s\": it is not this kit's launcher; make sure it is the one you "
                      "mean to ship",
                      name, kLauncherDescription);
  }
}
