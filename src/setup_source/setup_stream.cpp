// Opens and reads setup.ini. The file is opened in binary mode, and the text-mode rules
// (CR LF becomes LF, Ctrl-Z ends the text) are applied here by hand, so that a disc reads
// the same on Windows and on the POSIX systems where setup-check runs.
#include "setup_source/setup_stream.h"

#include <stdio.h>

#include "platform/stdio_file.h"

int g_SetupTextLine;

namespace {
FILE* g_SetupStream;
bool g_SetupTextEnded;
int g_SetupNextTextLine = 1;

const int kEndOfText = 0x1A;
}  // namespace

bool OpenSetupStream() { return OpenSetupStreamNamed("setup.ini"); }

bool OpenSetupStreamNamed(const char* name) {
  if (g_SetupStream == nullptr) g_SetupStream = OsOpenFile(name, "rb");
  g_SetupTextEnded = false;
  g_SetupNextTextLine = 1;
  g_SetupTextLine = 0;
  return g_SetupStream != nullptr;
}

bool SetupStreamIsOpen() { return g_SetupStream != nullptr; }

void OpenSetupFile() {
  if (!OpenSetupStream()) fputs("SETUP.LST が開けませんでした。\n", stdout);
}

void RewindSetupFile() {
  if (g_SetupStream == nullptr) return;
  rewind(g_SetupStream);
  g_SetupTextEnded = false;
  g_SetupNextTextLine = 1;
  g_SetupTextLine = 0;
}

void CloseSetupFile() {
  if (g_SetupStream == nullptr) return;
  fclose(g_SetupStream);
  g_SetupStream = nullptr;
  g_SetupTextLine = 0;
}

bool ReadSetupLine(char* line, size_t cap, size_t* length) {
  *length = 0;
  if (g_SetupStream == nullptr || cap < 2 || g_SetupTextEnded) return false;
  g_SetupTextLine = g_SetupNextTextLine;
  size_t n = 0;
  while (n + 1 < cap) {
    int c = getc(g_SetupStream);
    if (c == EOF) break;
    if (c == kEndOfText) {
      g_SetupTextEnded = true;
      break;
    }
    if (c == '\r') {
      int next = getc(g_SetupStream);
      if (next == '\n') {
        c = '\n';
      } else if (next != EOF) {
        ungetc(next, g_SetupStream);
      }
    }
    line[n++] = static_cast<char>(c);
    if (c == '\n') {
      ++g_SetupNextTextLine;
      break;
    }
  }
  line[n] = '\0';
  *length = n;
  return n > 0;
}
