#include "install/save_files.h"

#include "install/path_spans.h"

bool HasSaveExtension(const char* name) {
  PathSpans spans;
  FindPathSpans(name, &spans);
  const char* extension = name + spans.nameEnd;
  const char* expected = ".sav";
  for (; *expected; ++expected, ++extension) {
    char c = *extension;
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    if (c != *expected) return false;
  }
  return *extension == '\0';
}
