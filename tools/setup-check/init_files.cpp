// Collects a game folder's files for the first setup.ini. Each name is written as the
// launcher will read it, given a type by one fixed rule, and sorted; every name the
// launcher could not use is refused.
#include "init_files.h"

#include <stdlib.h>
#include <string.h>

#include "cp932_text.h"
#include "init_draft.h"
#include "init_pictures.h"
#include "init_problems.h"
#include "path/path_characters.h"
#include "path/relative_path.h"
#include "platform/folder_listing.h"
#include "platform/stdio_file.h"
#include "setup_source/line_end.h"
#include "text/ascii_text.h"
#include "text/bounded_text.h"
#include "text/line_characters.h"

SetupDraft g_Draft;

namespace {

// Compares by whole characters, ignoring the case of ASCII letters, the way a folder
// window sorts names.
int CompareNames(const char* a, const char* b) {
  while (*a != '\0' && *b != '\0') {
    size_t step = CharLength(a);
    if (step == 1 && CharLength(b) == 1 && ToAsciiLower(*a) != ToAsciiLower(*b)) {
      return ToAsciiLower(*a) - ToAsciiLower(*b);
    }
    if (step == 2 || CharLength(b) == 2) {
      int d = memcmp(a, b, 2);
      if (d != 0) return d;
    }
    a += step;
    b += step;
  }
  return static_cast<unsigned char>(*a) - static_cast<unsigned char>(*b);
}

int CompareDraftFiles(const void* left, const void* right) {
  const DraftFile* a = static_cast<const DraftFile*>(left);
  const DraftFile* b = static_cast<const DraftFile*>(right);
  if (a->type != b->type) return a->type - b->type;
  int d = CompareNames(a->line, b->line);
  return d != 0 ? d : strcmp(a->line, b->line);
}

bool SameFolded(const char* text, size_t length, const char* lower) {
  if (strlen(lower) != length) return false;
  for (size_t i = 0; i < length; ++i) {
    if (ToAsciiLower(text[i]) != lower[i]) return false;
  }
  return true;
}

// The first backslash that is a whole character, or nullptr. (The second byte of 表 is
// not a separator.)
const char* FirstSeparator(const char* line) {
  for (const char* p = line; *p != '\0'; p += PathCharLength(p)) {
    if (*p == '\\') return p;
  }
  return nullptr;
}

// The extension of the last component, including the dot, or "" if there is none.
const char* Extension(const char* line) {
  const char* separator = FindLastBackslash(line);
  const char* dot = strrchr(separator != nullptr ? separator : line, '.');
  return dot != nullptr ? dot : "";
}

bool HasExtension(const char* line, const char* const* lowerExtensions) {
  const char* ext = Extension(line);
  for (; *lowerExtensions != nullptr; ++lowerExtensions) {
    if (SameFolded(ext, strlen(ext), *lowerExtensions)) return true;
  }
  return false;
}

void Refuse(const char* format, const char* name) {
  char message[1024];
  FormatText(message, sizeof message, format, name);
  PrintDraftProblem("error", message);
  ++g_Draft.errorCount;
}

// Whether the loader would read line back as exactly this file line, and keep it.
// Reports the reason if not.
bool LoaderKeepsLine(const char* line) {
  char trimmed[kFileNameCapacity + 1];
  bool whole = CopyText(trimmed, sizeof trimmed, line);
  TrimLineEnd(trimmed);
  if (!whole || strlen(line) > kFileNameCapacity) {
    Refuse("\"%s\": the name is longer than the launcher's 259 bytes for a file line", line);
  } else if (line[0] == '#' || line[0] == '[' || strcmp(trimmed, line) != 0) {
    Refuse("\"%s\": the launcher would not read this name as a file line", line);
  } else if (!IsPathInsideGameFolder(line) || !IsUsableFileLine(line)) {
    Refuse("\"%s\": the launcher drops this name: Windows cannot use it as a file name", line);
  } else {
    return true;
  }
  return false;
}

struct Walk {
  char prefix[kFileNameCapacity + 2];  // the relative folder with a trailing backslash, or ""
};

bool VisitEntry(const OsFolderEntry* entry, void* context);

// The type of a top-level sound, data, cg16 or cg24 folder that line lies in, or -1.
int FolderType(const char* line) {
  static const char* const kFolders[] = {"", "sound", "data", "cg16", "cg24"};
  const char* separator = FirstSeparator(line);
  for (int type = kDraftSound; separator != nullptr && type < kDraftTypeCount; ++type) {
    if (SameFolded(line, static_cast<size_t>(separator - line), kFolders[type])) return type;
  }
  return -1;
}

const char* const kPictures[] = {".bmp", ".png", ".jpg", ".jpeg", nullptr};

bool IsPicture(const char* line) { return HasExtension(line, kPictures); }

// A picture of 16 bits or fewer per pixel goes to the 16-bit type; one of more, or one
// whose header gives no depth, to the 24/32-bit type.
DraftType PictureType(const char* line) {
  char path[kPathSize];
  JoinPath(path, sizeof path, g_Draft.folder, line);
  static unsigned char header[65536];  // a JPEG's frame header may follow long metadata
  FILE* file = OsOpenFile(path, "rb");
  if (file == nullptr) return kDraftCg24;
  size_t n = fread(header, 1, sizeof header, file);
  fclose(file);
  int bits = PictureBits(header, n);
  return bits > 0 && bits <= 16 ? kDraftCg16 : kDraftCg24;
}

void WalkFolder(const char* prefix) {
  Walk walk;
  CopyText(walk.prefix, sizeof walk.prefix, prefix);
  char folder[kPathSize];
  JoinPath(folder, sizeof folder, g_Draft.folder, prefix);
  RemoveTrailingBackslash(folder);
  if (!OsListFolder(folder, VisitEntry, &walk)) Refuse("\"%s\": the folder cannot be read", folder);
}

bool VisitEntry(const OsFolderEntry* entry, void* context) {
  const Walk* walk = static_cast<const Walk*>(context);
  if (!entry->isFile && !entry->isFolder) return true;
  if (entry->isFile) ++g_Draft.foundCount;
  if (entry->name[0] == '\0') {
    fputs("setup-check --init: error: \"", stderr);
    PrintEscaped(walk->prefix, false);
    PrintEscaped(entry->shown, true);
    fputs("\": the name has no code page 932 form that gives the same name back\n", stderr);
    ++g_Draft.errorCount;
    return true;
  }
  char line[sizeof walk->prefix + sizeof entry->name];
  FormatText(line, sizeof line, "%s%s", walk->prefix, entry->name);
  if (entry->isFolder) {
    if (strlen(line) + 1 >= sizeof walk->prefix || !AppendText(line, sizeof line, "\\")) {
      Refuse("\"%s\": the names below this folder are too long for the launcher", line);
    } else {
      WalkFolder(line);
    }
    return true;
  }
  if (!LoaderKeepsLine(line) || g_Draft.fileCount >= kMaxFileEntries) return true;
  DraftFile& file = g_Draft.files[g_Draft.fileCount++];
  CopyText(file.line, sizeof file.line, line);
  file.type = DraftTypeOf(line);
  if (FolderType(line) < 0 && IsPicture(line)) file.type = PictureType(line);
  return true;
}

// Refuses names that Linux treats as different but Windows treats as the same file. On
// install, the second copy would overwrite the first.
void RefuseCollidingNames() {
  static char folded[kMaxFileEntries][kFileNameCapacity + 1];
  for (int i = 0; i < g_Draft.fileCount; ++i) {
    FoldWindowsName(g_Draft.files[i].line, folded[i], sizeof folded[i]);
    for (int j = 0; j < i; ++j) {
      if (strcmp(folded[i], folded[j]) != 0) continue;
      char message[2 * kFileNameCapacity + 80];
      FormatText(message, sizeof message,
                 "\"%s\" and \"%s\": Windows takes the two names for one file; rename one",
                 g_Draft.files[j].line, g_Draft.files[i].line);
      PrintDraftProblem("error", message);
      ++g_Draft.errorCount;
      break;
    }
  }
}

}  // namespace

DraftType DraftTypeOf(const char* line) {
  static const char* const kExecutables[] = {".exe", ".dll", nullptr};
  static const char* const kAudio[] = {".wav", ".ogg", ".mp3", ".mid", nullptr};
  if (FirstSeparator(line) == nullptr && HasExtension(line, kExecutables)) return kDraftExe;
  int folderType = FolderType(line);
  if (folderType >= 0) return static_cast<DraftType>(folderType);
  if (HasExtension(line, kAudio)) return kDraftSound;
  return HasExtension(line, kPictures) ? kDraftCg24 : kDraftData;
}

void CollectDraftFiles() {
  g_Draft.fileCount = 0;
  g_Draft.foundCount = 0;
  g_Draft.errorCount = 0;
  WalkFolder("");
  qsort(g_Draft.files, static_cast<size_t>(g_Draft.fileCount), sizeof g_Draft.files[0],
        CompareDraftFiles);
  RefuseCollidingNames();
}
