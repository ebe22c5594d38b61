// Writes the text of a first setup.ini, in code page 932 with CR LF: a comment explaining
// how the files were given their types, the settings, the install dialog's five data
// types, the three sets and the file list.
#include "init_writer.h"

#include <string.h>

#include "init_draft.h"
#include "init_files.h"
#include "init_problems.h"
#include "path/path_characters.h"
#include "setup_source/directive_line.h"
#include "setup_source/setup_keywords.h"
#include "text/ascii_text.h"
#include "text/bounded_text.h"
#include "text/line_characters.h"

namespace {

const char* const kRuleComment[] = {
    "# setup-check --init が書いた最初の setup.ini です。確かめて直してから使ってください。",
    "# ファイルの種類は次の順に決めました：",
    "#   ゲームフォルダ直下の .exe と .dll は [EXE]",
    "#   最上位の sound・data・cg16・cg24 フォルダ（英字の大小は問わない）の下はその種類",
    "#   ほかの音声ファイル（.wav .ogg .mp3 .mid）は [SOUND]",
    "#   ほかの画像（.bmp .png .jpg）は 16bit 以下の色数なら "
    "[CG16]、それ以外と色数の読めないものは "
    "[CG24]",
    "#   動画（.avi .mpg .mpeg .wmv .mp4 など）も "
    "[DATA]：分けてインストールしたいときは種類を足してく"
    "ださい",
    "#   残りはすべて [DATA]",
};

// The bracketed ids start each group in the file list; the labels are the ones the
// install dialog shows.
const char* const kTypeLines[kDraftTypeCount] = {
    "[EXE] 実行ファイル",         "[SOUND] ＳＯＵＮＤファイル",     "[DATA] 基本データ",
    "[CG16] 画像データ（16bit）", "[CG24] 画像データ（24or32bit）",
};
const char* const kTypeIds[kDraftTypeCount] = {"[EXE]", "[SOUND]", "[DATA]", "[CG16]", "[CG24]"};

struct Text {
  char* data;
  size_t cap;
  bool whole;
};

void PutLine(Text& text, const char* line) {
  text.whole = AppendText(text.data, text.cap, line) && text.whole;
  text.whole = AppendText(text.data, text.cap, "\r\n") && text.whole;
}

bool ReadsBack(const char* line, const char* keyword, const char* value) {
  char readKeyword[kLineSize];
  char readValue[kLineSize];
  CutDirectiveLine(line, readKeyword, sizeof readKeyword, readValue, sizeof readValue);
  return strcmp(readKeyword, keyword) == 0 && strcmp(readValue, value) == 0;
}

// Writes the setting without quotes, as the sample does, or with quotes to keep blanks at
// its start. Refuses the value if the loader would read neither form back, or would cut
// or refuse it.
bool PutSetting(Text& text, const char* keyword, const char* value) {
  const SetupKeyword* k = kSetupKeywords;
  while (strcmp(k->name, keyword) != 0) ++k;
  char line[kLineSize];
  bool fits = strlen(value) < k->cap && (k->accepts == nullptr || k->accepts(value));
  if (fits && FormatText(line, sizeof line, "#%s %s", keyword, value) &&
      ReadsBack(line, keyword, value)) {
    PutLine(text, line);
    return true;
  }
  if (fits && FormatText(line, sizeof line, "#%s \"%s\"", keyword, value) &&
      ReadsBack(line, keyword, value)) {
    PutLine(text, line);
    return true;
  }
  FormatText(line, sizeof line, "\"%s\" cannot be the %s setting: the launcher would %s it", value,
             keyword, fits ? "read another text for" : "refuse or cut");
  PrintDraftProblem("error", line);
  return false;
}

bool IsExecutable(const DraftFile& file) {
  const char* dot = strrchr(file.line, '.');
  return file.type == kDraftExe && dot != nullptr && FindLastBackslash(file.line) == nullptr &&
         ToAsciiLower(dot[1]) == 'e' && ToAsciiLower(dot[2]) == 'x' &&
         ToAsciiLower(dot[3]) == 'e' && dot[4] == '\0';
}

// Picks the first .exe directly in the game folder, in name order, and warns about each
// of the others.
const char* ChooseExe() {
  const char* chosen = nullptr;
  char message[1024];
  for (int i = 0; i < g_Draft.fileCount; ++i) {
    if (!IsExecutable(g_Draft.files[i])) continue;
    if (chosen == nullptr) {
      chosen = g_Draft.files[i].line;
      continue;
    }
    FormatText(message, sizeof message, "EXE is \"%s\", the first in name order; \"%s\" is not",
               chosen, g_Draft.files[i].line);
    PrintDraftProblem("warning", message);
  }
  if (chosen == nullptr) {
    FormatText(message, sizeof message,
               "no .exe directly in \"%s\": EXE stays at its default game.exe; write the game's "
               "#EXE line",
               g_Draft.folder);
    PrintDraftProblem("warning", message);
  }
  return chosen;
}

// MD keeps its default; the comment says what the file is, so that it is not taken for a
// game file.
bool PutMdSetting(Text& text) {
  PutLine(text, "# MD：インストール先に作るフォルダの記録（アンインストールが読んで消します）");
  return PutSetting(text, "MD", "game._md");
}

void PutTypes(Text& text) {
  PutLine(text, "");
  PutLine(text, "#INSTALL_LST");
  for (const char* line : kTypeLines) PutLine(text, line);
  PutLine(text, "##");
  // The minimum install takes the program, the sound and the basic data; the other two
  // sets take all five types.
  const char* const sets[] = {"#INSTALL_S", "#INSTALL_B", "#INSTALL_C"};
  for (int s = 0; s < 3; ++s) {
    PutLine(text, "");
    PutLine(text, sets[s]);
    for (int t = 0; t < (s == 0 ? kDraftCg16 : kDraftTypeCount); ++t) PutLine(text, kTypeIds[t]);
    PutLine(text, "##");
  }
}

void PutFiles(Text& text) {
  PutLine(text, "");
  PutLine(text, "#FILE");
  for (int i = 0; i < g_Draft.fileCount; ++i) {
    const DraftFile& file = g_Draft.files[i];
    if (i == 0 || g_Draft.files[i - 1].type != file.type) PutLine(text, kTypeIds[file.type]);
    PutLine(text, file.line);
  }
  PutLine(text, "[]");
  PutLine(text, "##");
}

}  // namespace

bool ComposeDraft(char* data, size_t cap, size_t* length) {
  Text text{data, cap, true};
  data[0] = '\0';
  for (const char* line : kRuleComment) PutLine(text, line);
  const char* exe = ChooseExe();
  bool ok = PutSetting(text, "TITLE", g_Draft.folder) && PutSetting(text, "PATH", g_Draft.folder) &&
            PutSetting(text, "DEFDIR", "c:\\Games") && PutMdSetting(text) &&
            (exe == nullptr || PutSetting(text, "EXE", exe)) &&
            PutSetting(text, "REG_P", "Software") && PutSetting(text, "REG_S", g_Draft.folder) &&
            PutSetting(text, "REG_T", g_Draft.folder);
  PutTypes(text);
  PutFiles(text);
  *length = strlen(data);
  return ok && text.whole;
}
