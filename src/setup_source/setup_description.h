// What setup.ini on the disc says about the game, held in memory. There is one instance
// for the whole process: LoadSetupDescription fills it once at start-up, and the rest of
// the launcher reads it. Texts are terminated code page 932 strings.
#pragma once
#include <stdint.h>

#include "path/path_characters.h"

// Bit i selects data type i (0 to 15); bit 31 marks files and set entries of no type.
typedef uint32_t TypeMask;
const TypeMask kNoTypeBit = 0x80000000u;

enum {
  kMaxDataTypes = 16,
  kMaxSetEntries = 16,
  kMaxFileEntries = 256,
  kTypeNameCapacity = 63,
  // Long enough for a path at the Windows path limit. A shorter field would cut a name,
  // and the wrong file would be copied.
  kFileNameCapacity = 259,
  kTitleCapacity = 99,
  kShortSettingCapacity = 255,
  kRegistrySettingCapacity = 1023,
};

// The eight settings, in the order of the keyword table (setup_keywords.h).
enum SettingIndex {
  kTitleSetting,
  kPathSetting,
  kDefdirSetting,
  kMdSetting,
  kExeSetting,
  kRegPSetting,
  kRegSSetting,
  kRegTSetting,
  kSettingCount
};

struct DataType {
  char name[kTypeNameCapacity + 1];
  int32_t size;  // sum of the sizes of this type's files
};

struct TypeSet {
  int8_t entries[kMaxSetEntries];  // type indexes; -1 for a reference that matched nothing
  uint8_t count;
  TypeMask mask;
  int32_t size;  // sum of the entries' type sizes, each rounded up to KiB
};

enum TypeSetIndex { kInstallS = 0, kInstallB = 1, kInstallC = 2, kTypeSetCount = 3 };

struct FileEntry {
  char name[kFileNameCapacity + 1];  // path relative to the game folder on the disc
  TypeMask mask;                     // exactly one bit
  int32_t size;                      // size on the disc rounded up to even; 0 when unreadable
};

// Where the last load found each setting, type and file: the 1-based line of setup.ini.
// A setting that holds its default, or a value from an earlier load, has line 0.
struct SourceLines {
  int32_t settings[kSettingCount];
  int32_t types[kMaxDataTypes];    // by type index
  int32_t files[kMaxFileEntries];  // by row of files
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
  // The disc root when loading began (E:\). Replaced by the recorded CDPATH once the
  // install record has been read.
  char SourceFolder[kPathSize];
  DataType types[kMaxDataTypes];
  uint8_t typeCount;
  TypeSet sets[kTypeSetCount];
  FileEntry files[kMaxFileEntries];
  int32_t fileCount;
  SourceLines lines;
};

extern SetupDescription g_Setup;

// The built-in defaults of MD and REG_S. A refused value falls back to these.
extern const char kDefaultLogName[];
extern const char kDefaultMakerName[];

// Resets every setting to its built-in default and empties the tables. Called at program
// start.
void ResetSetupDescriptionToDefaults();
