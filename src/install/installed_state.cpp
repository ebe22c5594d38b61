// Reads and writes the installed-state record under the current user's product key.
#include "install/installed_state.h"

#include <stdint.h>
#include <string.h>

#include "install/install_selection.h"
#include "platform/file_system.h"
#include "platform/registry.h"
#include "setup_source/file_set.h"
#include "setup_source/setup_description.h"
#include "text/bounded_text.h"

bool WriteInstalledState(const char* keyPath, const char* installFolder) {
  OsRegistryKey key;
  if (!OsCreateUserKey(keyPath, &key)) return false;
  // Every value is tried even after one fails, but any failure fails the record.
  bool written = OsSetNumberValue(key, "INSTFLAG", g_InstallKind);
  written = OsSetNumberValue(key, "INSTTYPE", g_TypeMask) && written;
  written = OsSetTextValue(key, "CDPATH", g_Setup.SourceFolder) && written;
  written = OsSetTextValue(key, "GAMEPATH", installFolder) && written;
  OsCloseKey(key);
  return written;
}

namespace {

// Reads all four bytes, so that bit 31 of a type mask survives. Missing bytes count as 0,
// so a value of only one or two bytes can still be read.
uint32_t NumberData(const OsRegistryValue& value) {
  uint32_t number = 0;
  for (size_t i = 0; i < 4 && i < value.length; ++i) {
    number |= static_cast<uint32_t>(value.data[i]) << (8 * i);
  }
  return number;
}

// The text ends at the data length or the first zero, whichever comes first; the platform
// puts a zero after the data. A text that does not fit out leaves out as it was: a cut
// path is never used.
void TextData(const OsRegistryValue& value, char* out, size_t cap) {
  const char* text = reinterpret_cast<const char*>(value.data);
  if (strlen(text) < cap) CopyText(out, cap, text);
}

// Opens the record for reading only, so that a key the user may read but not change still
// shows the install. A missing key is made, empty, as a first start always did.
bool OpenRecordToRead(const char* keyPath, OsRegistryKey* key) {
  if (OsOpenUserKeyToRead(keyPath, key)) return true;
  OsRegistryKey created;
  if (OsCreateUserKey(keyPath, &created)) OsCloseKey(created);
  return false;
}

// Fills folderOut from GAMEPATH and, unless folderOnly, the shared variables from the other
// three values.
void ReadRecord(const char* keyPath, char* folderOut, size_t folderCap, bool folderOnly) {
  folderOut[0] = '\0';
  OsRegistryKey key;
  if (!OpenRecordToRead(keyPath, &key)) return;
  OsRegistryValue value;
  // Skip a value that does not fit, so that some other program's value cannot hide the
  // record.
  for (uint32_t index = 0;; ++index) {
    OsEnumResult result = OsEnumValue(key, index, &value);
    if (result == kEnumValuesEnd) break;
    if (result == kEnumValueSkipped) continue;
    if (strcmp(value.name, "GAMEPATH") == 0) {
      TextData(value, folderOut, folderCap);
    } else if (folderOnly) {
      continue;
    } else if (strcmp(value.name, "CDPATH") == 0) {
      TextData(value, g_Setup.SourceFolder, sizeof g_Setup.SourceFolder);
    } else if (strcmp(value.name, "INSTFLAG") == 0) {
      g_InstallKind = NumberData(value);
    } else if (strcmp(value.name, "INSTTYPE") == 0) {
      g_TypeMask = NumberData(value);
    }
  }
  OsCloseKey(key);
}

}  // namespace

void ReadInstalledState(const char* keyPath, char* installFolderOut) {
  ReadRecord(keyPath, installFolderOut, kPathSize, false);
}

void ReadRecordedFolder(const char* keyPath, char* folderOut, size_t cap) {
  ReadRecord(keyPath, folderOut, cap, true);
}

// The key may hold another program's values or keys, because a disc can name any key.
// So only the values the launcher writes are deleted, and the key itself only when
// nothing else is left in it.
void DeleteProductKey(const char* keyPath) {
  OsRegistryKey key;
  if (!OsOpenUserKey(keyPath, &key)) return;
  static const char* const kRecordValues[] = {"", "INSTFLAG", "INSTTYPE", "CDPATH", "GAMEPATH"};
  for (const char* name : kRecordValues) OsDeleteValue(key, name);
  bool empty = OsKeyHoldsNothing(key);
  OsCloseKey(key);
  if (empty) OsDeleteUserKey(keyPath);
}

void DeleteRegistrySubkey(const char* parentPath, const char* subkeyName) {
  OsRegistryKey key;
  if (!OsOpenUserKey(parentPath, &key)) return;
  OsDeleteSubkey(key, subkeyName);
  OsCloseKey(key);
}

namespace {

bool EveryRecordedFilePresent() {
  // Visit every entry, even after a missing one, so the walk always runs to the end.
  bool present = true;
  FileSetWalk walk = {g_TypeMask, 0};
  char relative[kFileNameCapacity + 1];
  while (NextFileInSet(&walk, relative, sizeof relative)) {
    char path[kPathSize];
    uint32_t attributes;
    // A path too long to form cannot be checked, so it counts as missing.
    if (!JoinPath(path, sizeof path, g_InstallFolder, relative) ||
        !OsGetFileAttributes(path, &attributes)) {
      present = false;
    }
  }
  return present;
}

}  // namespace

bool IsGameInstalled() {
  if (g_InstallKind == kInstallNone || g_InstallFolder[0] == '\0') return false;
  return EveryRecordedFilePresent();
}
