// The setup description in memory: what setup.ini on the disc says about the game.
// One process-wide instance, filled once at start-up by LoadSetupDescription; every
// other part of the launcher reads it. Texts are code page 932 with a terminator.
#pragma once
#include <stdint.h>

// Bit i selects data type i (0 to 15); bit 31 marks files and set entries of no type.
typedef uint32_t TypeMask;
const TypeMask kNoTypeBit = 0x80000000u;

enum {
  kMaxDataTypes = 16,
  kMaxSetEntries = 16,
  kMaxFileEntries = 256,
  kTypeNameCapacity = 63,
  // Paths up to the Windows path limit: a shorter field would cut a name and copy the
  // wrong file.
  kFileNameCapacity = 259,
  kTitleCapacity = 99,
  kShortSettingCapacity = 255,
  kRegistrySettingCapacity = 1023,
  kFolderCapacity = 1023,
};

struct DataType {
  char name[kTypeNameCapacity + 1];
  int32_t size;  // sum of the sizes of this type's files
};

struct TypeSet {
  int8_t entries[kMaxSetEntries];  // type indexes; -1 for a reference that matched nothing
  uint8_t count;
  TypeMask mask;
  int32_t size;  // each entry's type size rounded up to KiB, added up
};

enum TypeSetIndex { kInstallS = 0, kInstallB = 1, kInstallC = 2, kTypeSetCount = 3 };

struct FileEntry {
  char name[kFileNameCapacity + 1];  // path relative to the game folder on the disc
  TypeMask mask;                     // exactly one bit
  int32_t size;                      // size on the disc rounded up to even; 0 when unreadable
};

struct SetupDescription {
  char TITLE[kTitleCapacity + 1];
  char PATH[kShortSettingCapacity + 1];
  char DEFDIR[kShortSettingCapacity + 1];
  char MD[kShortSettingCapacity + 1];
  char EXE[kShortSettingCapacity + 1];
  char REG_P[kRegistrySettingCapacity + 1];
  char REG_S[kRegistrySettingCapacity + 1];
  char REG_T[kRegistrySettingCapacity + 1];
  char ProductKeyPath[kRegistrySettingCapacity + 1];
  // The disc root when loading began (E:\), or the recorded CDPATH once the record is read.
  char SourceFolder[kFolderCapacity + 1];
  DataType types[kMaxDataTypes];
  uint8_t typeCount;
  TypeSet sets[kTypeSetCount];
  FileEntry files[kMaxFileEntries];
  int32_t fileCount;
};

extern SetupDescription g_Setup;

// The built-in MD and REG_S, which a refused value of either falls back to.
extern const char kDefaultLogName[];
extern const char kDefaultMakerName[];

// Puts every setting back to its built-in default and empties the tables (program start).
void ResetSetupDescriptionToDefaults();
