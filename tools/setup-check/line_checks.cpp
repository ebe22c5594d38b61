#include "line_checks.h"

#include <string.h>

#include "cp932_text.h"
#include "diagnostics.h"
#include "platform/stdio_file.h"
#include "root_names.h"
#include "setup_source/directive_line.h"
#include "setup_source/line_end.h"
#include "setup_source/setup_keywords.h"
#include "setup_source/setup_stream.h"
#include "text/ascii_text.h"
#include "text/bounded_text.h"
#include "text/line_characters.h"

const char kEncodingRule[] = "setup-ini-not-cp932";

namespace {

// Set for a UTF-8 file, which gets one error instead of one per line that is not code
// page 932.
bool g_Utf8Text;

// How many continuation bytes follow a UTF-8 lead byte c, or -1 if no character can start
// with c.
int Utf8Followers(int c) {
  if (c < 0x80) return 0;
  if (c >= 0xC2 && c <= 0xDF) return 1;
  if (c >= 0xE0 && c <= 0xEF) return 2;
  return c >= 0xF0 && c <= 0xF4 ? 3 : -1;
}

// Reads setup.ini's raw bytes up to the Ctrl-Z that ends the text. Sets *bom if the file
// starts with a byte order mark. If the whole text is valid UTF-8, returns the line of its
// first multi-byte character (not counting the mark); otherwise returns 0.
int FirstUtf8Line(bool* bom) {
  FILE* file = OsOpenFile(SetupFileName(), "rb");
  *bom = false;
  if (file == nullptr) return 0;
  unsigned char mark[3] = {0, 0, 0};
  *bom = fread(mark, 1, 3, file) == 3 && mark[0] == 0xEF && mark[1] == 0xBB && mark[2] == 0xBF;
  if (!*bom) rewind(file);
  int line = 1;
  int first = 0;
  int pending = 0;
  for (int c; pending >= 0 && (c = fgetc(file)) != EOF && c != 0x1A;) {
    if (pending > 0) {
      pending = (c & 0xC0) == 0x80 ? pending - 1 : -1;
      continue;
    }
    if (c == '\n') ++line;
    pending = Utf8Followers(c);
    if (pending > 0 && first == 0) first = line;
  }
  fclose(file);
  return pending == 0 ? first : 0;
}

// offset is where text starts in its line; a long line is read in pieces.
void CheckDecodable(const char* what, const char* text, size_t offset) {
  long bad = FirstUndecodableByte(text);
  if (bad < 0 || g_Utf8Text) return;
  AddDiagnostic(g_SetupTextLine, kSetupError,
                "%s \"%s\" is not valid code page 932 (byte %u of the line); save setup.ini in "
                "code page 932 (Shift-JIS)",
                what, text, static_cast<unsigned>(offset + static_cast<size_t>(bad) + 1));
}

// valueEnd is the byte of the line at which the launcher's value stops.
void CheckValueEnd(const char* keyword, const char* value, char valueEnd) {
  long at = FirstSwallowedByte(value, strlen(value), '"');
  if (at < 0) return;
  char meant[kLineSize];
  CopyTextPart(meant, sizeof meant, value, static_cast<size_t>(at));
  AddRuleDiagnostic("quote-swallowed", g_SetupTextLine, kSetupWarning,
                    "the quote after \"%s\" is read as part of a two-byte character: %s runs on to "
                    "%s; add a blank before the quote or use full-width katakana",
                    meant, keyword, valueEnd == '"' ? "the next quote" : "the end of the line");
}

// start is where value starts in its line.
void CheckSetting(const SetupKeyword& k, const char* line, size_t offset, size_t start,
                  const char* value) {
  char what[32];
  FormatText(what, sizeof what, "%s value", k.name);
  CheckDecodable(what, value, offset + start);
  CheckValueEnd(k.name, value, line[start + strlen(value)]);
}

// Whether a and b differ by one letter added, dropped or changed, or by two neighbouring
// letters swapped.
bool OneEditApart(const char* a, const char* b) {
  size_t la = strlen(a);
  size_t lb = strlen(b);
  if (la < lb) return OneEditApart(b, a);
  size_t i = 0;
  while (i < lb && a[i] == b[i]) ++i;
  if (la == lb + 1) return strcmp(a + i + 1, b + i) == 0;
  if (la != lb || i == la) return false;
  if (strcmp(a + i + 1, b + i + 1) == 0) return true;
  return a[i] == b[i + 1] && a[i + 1] == b[i] && strcmp(a + i + 2, b + i + 2) == 0;
}

// The keyword that a comment line's first word was probably meant to be: the same word in
// a different case, or a word in capitals one edit away from it. Returns nullptr if the
// line looks like a real comment.
const char* MeantKeyword(const char* word) {
  char upper[kLineSize];
  bool capitals = word[0] != '\0';
  size_t n = 0;
  for (; word[n] != '\0' && n + 1 < sizeof upper; ++n) {
    upper[n] = ToAsciiUpper(word[n]);
    capitals = capitals && ((word[n] >= 'A' && word[n] <= 'Z') || word[n] == '_');
  }
  upper[n] = '\0';
  for (const SetupKeyword& k : kSetupKeywords) {
    if (strcmp(upper, k.name) == 0 || (capitals && OneEditApart(word, k.name))) return k.name;
  }
  return nullptr;
}

void CheckDirective(const char* line, size_t offset, SetupSection* section) {
  if (line[1] == '#') *section = kNoSection;
  char keyword[kLineSize];
  char value[kLineSize];
  size_t start = CutDirectiveLine(line, keyword, sizeof keyword, value, sizeof value);
  for (int i = 0; i < kSetupKeywordCount; ++i) {
    if (strcmp(keyword, kSetupKeywords[i].name) != 0) continue;
    if (kSetupKeywords[i].setting == nullptr) {
      *section = kSetupKeywords[i].section;
    } else {
      CheckSetting(kSetupKeywords[i], line, offset, start, value);
    }
    return;
  }
  const char* meant = MeantKeyword(keyword);
  if (meant != nullptr) {
    AddRuleDiagnostic("keyword-as-comment", g_SetupTextLine, kSetupWarning,
                      "\"#%s\" is read as a comment line; the keyword is #%s", keyword, meant);
  }
}

void CheckPlainLine(const char* line, size_t offset, SetupSection section) {
  char text[kLineSize];
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

const char* SetupFileName() {
  const char* name = RootName(kRootSetupIni);
  return name != nullptr ? name : "setup.ini";
}

bool EndsLinesInCrOnly() {
  FILE* file = OsOpenFile(SetupFileName(), "rb");
  if (file == nullptr) return false;
  bool carriageReturn = false;
  bool lineFeed = false;
  for (int c; !lineFeed && (c = fgetc(file)) != EOF && c != 0x1A;) {
    carriageReturn = carriageReturn || c == '\r';
    lineFeed = c == '\n';
  }
  fclose(file);
  return carriageReturn && !lineFeed;
}

void SummariseEncodingFollowOns() {
  int encodingLine = 0;
  for (int i = 0; i < g_DiagnosticCount && encodingLine == 0; ++i) {
    const char* rule = g_Diagnostics[i].rule;
    if (rule != nullptr && strcmp(rule, kEncodingRule) == 0) encodingLine = g_Diagnostics[i].line;
  }
  if (encodingLine == 0) return;
  int kept = 0;
  int dropped = 0;
  for (int i = 0; i < g_DiagnosticCount; ++i) {
    const Diagnostic& d = g_Diagnostics[i];
    if (d.severity == kSetupError && (d.rule == nullptr || strcmp(d.rule, kEncodingRule) != 0)) {
      ++dropped;
    } else {
      g_Diagnostics[kept++] = d;
    }
  }
  g_DiagnosticCount = kept;
  if (dropped == 0) return;
  --g_ErrorCount;  // the summary stands for errors already counted
  AddDiagnostic(encodingLine, kSetupError,
                "%d more error%s follow%s from the encoding and %s not shown: save setup.ini as "
                "code page 932 first",
                dropped, dropped == 1 ? "" : "s", dropped == 1 ? "s" : "",
                dropped == 1 ? "is" : "are");
}

void CheckSetupLines() {
  bool bom = false;
  int utf8Line = FirstUtf8Line(&bom);
  if (bom) {
    AddRuleDiagnostic(
        kEncodingRule, 1, kSetupError,
        "setup.ini begins with a UTF-8 byte order mark, so its first line is no keyword "
        "line; save setup.ini without it");
  }
  g_Utf8Text = utf8Line > 0;
  if (g_Utf8Text) {
    AddRuleDiagnostic(kEncodingRule, utf8Line, kSetupError,
                      "setup.ini is UTF-8: the launcher reads it as code page 932 and shows every "
                      "Japanese text garbled; save it as code page 932 (Shift_JIS)");
  }
  RewindSetupFile();
  SetupSection section = kNoSection;
  char line[kLineSize];
  size_t length = 0;
  int pieceLine = 0;
  size_t offset = 0;
  size_t pieceLength = 0;
  while (ReadSetupLine(line, sizeof line, &length)) {
    // The pieces of one long line share its line number; offsets count from the line's
    // first byte.
    offset = g_SetupTextLine == pieceLine ? offset + pieceLength : 0;
    pieceLine = g_SetupTextLine;
    pieceLength = length;
    if (line[0] == '#') {
      CheckDirective(line, offset, &section);
    } else if (line[0] != '\0') {
      CheckPlainLine(line, offset, section);
    }
  }
  if (g_Setup.lines.settings[kTitleSetting] == 0) {
    AddRuleDiagnostic("title-not-set", 0, kSetupWarning,
                      "TITLE is never set: the window shows the built-in title %s", g_Setup.TITLE);
  }
}
