// Removes the recorded install: the game's files, the save files unless the player keeps
// them, the folders its log names (deepest first, empty ones only), then the record.
// Anything that cannot be removed is reported to the player and stays in the log, so that
// the next install and uninstall can finish the job.
#include "install/uninstaller.h"

#include <string.h>

#include "install/folder_log.h"
#include "install/install_folder_judgement.h"
#include "install/install_selection.h"
#include "install/installed_state.h"
#include "path/folder_relation.h"
#include "path/path_characters.h"
#include "path/save_name.h"
#include "platform/file_system.h"
#include "platform/folder_listing.h"
#include "platform/platform.h"
#include "platform/registry.h"
#include "platform/windows_folder.h"
#include "setup_source/file_set.h"
#include "setup_source/setup_description.h"
#include "text/bounded_text.h"

namespace {

struct UninstallRun {
  bool keepSaves;
  bool sweepSaves;  // delete every save in the install folder, listed or not
  bool leftover;    // something this uninstall should remove is still there
  FolderLogFiles logFiles;
  LoggedFolders logged;  // the folders named in the logs that existed at the start
  // The listed files this uninstall deletes, gathered once: names in g_Setup's list.
  const char* listed[kMaxFileEntries];
  int listedCount;
};

bool Exists(const char* path) {
  uint32_t attributes = 0;
  return OsGetFileAttributes(path, &attributes);
}

// Every type that some install choice can install. A killed pass, a smaller second
// install or another launcher window may have put any of them there. A type that no
// choice installs is never copied, so a file of that name belongs to the player.
TypeMask InstallableTypes() {
  return g_Setup.sets[kInstallS].mask | g_Setup.sets[kInstallB].mask | kCustomChoiceTypes;
}

bool IsKeptSave(const UninstallRun& run, const char* name) {
  return run.keepSaves && HasSaveExtension(name);
}

// A record written by an older launcher or edited by hand may name a place the install
// dialog refuses. Its files are not the game's alone, so nothing there is deleted.
// Its length is no reason to refuse it: a path too long is simply not deleted.
bool IsRefusedPlace(const char* folder) {
  char windowsFolder[kPathSize];
  OsGetWindowsFolder(windowsFolder, sizeof windowsFolder);
  return JudgeInstallPlace(folder, windowsFolder) != kFolderAccepted;
}

// Every file of an installable type goes, except the saves the player keeps.
void GatherListedFiles(UninstallRun* run) {
  FileSetWalk walk = {InstallableTypes(), 0};
  char name[kFileNameCapacity + 1];
  run->listedCount = 0;
  while (NextFileInSet(&walk, name, sizeof name)) {
    // The walk stands just past the entry it found: keep that entry's own text.
    if (!IsKeptSave(*run, name)) {
      run->listed[run->listedCount++] = g_Setup.files[walk.index - 1].name;
    }
  }
}

// A path that does not fit is never used, because a cut name could be another file.
void DeleteInFolder(UninstallRun* run, const char* name) {
  char path[kPathSize];
  if (!JoinPath(path, sizeof path, g_InstallFolder, name) || !Exists(path)) return;
  OsDeleteFile(path);
  if (Exists(path) && !IsFolder(path)) run->leftover = true;
}

void DeleteInstalledFiles(UninstallRun* run) {
  for (int i = 0; i < run->listedCount; ++i) DeleteInFolder(run, run->listed[i]);
}

void DeleteSaveFiles(UninstallRun* run) {
  char pattern[kPathSize];
  if (!JoinPath(pattern, sizeof pattern, g_InstallFolder, "*.sav")) return;
  OsFileSearch search;
  if (!OsFindFirstFile(pattern, &search)) return;
  do {
    if (HasSaveExtension(search.name)) DeleteInFolder(run, search.name);
  } while (OsFindNextFile(&search));
  OsFindClose(&search);
}

// Only folders an install could have made are touched: the install folder, its parents
// and anything inside it.
bool IsOursToRemove(const char* folder) {
  return RelateToInstallFolder(folder, g_InstallFolder) != kFolderUnrelated;
}

// A temporary log that a killed install was writing is read too, and deleted with the log.
void ReadLoggedFolders(UninstallRun* run) {
  run->logged.count = 0;
  if (ReadFolderLogFiles(&run->logFiles)) MergeLoggedFolders(run->logFiles, &run->logged);
}

// The two passes over the logged folders: first those inside the install folder, then,
// once the log is gone, the install folder and its parents, which held the log.
enum FolderPass { kFoldersInside, kInstallFolderAndParents };

// Removes, deepest first, the logged folders of pass that are still there.
void RemoveLoggedFoldersOf(const UninstallRun& run, FolderPass pass) {
  for (int i = run.logged.count - 1; i >= 0; --i) {
    const char* folder = run.logged.folders[i];
    FolderRelation relation = RelateToInstallFolder(folder, g_InstallFolder);
    bool inPass = pass == kFoldersInside ? relation == kFolderInside
                                         : relation == kFolderSame || relation == kFolderParent;
    if (inPass && IsFolder(folder)) OsRemoveFolder(folder);
  }
}

// The log may have been edited. That is safe: only folders are removed, and the system
// removes only empty ones, so no file is ever deleted because the log names it. If the
// launcher is killed on the way, the log still names what is left.
void RemoveLoggedFolders(const UninstallRun& run) {
  RemoveLoggedFoldersOf(run, kFoldersInside);
  DeleteFolderLogFiles(run.logFiles);
  RemoveLoggedFoldersOf(run, kInstallFolderAndParents);
}

bool IsLoggedFolder(const UninstallRun& run, const char* path) {
  for (int i = 0; i < run.logged.count; ++i) {
    const char* folder = run.logged.folders[i];
    if (IsOursToRemove(folder) && RelateFolders(folder, path) == kFolderSame) return true;
  }
  return false;
}

// Whether this uninstall should have deleted the file name in folder: a listed file of
// the game or, in the install folder itself, a save (unless kept) or the log.
bool WasToGo(const UninstallRun& run, const char* folder, const char* name) {
  char path[kPathSize];
  char listed[kPathSize];
  if (!JoinPath(path, sizeof path, folder, name)) return false;
  bool inInstallFolder = RelateToInstallFolder(folder, g_InstallFolder) == kFolderSame;
  if (inInstallFolder && HasSaveExtension(name) && run.sweepSaves) return true;
  for (int i = 0; i < kFolderLogFileCount && inInstallFolder; ++i) {
    if (RelateFolders(path, run.logFiles.paths[i]) == kFolderSame) return true;
  }
  for (int i = 0; i < run.listedCount; ++i) {
    if (JoinPath(listed, sizeof listed, g_InstallFolder, run.listed[i]) &&
        RelateToInstallFolder(path, listed) == kFolderSame) {
      return true;
    }
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
  char path[kPathSize];
  // The launcher never wrote a name that has no code page 932 form.
  bool ours = entry->name[0] != '\0' && JoinPath(path, sizeof path, check->folder, entry->name);
  if (ours && entry->isFolder) {
    ours = IsLoggedFolder(*check->run, path) && HoldsOnlyWhatWasToGo(*check->run, path);
  } else if (ours) {
    ours = entry->isFile && WasToGo(*check->run, check->folder, entry->name);
  }
  check->onlyWhatWasToGo = ours;
  return ours;
}

// A logged folder that is still there counts as a failure unless something of the
// player's is in it. This returns true when it holds only files the uninstall failed to
// delete, logged folders it failed to remove, or names waiting to be deleted.
bool HoldsOnlyWhatWasToGo(const UninstallRun& run, const char* folder) {
  HolderCheck check = {&run, folder, true};
  return OsListFolder(folder, CheckHeldEntry, &check) && check.onlyWhatWasToGo;
}

// Where the player should look for what is left: the install folder, or else the deepest
// logged folder still there.
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

// Writes the logged folders that are still there into the log again, so that the next
// install merges them and the next uninstall removes them. Kept saves keep their folders,
// so this is done after every uninstall that keeps them. If no folder is left to hold the
// log, none is written.
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

// Deleting a key deletes its values too, and another product by the same maker may keep
// values in the maker's key. So the maker's key is deleted only when it is empty.
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

// DeleteProductKey deletes the product key only if nothing but the record is in it. The
// maker's key is deleted only if empty, so the product key is never deleted along with its
// parent, which would take other programs' values with it.
void DeleteRegistryKeys() {
  DeleteProductKey(g_Setup.ProductKeyPath);
  if (MakerKeyHoldsNothing()) DeleteRegistrySubkey(g_Setup.REG_P, g_Setup.REG_S);
}

}  // namespace

UninstallResult Uninstall(bool keepSaves, char* place, size_t cap) {
  CopyText(place, cap, "");
  if (g_InstallKind == kInstallNone) {
    // A developer's box, kept on purpose: the launcher has always shown it when the record
    // says nothing is installed. Nothing is deleted then.
    OsMessageBox(OsMainWindow(), "no setup del?", "TEST");
    return kUninstallDone;
  }
  UninstallRun run = {};
  run.keepSaves = keepSaves;
  bool refused = g_InstallFolder[0] != '\0' && IsRefusedPlace(g_InstallFolder);
  // Without an install folder, every path would start at the current drive's root.
  if (g_InstallFolder[0] != '\0' && !refused) {
    ReadLoggedFolders(&run);
    GatherListedFiles(&run);
    // A folder that was there before the install may hold other programs' saves: only
    // the game's listed saves go from it.
    run.sweepSaves = !keepSaves && IsLoggedFolder(run, g_InstallFolder);
    DeleteInstalledFiles(&run);
    if (run.sweepSaves) DeleteSaveFiles(&run);
    RemoveLoggedFolders(run);
    CheckLoggedFolders(&run);
    if (run.leftover || keepSaves) KeepLeftoversInLog(run);
  }
  g_InstallKind = kInstallNone;
  g_TypeMask = 0;
  WriteInstalledState(g_Setup.ProductKeyPath, g_InstallFolder);
  if (!keepSaves) DeleteRegistryKeys();
  UninstallResult result = kUninstallDone;
  if (refused) {
    CopyText(place, cap, g_InstallFolder);
    result = kUninstallRefusedPlace;
  } else if (run.leftover) {
    CopyText(place, cap, LeftoverPlace(run));
    result = kUninstallLeftSomething;
  }
  ReleaseFolderLogFiles(&run.logFiles);
  return result;
}
