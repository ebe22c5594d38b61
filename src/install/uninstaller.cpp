// Removing the recorded install: its files, the save files unless kept, the folders its
// log names (deepest first, empty ones only), then the record.
#include "install/uninstaller.h"

#include "install/folder_log.h"
#include "install/folder_relation.h"
#include "install/install_selection.h"
#include "install/installed_state.h"
#include "platform/file_system.h"
#include "platform/platform.h"
#include "platform/registry.h"
#include "setup_source/file_set.h"
#include "setup_source/save_name.h"
#include "setup_source/setup_description.h"
#include "text/bounded_text.h"

namespace {

// A path that does not fit is never used: a cut name could be another file.
void DeleteInFolder(const char* name) {
  char path[kFolderCapacity + 1];
  if (!FormatText(path, sizeof path, "%s\\%s", g_InstallFolder, name)) return;
  uint32_t attributes = 0;
  if (OsGetFileAttributes(path, &attributes)) OsDeleteFile(path);
}

// Kept saves stay kept even when the disc lists them among the game's files.
void DeleteInstalledFiles(bool keepSaves) {
  BeginFileSet(g_TypeMask);
  char name[kFileNameCapacity + 1];
  while (NextFileInSet(name, sizeof name) == 0) {
    if (!(keepSaves && HasSaveExtension(name))) DeleteInFolder(name);
  }
}

void DeleteSaveFiles() {
  char pattern[kFolderCapacity + 1];
  if (!FormatText(pattern, sizeof pattern, "%s\\*.sav", g_InstallFolder)) return;
  OsFileSearch search;
  if (!OsFindFirstFile(pattern, &search)) return;
  do {
    char path[kFolderCapacity + 1];
    if (HasSaveExtension(search.name) &&
        FormatText(path, sizeof path, "%s\\%s", g_InstallFolder, search.name)) {
      OsDeleteFile(path);
    }
  } while (OsFindNextFile(&search));
  OsFindClose(&search);
}

// The log may have been edited: only folders are removed, and the system removes only
// empty ones, so no file is ever deleted because of what the log says. Only what an
// install could have made is touched: the folders inside the install folder first; then,
// once the log is gone, the install folder and its parents, which held it. A launcher
// killed on the way leaves a log that still names what is left.
void RemoveLoggedFolders() {
  char logPath[kFolderCapacity + 1];
  char temporary[kFolderCapacity + 1];
  FolderLogEntries entries;
  if (!FormatText(logPath, sizeof logPath, "%s\\%s", g_InstallFolder, g_Setup.MD) ||
      !FolderLogTemporaryPath(logPath, temporary, sizeof temporary)) {
    return;
  }
  // A log a killed install was writing under the temporary name goes too.
  if (!IsForeignFile(temporary)) OsDeleteFile(temporary);
  if (!ReadFolderLog(logPath, &entries)) return;
  for (int holders = 0; holders < 2; ++holders) {
    if (holders) OsDeleteFile(logPath);
    for (int i = entries.count - 1; i >= 0; --i) {
      const char* folder = entries.slots[i];
      FolderRelation relation = RelateToInstallFolder(folder, g_InstallFolder);
      uint32_t attributes = 0;
      if (relation != kFolderUnrelated && (relation != kFolderInside) == (holders != 0) &&
          OsGetFileAttributes(folder, &attributes) && (attributes & kAttributeDirectory) != 0) {
        OsRemoveFolder(folder);
      }
    }
  }
  ReleaseFolderLogEntries(&entries);
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

void Uninstall(bool keepSaves) {
  if (g_InstallKind == kInstallNone) {
    // Deliberate, like the type reference's boxes: what the launcher has always shown when
    // the record says nothing is installed; nothing is deleted then.
    OsMessageBox(OsMessageBoxOwner(), "no setup del?", "TEST");
    return;
  }
  // Without a folder every path would start at the root of the current drive.
  if (g_InstallFolder[0] != '\0') {
    DeleteInstalledFiles(keepSaves);
    if (!keepSaves) DeleteSaveFiles();
    RemoveLoggedFolders();
  }
  g_InstallKind = kInstallNone;
  g_TypeMask = 0;
  WriteInstalledState(g_Setup.ProductKeyPath, g_InstallFolder);
  if (!keepSaves) DeleteRegistryKeys();
}
