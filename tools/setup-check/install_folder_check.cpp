#include "install_folder_check.h"

#include <string.h>

#include "diagnostics.h"
#include "install/install_folder_judgement.h"
#include "path/drive_prefix.h"
#include "path/install_folder_text.h"
#include "path/path_characters.h"
#include "platform/windows_folder.h"
#include "setup_source/setup_description.h"
#include "text/ascii_text.h"
#include "text/bounded_text.h"

namespace {

bool IsAbsoluteOnDrive(const char* folder) {
  return HasDriveLetter(folder) && IsPathSeparator(folder[2]);
}

// Every choice the install dialog lets a player make: the two sets, and custom with each
// of its five check boxes (types 0 and 1 are always part of it).
enum { kChoiceCount = 2 + 4 };

TypeMask ChoiceMask(int choice) {
  if (choice == 0) return g_Setup.sets[kInstallS].mask;
  if (choice == 1) return g_Setup.sets[kInstallB].mask;
  return choice == 2 ? 0x03 : 0x03 | TypeMask{1} << (choice - 1);  // choices 3 to 5: types 2 to 4
}

void DescribeChoice(int choice, char* out, size_t cap) {
  if (choice == 0) {
    CopyText(out, cap, "the minimum install (最小)");
  } else if (choice == 1) {
    CopyText(out, cap, "the maximum install (最大)");
  } else if (choice == 2) {
    CopyText(out, cap, "the custom install (カスタム) of types 0 and 1");
  } else {
    int type = choice - 1;
    const char* name = type < g_Setup.typeCount ? g_Setup.types[type].name : "";
    FormatText(out, cap, "the custom install (カスタム) with type %d %s ticked", type, name);
  }
}

// The Windows folder the launcher will find. This system may have none: then the usual one
// is assumed, and the message says so.
const char* WindowsFolder(char* out, size_t cap) {
  if (OsGetWindowsFolder(out, cap)) return "";
  CopyText(out, cap, "C:\\Windows");
  return " (assumed here, where the system has none)";
}

// The folders a standard user cannot write, which the launcher (run as the invoking user)
// therefore cannot create a game folder in. Their short names are included.
bool IsAdminOnlyFolder(const char* component, size_t length) {
  static const char* const kNames[] = {
      "Program Files", "Program Files (x86)", "ProgramData", "PROGRA~1", "PROGRA~2", "PROGRA~3"};
  for (const char* name : kNames) {
    if (strlen(name) != length) continue;
    size_t i = 0;
    while (i < length && ToAsciiLower(component[i]) == ToAsciiLower(name[i])) ++i;
    if (i == length) return true;
  }
  return false;
}

// The protected folder folder lies in, "C:\Program Files", or false. Only the system's
// drive has them; the Windows folder's drive stands for it.
bool FindAdminOnlyFolder(const char* folder, const char* windows, char* out, size_t cap) {
  if (!HasDriveLetter(folder) || ToAsciiUpper(folder[0]) != ToAsciiUpper(windows[0]) ||
      !IsPathSeparator(folder[2])) {
    return false;
  }
  const char* start = folder + 3;
  const char* end = start;
  while (*end != '\0' && !IsPathSeparator(*end)) end += PathCharLength(end);
  if (!IsAdminOnlyFolder(start, static_cast<size_t>(end - start))) return false;
  CopyTextPart(out, cap, folder, static_cast<size_t>(end - folder));
  return true;
}

void ReportTooLong(int line, const char* folder, const bool tooLong[kChoiceCount]) {
  char choices[1024] = "";
  int count = 0;
  for (int c = 0; c < kChoiceCount; ++c) count += tooLong[c] ? 1 : 0;
  if (count == 0) return;
  if (count == kChoiceCount) {
    CopyText(choices, sizeof choices, "every install a player can choose");
  } else {
    for (int c = 0; c < kChoiceCount; ++c) {
      if (!tooLong[c]) continue;
      char one[256];
      DescribeChoice(c, one, sizeof one);
      if (choices[0] != '\0') AppendText(choices, sizeof choices, ", ");
      AppendText(choices, sizeof choices, one);
    }
  }
  AddDiagnostic(line, kSetupError,
                "the default install folder \"%s\" (DEFDIR and PATH joined) is too long for %s: "
                "a folder or file would pass Windows' 247 or 259 characters, and the launcher "
                "refuses it",
                folder, choices);
}

}  // namespace

