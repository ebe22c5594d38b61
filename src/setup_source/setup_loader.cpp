// Reads setup.ini in one pass: the settings, the type list, the three type sets and the
// file list, measuring every listed file on the disc. No table is written past its
// capacity: anything that does not fit is cut or dropped, and reported (setup-check shows
// the reports).
#include "setup_source/setup_loader.h"

#include <stdint.h>
#include <string.h>

#include "path/relative_path.h"
#include "path/windows_aliases.h"
#include "platform/platform.h"
#include "setup_source/directive_line.h"
#include "setup_source/line_end.h"
#include "setup_source/settled_settings.h"
#include "setup_source/setup_keywords.h"
#include "setup_source/setup_report.h"
#include "setup_source/setup_stream.h"
#include "setup_source/source_measure.h"
#include "setup_source/type_reference.h"
#include "text/bounded_text.h"
#include "text/line_characters.h"
#include "text/size_text.h"

namespace {

const int32_t kMaxSize = INT32_MAX;

struct LoadState {
  SetupSection section;
  int group;  // type index of the current group, -1 for none
};

TypeMask MaskBit(int typeIndex) {
  return typeIndex >= 0 && typeIndex < kMaxDataTypes ? TypeMask{1} << typeIndex : kNoTypeBit;
}

// Adds to *total but stops at the largest signed 32-bit value. Returns false if it had
// to stop.
bool AddSize(int32_t* total, int64_t add) {
  int64_t sum = static_cast<int64_t>(*total) + add;
  *total = sum > kMaxSize ? kMaxSize : static_cast<int32_t>(sum);
  return sum <= kMaxSize;
}

void ResetTables() {
  for (TypeSet& set : g_Setup.sets) memset(&set, 0, sizeof set);
  for (FileEntry& file : g_Setup.files) memset(&file, 0, sizeof file);
  g_Setup.fileCount = 0;
  for (DataType& type : g_Setup.types) type.size = 0;
  g_Setup.typeCount = 0;
  // Settings keep their values from one load to the next, but their lines name this text.
  memset(&g_Setup.lines, 0, sizeof g_Setup.lines);
}

// The length REG_P\REG_S\REG_T would have if k's setting were value. 0 if k is not one
// of those three settings.
size_t KeyPathLength(const SetupKeyword& k, const char* value) {
  const char* parts[] = {g_Setup.REG_P, g_Setup.REG_S, g_Setup.REG_T};
  size_t length = 2;
  bool part = false;
  for (const char* p : parts) {
    part = part || p == k.setting;
    length += strlen(p == k.setting ? value : p);
  }
  return part ? length : 0;
}

// The rule is checked on the value as it would be stored, that is, cut to the setting's
// capacity. A refused value leaves the setting unchanged.
void ApplySetting(SettingIndex setting, const char* value) {
  const SetupKeyword& k = kSetupKeywords[setting];
  char stored[kRegistrySettingCapacity + 1];
  bool whole = CopyText(stored, k.cap, value);
  if (k.accepts != nullptr && !k.accepts(stored)) {
    k.refusal(k.name, stored, k.name, k.setting);
    return;
  }
  // Refuse a value that makes the key path too long. The cut key would not be the one the
  // disc named, and the uninstall would miss it.
  size_t keyPath = KeyPathLength(k, stored);
  if (keyPath > kRegistrySettingCapacity) {
    ReportKeyPathTooLong(k.name, keyPath, kRegistrySettingCapacity, k.name);
    return;
  }
  NoteSettledSettingLine(setting);
  CopyText(k.setting, k.cap, stored);
  g_Setup.lines.settings[setting] = g_SetupTextLine;
  if (!whole) ReportSettingCut(k.name, k.cap - 1);
}

void ApplyDirective(const char* line, LoadState& state) {
  if (line[1] == '#') state.section = kNoSection;
  char keyword[kLineSize];
  char value[kLineSize];
  CutDirectiveLine(line, keyword, sizeof keyword, value, sizeof value);
  for (int i = 0; i < kSetupKeywordCount; ++i) {
    if (strcmp(keyword, kSetupKeywords[i].name) != 0) continue;
    if (i < kSettingKeywordCount) {
      ApplySetting(static_cast<SettingIndex>(i), value);
    } else {
      state.section = kSetupKeywords[i].section;
    }
    return;
  }
}

void AddDataType(const char* line) {
  if (g_Setup.typeCount >= kMaxDataTypes) {
    ReportTooManyTypes(kMaxDataTypes, line);
    return;
  }
  DataType& type = g_Setup.types[g_Setup.typeCount];
  if (!CopyText(type.name, sizeof type.name, line)) {
    ReportTypeNameCut(kTypeNameCapacity);
  }
  g_Setup.lines.types[g_Setup.typeCount] = g_SetupTextLine;
  ++g_Setup.typeCount;
}

void AddSetEntry(int setIndex, const char* line) {
  TypeSet& set = g_Setup.sets[setIndex];
  if (set.count >= kMaxSetEntries) {
    ReportTooManySetEntries(kMaxSetEntries, kTypeSetNames[setIndex], line);
    return;
  }
  int type = FindDataType(line);
  set.entries[set.count++] = static_cast<int8_t>(type);
  set.mask |= MaskBit(type);
}

void AddFileEntry(const char* line, int group) {
  if (g_Setup.fileCount >= kMaxFileEntries) {
    ReportTooManyFiles(kMaxFileEntries, line);
    return;
  }
  if (strlen(line) > kFileNameCapacity) {
    ReportFileNameTooLong(kFileNameCapacity);
    return;
  }
  if (!IsPathInsideGameFolder(line)) {
    ReportFileOutsideGameFolder(line);
    return;
  }
  if (!IsUsableFileLine(line)) {
    ReportFileNameUnusable(line);
    return;
  }
  if (IsWindowsAlias(line)) {
    ReportFileNameAliased(line);
    return;
  }
  FileEntry& file = g_Setup.files[g_Setup.fileCount];
  CopyText(file.name, sizeof file.name, line);
  file.mask = MaskBit(group);
  file.size = MeasureSourceFile(line);
  g_Setup.lines.files[g_Setup.fileCount] = g_SetupTextLine;
  ++g_Setup.fileCount;
  if (file.size == kMaxSize) ReportFileTooLarge(line);
  if (group < 0) {
    ReportFileOfNoType(line);
  } else if (!AddSize(&g_Setup.types[group].size, file.size)) {
    ReportSizePassesLimit(g_Setup.types[group].name);
  }
}

void ApplyFileLine(const char* line, LoadState& state) {
  if (line[0] == '[' && line[1] == ']') {
    state.group = -1;
  } else if (line[0] == '[') {
    state.group = FindDataType(line);
  } else {
    AddFileEntry(line, state.group);
  }
}

void ApplyPlainLine(char* line, LoadState& state) {
  TrimLineEnd(line);
  if (line[0] == '\0') return;
  switch (state.section) {
    case kNoSection:
      break;
    case kTypeList:
      AddDataType(line);
      break;
    case kSetS:
      AddSetEntry(kInstallS, line);
      break;
    case kSetB:
      AddSetEntry(kInstallB, line);
      break;
    case kSetC:
      AddSetEntry(kInstallC, line);
      break;
    case kFileList:
      ApplyFileLine(line, state);
      break;
  }
}

// Each type's total is rounded up to whole KiB separately, as the install dialog shows
// sizes. An entry that matched no type has no total and adds nothing.
void TotalTypeSets() {
  for (int s = 0; s < kTypeSetCount; ++s) {
    TypeSet& set = g_Setup.sets[s];
    set.size = 0;
    bool whole = true;
    for (int e = 0; e < set.count && e < kMaxSetEntries; ++e) {
      int type = set.entries[e];
      if (type < 0 || type >= g_Setup.typeCount) continue;
      whole = AddSize(&set.size, RoundUpToWholeKiB(g_Setup.types[type].size)) && whole;
    }
    if (!whole) ReportSizePassesLimit(kTypeSetNames[s]);
  }
}

}  // namespace

