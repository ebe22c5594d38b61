#include "line_checks.h"

#include <string.h>

#include "cp932_text.h"
#include "diagnostics.h"
#include "setup_source/directive_line.h"
#include "setup_source/line_end.h"
#include "setup_source/setup_stream.h"
#include "text/bounded_text.h"

namespace {

// offset: where text begins in its text line (a long line is read in pieces).
void CheckDecodable(const char* what, const char* text, size_t offset) {
  long bad = FirstUndecodableByte(text);
  if (bad < 0) return;
  AddDiagnostic(g_SetupTextLine, kSetupError,
                "%s \"%s\" is not valid code page 932 (byte %u of the line); save setup.ini in "
                "code page 932 (Shift-JIS)",
                what, text, static_cast<unsigned>(offset + static_cast<size_t>(bad) + 1));
}

// valueEnd: the byte of the line where the launcher's value stops.
void CheckValueEnd(const char* keyword, const char* value, char valueEnd) {
  long at = FirstSwallowedByte(value, strlen(value), '"');
  if (at < 0) return;
  char meant[512];
  CopyTextPart(meant, sizeof meant, value, static_cast<size_t>(at));
  AddDiagnostic(g_SetupTextLine, kSetupWarning,
                "the quote after \"%s\" is read as part of a two-byte character: %s runs on to "
                "%s; add a blank before the quote or use full-width katakana",
                meant, keyword, valueEnd == '"' ? "the next quote" : "the end of the line");
}

void CheckSetting(int index, const char* line, size_t offset, const char* keyword,
                  const char* value, int lines[kSettingKeywordCount]) {
  const SetupKeyword& k = kSetupKeywords[index];
  // Where the value starts, as the loader cuts it: blanks, then one opening quote.
  size_t start = 1 + strlen(keyword);
  while (line[start] == ' ' || line[start] == '\t') ++start;
  if (line[start] == '"') ++start;
  char what[32];
  FormatText(what, sizeof what, "%s value", k.name);
  CheckDecodable(what, value, offset + start);
  CheckValueEnd(k.name, value, line[start + strlen(value)]);
  // The last line whose value the setting holds is the one that set it; a refused value
  // left the setting as it was.
  char stored[kRegistrySettingCapacity + 1];
  CopyText(stored, k.cap, value);
  if (strcmp(stored, k.setting) == 0) lines[index] = g_SetupTextLine;
}

void CheckDirective(const char* line, size_t offset, SetupSection* section,
                    int lines[kSettingKeywordCount]) {
  if (line[1] == '#') *section = kNoSection;
  char keyword[512];
  char value[512];
  CutDirectiveLine(line, keyword, sizeof keyword, value, sizeof value);
  for (int i = 0; i < kSetupKeywordCount; ++i) {
    if (strcmp(keyword, kSetupKeywords[i].name) != 0) continue;
    if (kSetupKeywords[i].setting == nullptr) {
      *section = kSetupKeywords[i].section;
    } else {
      CheckSetting(i, line, offset, keyword, value, lines);
    }
    return;
  }
}

void CheckPlainLine(const char* line, size_t offset, SetupSection section) {
  char text[512];
  CopyText(text, sizeof text, line);
  TrimLineEnd(text);
  if (text[0] == '\0') return;
  switch (section) {
    case kNoSection:
      break;
    case kTypeList:
      CheckDecodable("data type name", text, offset);
      break;
    case kSetS:
    case kSetB:
    case kSetC:
      CheckDecodable("type reference", text, offset);
      break;
    case kFileList:
      if (text[0] == '[' && text[1] == ']') break;
      if (text[0] == '[') {
        CheckDecodable("type reference", text, offset);
        break;
      }
      CheckDecodable("file line", text, offset);
      break;
  }
}

}  // namespace

void CheckSetupLines(int lines[kSettingKeywordCount]) {
  for (int i = 0; i < kSettingKeywordCount; ++i) lines[i] = 0;
  RewindSetupFile();
  SetupSection section = kNoSection;
  char line[512];
  size_t length = 0;
  int pieceLine = 0;
  size_t offset = 0;
  size_t pieceLength = 0;
  while (ReadSetupLine(line, sizeof line, &length)) {
    // The pieces of one long line share its number; offsets count from its first byte.
    offset = g_SetupTextLine == pieceLine ? offset + pieceLength : 0;
    pieceLine = g_SetupTextLine;
    pieceLength = length;
    if (line[0] == '#') {
      CheckDirective(line, offset, &section, lines);
    } else if (line[0] != '\0') {
      CheckPlainLine(line, offset, section);
    }
  }
}
