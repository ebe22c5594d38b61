#include "listed_files_check.h"

#include <stdint.h>
#include <string.h>

#include "cp932_text.h"
#include "diagnostics.h"
#include "path/path_characters.h"
#include "path/relative_path.h"
#include "path/windows_aliases.h"
#include "platform/file_system.h"
#include "platform/folder_listing.h"
#include "setup_source/setup_description.h"
#include "text/bounded_text.h"
#include "text/line_characters.h"

namespace {

char g_Folded[kMaxFileEntries][kFileNameCapacity + 1];

int RowCount() { return g_Setup.fileCount < kMaxFileEntries ? g_Setup.fileCount : kMaxFileEntries; }

// Reports a row that repeats an earlier one, or names the same file on Windows. The copy
// pass would write the same target twice.
void CheckSameFiles() {
  int count = RowCount();
  for (int i = 0; i < count; ++i) {
    FoldWindowsName(g_Setup.files[i].name, g_Folded[i], sizeof g_Folded[i]);
  }
  for (int j = 1; j < count; ++j) {
    for (int i = 0; i < j; ++i) {
      if (strcmp(g_Folded[i], g_Folded[j]) != 0) continue;
      const char* earlier = g_Setup.files[i].name;
      const char* later = g_Setup.files[j].name;
      if (strcmp(earlier, later) == 0) {
        AddRuleDiagnostic(
            "file-repeated", g_Setup.lines.files[j], kSetupWarning,
            "the FILE line \"%s\" repeats line %d: the file is copied and counted twice", later,
            g_Setup.lines.files[i]);
      } else {
        AddDiagnostic(g_Setup.lines.files[j], kSetupError,
                      "\"%s\" and \"%s\" (line %d) are one file on Windows: the second copy "
                      "overwrites the first and the player loses a game file",
                      later, earlier, g_Setup.lines.files[i]);
      }
      break;
    }
  }
}

// The game is started as EXE in the install folder, so every install must copy it. A
// setup.ini with no FILE lines yet is a draft, not a missing game, so it is not checked.
void CheckExe(int exeLine) {
  int count = RowCount();
  if (count == 0) return;
  char exe[kShortSettingCapacity + 1];
  FoldWindowsName(g_Setup.EXE, exe, sizeof exe);
  int row = 0;
  while (row < count && strcmp(g_Folded[row], exe) != 0) ++row;
  if (row == count) {
    AddRuleDiagnostic("exe-not-listed", exeLine, kSetupWarning,
                      "EXE \"%s\" is not listed among the FILE lines: no install copies it and "
                      "the game cannot be started",
                      g_Setup.EXE);
    return;
  }
  // A custom install always takes types 0 and 1; minimum and maximum take their sets.
  TypeMask always = g_Setup.sets[kInstallS].mask & g_Setup.sets[kInstallB].mask & 0x3;
  TypeMask mask = g_Setup.files[row].mask;
  if ((mask & always) != 0) return;
  const char* type = "no data type";
  for (int t = 0; t < kMaxDataTypes; ++t) {
    if (mask == (TypeMask{1} << t)) type = g_Setup.types[t].name;
  }
  AddRuleDiagnostic(
      "exe-not-in-every-install", exeLine, kSetupWarning,
      "EXE \"%s\" is listed on line %d under %s, which not every install copies: list "
      "it under type 0 or 1, in both INSTALL_S and INSTALL_B",
      g_Setup.EXE, g_Setup.lines.files[row], type);
}

enum { kNamedUnlisted = 20 };

int g_Unlisted;  // files in the game folder that no row names
int g_Named;     // how many of those a warning names

struct GameWalk {
  char prefix[kLineSize];  // the folder below the game folder, with a trailing backslash, or ""
};

bool IsListed(const char* line) {
  char folded[sizeof GameWalk::prefix + sizeof OsFolderEntry::name];
  FoldWindowsName(line, folded, sizeof folded);
  for (int i = 0; i < RowCount(); ++i) {
    if (strcmp(g_Folded[i], folded) == 0) return true;
  }
  return false;
}

bool VisitGameEntry(const OsFolderEntry* entry, void* context);

// The game folder: PATH below the disc root, without the trailing backslash it may have.
void GameFolder(char* out, size_t cap) {
  CopyText(out, cap, g_Setup.PATH);
  RemoveTrailingBackslash(out);
}

void WalkGameFolder(const char* prefix) {
  GameWalk walk;
  CopyText(walk.prefix, sizeof walk.prefix, prefix);
  char folder[kPathSize];
  GameFolder(folder, sizeof folder);
  JoinPath(folder, sizeof folder, folder, prefix);
  RemoveTrailingBackslash(folder);
  OsListFolder(folder, VisitGameEntry, &walk);
}

// The system's own name (UTF-8) in ASCII, each other character as <U+XXXX>: the name has
// no code page 932 form to print it in.
void EscapeShownName(const char* utf8, char* out, size_t cap) {
  out[0] = '\0';
  for (const unsigned char* p = reinterpret_cast<const unsigned char*>(utf8); *p != '\0';) {
    uint32_t code = *p;
    int follow = code < 0x80 ? 0 : code >= 0xF0 ? 3 : code >= 0xE0 ? 2 : 1;
    code &= follow == 0 ? 0x7F : 0x3F >> follow;
    ++p;
    for (int i = 0; i < follow && (*p & 0xC0) == 0x80; ++i) code = code << 6 | (*p++ & 0x3F);
    char one[16];
    if (code >= 0x20 && code < 0x7F) {
      FormatText(one, sizeof one, "%c", static_cast<char>(code));
    } else {
      static const char kHex[] = "0123456789ABCDEF";
      int digits = code > 0xFFFF ? 6 : 4;
      CopyText(one, sizeof one, "<U+");
      for (int d = digits - 1; d >= 0; --d) {
        char digit[2] = {kHex[code >> (4 * d) & 0xF], '\0'};
        AppendText(one, sizeof one, digit);
      }
      AppendText(one, sizeof one, ">");
    }
    AppendText(out, cap, one);
  }
}

// Names a game file (or folder) or, past the first twenty, counts it.
void NameGameFile(const char* format, const char* name, const char* reason) {
  ++g_Unlisted;
  if (g_Named >= kNamedUnlisted) return;
  ++g_Named;
  AddRuleDiagnostic("unlisted-file", 0, kSetupWarning, format, name, reason);
}

// Why the launcher could not list line, or nullptr if it can.
const char* UnlistableReason(const char* line) {
  if (strlen(line) > kFileNameCapacity) {
    return "its path is longer than the 259 bytes of a FILE line";
  }
  if (IsWindowsAlias(line) || !IsUsableFileLine(line)) {
    return "Windows reads its name as another (it ends in a dot or a blank, or names a device)";
  }
  return nullptr;
}

bool VisitGameEntry(const OsFolderEntry* entry, void* context) {
  const GameWalk* walk = static_cast<const GameWalk*>(context);
  if (!entry->isFile && !entry->isFolder) return true;
  char line[sizeof walk->prefix + sizeof entry->shown + 1];
  if (entry->name[0] == '\0') {
    char shown[sizeof entry->shown * 2];
    EscapeShownName(entry->shown, shown, sizeof shown);
    FormatText(line, sizeof line, "%s%s", walk->prefix, shown);
    NameGameFile(entry->isFolder ? "the folder \"%s\" in the game folder cannot be listed: %s"
                                 : "\"%s\" is in the game folder but cannot be listed: %s",
                 line, "its name has no code page 932 form; rename it");
    return true;
  }
  FormatText(line, sizeof line, "%s%s", walk->prefix, entry->name);
  if (entry->isFolder) {
    // The loader could not list the files of a folder this deep either.
    if (AppendText(line, sizeof line, "\\") && strlen(line) < sizeof walk->prefix) {
      WalkGameFolder(line);
    } else {
      NameGameFile("the folder \"%s\" in the game folder cannot be listed: %s", line,
                   "its path is longer than a FILE line may be");
    }
    return true;
  }
  if (IsListed(line)) return true;
  const char* reason = UnlistableReason(line);
  if (reason != nullptr) {
    NameGameFile("\"%s\" is in the game folder but cannot be listed: %s", line, reason);
  } else {
    NameGameFile("\"%s\" is in the game folder but no FILE line lists it: %s", line,
                 "no install copies it");
  }
  return true;
}

// Warns about files the publisher forgot to list, because they are never copied. Reports
// an error if the game folder is missing from the disc, because then every listed file
// fails.
void CheckGameFolder(int pathLine) {
  g_Unlisted = 0;
  g_Named = 0;
  if (g_Setup.PATH[0] == '\0') return;  // the disc root: setup.exe is not a game file
  char folder[kPathSize];
  GameFolder(folder, sizeof folder);
  if (!IsFolder(folder)) {
    if (RowCount() == 0) return;
    AddDiagnostic(pathLine > 0 ? pathLine : 1, kSetupError,
                  "the game folder \"%s\" (PATH) is not on the disc: no listed file can be copied",
                  g_Setup.PATH);
    return;
  }
  WalkGameFolder("");
  int rest = g_Unlisted - g_Named;
  if (rest > 0) {
    AddRuleDiagnostic("unlisted-file", 0, kSetupWarning,
                      "%d more file%s in the game folder %s listed by no FILE line", rest,
                      rest == 1 ? "" : "s", rest == 1 ? "is" : "are");
  }
}

}  // namespace

void CheckListedFiles(int pathLine, int exeLine) {
  CheckSameFiles();
  CheckExe(exeLine);
  CheckGameFolder(pathLine);
}