void LoadSetupDescription() {
  if (!SetupStreamIsOpen()) return;
  RewindSetupFile();
  OsGetCurrentFolder(g_Setup.SourceFolder, sizeof g_Setup.SourceFolder);
  ResetTables();

  LoadState state{kNoSection, -1};
  char line[kLineSize];
  size_t length = 0;
  while (ReadSetupLine(line, sizeof line, &length)) {
    if (strlen(line) < length) ReportZeroByteInLine();
    if (line[0] == '\0') continue;
    if (length == sizeof line - 1 && line[length - 1] != '\n') {
      ReportLongLine(sizeof line - 1);
    }
    if (line[0] == '#') {
      ApplyDirective(line, state);
    } else {
      ApplyPlainLine(line, state);
    }
  }

  // The steps below concern the whole text, not one line, so reports carry no line.
  g_SetupTextLine = 0;
  SettleSettings();
  // This always fits. A line that would have made the key path too long was refused.
  // Settling changes REG_S only when REG_P is just "Software" (8 bytes), and the value it
  // restores came from a line, which holds at most 504 bytes of value.
  FormatText(g_Setup.ProductKeyPath, sizeof g_Setup.ProductKeyPath, "%s\\%s\\%s", g_Setup.REG_P,
             g_Setup.REG_S, g_Setup.REG_T);
  TotalTypeSets();
}
