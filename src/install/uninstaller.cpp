// Removing the recorded install: the game's files, the save files unless kept, the folders
// its log names (deepest first, empty ones only), then the record. What cannot be removed
// is told to the player and stays in the log, so that the next install and uninstall
// finish the job.
#include "install/uninstaller.h"

#include <string.h>

#include "install/folder_log.h"
#include "install/install_selection.h"
#include "install/installed_state.h"
#include "path/folder_relation.h"
#include "path/save_name.h"
#include "platform/file_system.h"
#include "platform/folder_listing.h"
#include "platform/platform.h"
#include "platform/registry.h"
#include "setup_source/file_set.h"
#include "setup_source/setup_description.h"
#include "text/bounded_text.h"

namespace {

struct UninstallRun {
  bool keepSaves;
  bool leftover;  // something this uninstall was to remove is still there
  FolderLogFiles logFiles;
  LoggedFolders logged;  // the folders the logs name that were there at the start
};

bool Exists(const char* path) {
  uint32_t attributes = 0;
  return OsGetFileAttributes(path, &attributes);
}

bool IsFolder(const char* path) {
  uint32_t attributes = 0;
  return OsGetFileAttributes(path, &attributes) && (attributes & kAttributeDirectory) != 0;
}

// Every type some extent can install. A killed pass, a smaller second install or another
// window may have put any of them there; a type no extent installs is never copied, so a
// file of that name is the player's.
TypeMask InstallableTypes() {
  return g_Setup.sets[kInstallS].mask | g_Setup.sets[kInstallB].mask | kCustomChoiceTypes;
}

bool IsKeptSave(const UninstallRun& run, const char* name) {
  return run.keepSaves && HasSaveExtension(name);
}

// A path that does not fit is never used: a cut name could be another file.
void DeleteInFolder(UninstallRun* run, const char* name) {
  char path[kFolderCapacity + 1];
  if (!FormatText(path, sizeof path, "%s\\%s", g_InstallFolder, name) || !Exists(path)) return;
  OsDeleteFile(path);
  if (Exists(path) && !IsFolder(path)) run->leftover = true;
}

void DeleteInstalledFiles(UninstallRun* run) {
  BeginFileSet(InstallableTypes());
  char name[kFileNameCapacity + 1];
  while (NextFileInSet(name, sizeof name) == 0) {
    if (!IsKeptSave(*run, name)) DeleteInFolder(run, name);
  }
}

void DeleteSaveFiles(UninstallRun* run) {
  char pattern[kFolderCapacity + 1];
  if (!FormatText(pattern, sizeof pattern, "%s\\*.sav", g_InstallFolder)) return;
  OsFileSearch search;
  if (!OsFindFirstFile(pattern, &search)) return;
  do {
    if (HasSaveExtension(search.name)) DeleteInFolder(run, search.name);
  } while (OsFindNextFile(&search));
  OsFindClose(&search);
}

// Only what an install could have made is touched: the install folder, its parents and
// what lies inside it.
bool IsOursToRemove(const char* folder) {
  return RelateToInstallFolder(folder, g_InstallFolder) != kFolderUnrelated;
}

// The log may have been edited: only folders are removed, and the system removes only
// empty ones, so no file is ever deleted because of what the log says. The folders inside
// the install folder go first; then, once the log is gone, the install folder and its
// parents, which held it. A launcher killed on the way leaves a log that still names what
// is left.
// A log a killed install was writing under a temporary name is read with it, and goes too.
void RemoveLoggedFolders(UninstallRun* run) {
  run->logged.count = 0;
  if (!ReadFolderLogFiles(&run->logFiles)) return;
  MergeLoggedFolders(run->logFiles, &run->logged);
  for (int holders = 0; holders < 2; ++holders) {
    if (holders) DeleteFolderLogFiles(run->logFiles);
    for (int i = run->logged.count - 1; i >= 0; --i) {
      const char* folder = run->logged.folders[i];
      bool inside = RelateToInstallFolder(folder, g_InstallFolder) == kFolderInside;
      if (IsOursToRemove(folder) && inside != (holders != 0) && IsFolder(folder)) {
        OsRemoveFolder(folder);
      }
    }
  }
}

bool IsLoggedFolder(const UninstallRun& run, const char* path) {
  for (int i = 0; i < run.logged.count; ++i) {
    const char* folder = run.logged.folders[i];
    if (IsOursToRemove(folder) && RelateFolders(folder, path) == kFolderSame) return true;
  }
  return false;
}

// Whether this uninstall was to delete the file name in folder: a listed file of the game
// or, in the install folder itself, a save (unless kept) or the log.
bool WasToGo(const UninstallRun& run, const char* folder, const char* name) {
  char path[kFolderCapacity + 1];
  char listed[kFolderCapacity + 1];
  if (!FormatText(path, sizeof path, "%s\\%s", folder, name)) return false;
  bool inInstallFolder = RelateToInstallFolder(folder, g_InstallFolder) == kFolderSame;
  if (inInstallFolder && HasSaveExtension(name) && !run.keepSaves) return true;
  for (int i = 0; i < kFolderLogFileCount && inInstallFolder; ++i) {
    if (RelateFolders(path, run.logFiles.paths[i]) == kFolderSame) return true;
  }
  BeginFileSet(InstallableTypes());
  char entry[kFileNameCapacity + 1];
  while (NextFileInSet(entry, sizeof entry) == 0) {
    if (IsKeptSave(run, entry) ||
        !FormatText(listed, sizeof listed, "%s\\%s", g_InstallFolder, entry)) {
      continue;
    }
    if (RelateToInstallFolder(path, listed) == kFolderSame) return true;
  }
  return false;
}

struct HolderCheck {
  const UninstallRun* run;
  const char* folder;
  bool onlyWhatWasToGo;
};

bool HoldsOnlyWhatWasToGo(const UninstallRun& run, const char* folder);

bool CheckHeldEntry(const OsFolderEntry* entry, void* context) {
  HolderCheck* check = static_cast<HolderCheck*>(context);
  char path[kFolderCapacity + 1];
  // A name without a code page 932 form was never written by the launcher.
  bool ours =
      entry->name[0] != '\0' && FormatText(path, sizeof path, "%s\\%s", check->folder, entry->name);
  if (ours && entry->isFolder) {
    ours = IsLoggedFolder(*check->run, path) && HoldsOnlyWhatWasToGo(*check->run, path);
  } else if (ours) {
    ours = entry->isFile && WasToGo(*check->run, check->folder, entry->name);
  }
  check->onlyWhatWasToGo = ours;
  return ours;
}

// A logged folder still there is a failure when nothing of the player's keeps it: it
// holds only failed files, failed logged folders, or names pending deletion.
bool HoldsOnlyWhatWasToGo(const UninstallRun& run, const char* folder) {
  HolderCheck check = {&run, folder, true};
  return OsListFolder(folder, CheckHeldEntry, &check) && check.onlyWhatWasToGo;
}

// The install folder, or the deepest logged folder still there: where the player is to look.
const char* LeftoverPlace(const UninstallRun& run) {
  if (IsFolder(g_InstallFolder)) return g_InstallFolder;
  const char* deepest = g_InstallFolder;
  for (int i = 0; i < run.logged.count; ++i) {
    const char* folder = run.logged.folders[i];
    if (IsOursToRemove(folder) && IsFolder(folder) && strlen(folder) >= strlen(deepest)) {
      deepest = folder;
    }
  }
  return deepest;
}

// The log names again the logged folders still there, so that the next install merges
// them and the next uninstall removes them. Without a folder to hold it, none is written.
void KeepLeftoversInLog(const UninstallRun& run) {
  BeginFolderLog();
  for (int i = 0; i < run.logged.count; ++i) {
    if (IsOursToRemove(run.logged.folders[i])) AddToFolderLog(run.logged.folders[i]);
  }
  WriteFolderLog();
  ReleaseFolderLog();
}

void CheckLoggedFolders(UninstallRun* run) {
  for (int i = 0; i < run->logged.count && !run->leftover; ++i) {
    const char* folder = run->logged.folders[i];
    if (IsOursToRemove(folder) && IsFolder(folder) && HoldsOnlyWhatWasToGo(*run, folder)) {
      run->leftover = true;
    }
  }
}

// Deleting a key deletes its values with it, and another product of the same maker may
// keep values in the maker's key: it goes only when it holds nothing at all.
bool MakerKeyHoldsNothing() {
  char makerPath[kRegistrySettingCapacity + 1];
  if (!FormatText(makerPath, sizeof makerPath, "%s\\%s", g_Setup.REG_P, g_Setup.REG_S)) {
    return false;
  }
  OsRegistryKey key;
  if (!OsOpenUserKey(makerPath, &key)) return false;
  bool empty = OsKeyHoldsNothing(key);
  OsCloseKey(key);
  return empty;
}

// The product key goes only when it holds nothing but the record, so it is not deleted
// a second time through its parent, which would take foreign values with it.
void DeleteRegistryKeys() {
  DeleteProductKey(g_Setup.ProductKeyPath);
  if (MakerKeyHoldsNothing()) DeleteRegistrySubkey(g_Setup.REG_P, g_Setup.REG_S);
}

}  // namespace

bool Uninstall(bool keepSaves, char* leftoverPlace, size_t cap) {
  CopyText(leftoverPlace, cap, "");
  if (g_InstallKind == kInstallNone) {
    // Deliberate, like the type reference's boxes: what the launcher has always shown when
    // the record says nothing is installed; nothing is deleted then.
    OsMessageBox(OsMainWindow(), "no setup del?", "TEST");
    return true;
  }
  UninstallRun run = {};
  run.keepSaves = keepSaves;
  // Without a folder every path would start at the root of the current drive.
  if (g_InstallFolder[0] != '\0') {
    DeleteInstalledFiles(&run);
    if (!keepSaves) DeleteSaveFiles(&run);
    RemoveLoggedFolders(&run);
    CheckLoggedFolders(&run);
    if (run.leftover) KeepLeftoversInLog(run);
  }
  g_InstallKind = kInstallNone;
  g_TypeMask = 0;
  WriteInstalledState(g_Setup.ProductKeyPath, g_InstallFolder);
  if (!keepSaves) DeleteRegistryKeys();
  if (run.leftover) CopyText(leftoverPlace, cap, LeftoverPlace(run));
  ReleaseFolderLogFiles(&run.logFiles);
  return !run.leftover;
}