void CheckDefaultInstallFolder(int defdirLine, int pathLine) {
  // Repeat the install dialog's steps: form the default it offers, then tidy it as its
  // 開始 (Start) button does.
  char offered[kPathSize];
  char folder[kPathSize];
  FormDefaultInstallFolder(g_Setup.DEFDIR, g_Setup.PATH, offered, sizeof offered);
  NormaliseFolderText(offered, folder, sizeof folder);

  if (!IsAbsoluteOnDrive(g_Setup.DEFDIR)) {
    AddRuleDiagnostic("defdir-not-absolute", defdirLine, kSetupWarning,
                      "DEFDIR \"%s\" is not an absolute folder on a drive (X:\\...): the install "
                      "dialog offers \"%s\", which depends on where the launcher runs",
                      g_Setup.DEFDIR, folder);
  }
  int line = defdirLine > pathLine ? defdirLine : pathLine;
  char windows[kPathSize];
  const char* assumed = WindowsFolder(windows, sizeof windows);
  bool tooLong[kChoiceCount];
  for (int c = 0; c < kChoiceCount; ++c) {
    FolderJudgement judgement = JudgeInstallFolder(folder, ChoiceMask(c), windows);
    tooLong[c] = judgement == kFolderTooLong;
    if (judgement == kFolderAccepted || judgement == kFolderTooLong) continue;
    // The other refusals come from the folder's text alone: one message says it for all.
    if (judgement == kFolderIsDriveRoot) {
      AddDiagnostic(line, kSetupError,
                    "the default install folder \"%s\" (DEFDIR and PATH joined) is the root of "
                    "a drive: the launcher refuses to install there",
                    folder);
    } else if (judgement == kFolderCannotBeJudged) {
      AddDiagnostic(line, kSetupError,
                    "the default install folder \"%s\" (DEFDIR and PATH joined) is no path "
                    "Windows can read (not code page 932): the launcher refuses to install there",
                    folder);
    } else if (judgement == kFolderNamesDevice) {
      AddDiagnostic(line, kSetupError,
                    "the default install folder \"%s\" (DEFDIR and PATH joined) has a folder "
                    "name Windows reserves for a device (CON, PRN, AUX, NUL, COM1-COM9, "
                    "LPT1-LPT9): the launcher refuses to install there",
                    folder);
    } else if (judgement == kFolderDropsName) {
      AddDiagnostic(line, kSetupError,
                    "the default install folder \"%s\" (DEFDIR and PATH joined) has a folder "
                    "name that ends in a dot or a blank, which Windows drops: the launcher "
                    "refuses to install there",
                    folder);
    } else {
      AddDiagnostic(line, kSetupError,
                    "the default install folder \"%s\" (DEFDIR and PATH joined) lies in the "
                    "Windows folder %s%s: the launcher refuses to install there",
                    folder, windows, assumed);
    }
    return;
  }
  ReportTooLong(line, folder, tooLong);
  char protectedFolder[kPathSize];
  if (FindAdminOnlyFolder(folder, windows, protectedFolder, sizeof protectedFolder)) {
    AddRuleDiagnostic("folder-needs-admin", line, kSetupWarning,
                      "the default install folder \"%s\" lies in %s, which a standard user "
                      "cannot write: the player would need administrator rights, which the "
                      "launcher never asks for; choose a folder such as C:\\Games",
                      folder, protectedFolder);
  }
}
