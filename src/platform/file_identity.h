// Which file or folder a path opens, whatever name reaches it: a short name, a junction, a
// forward slash or a "\\?\" prefix all give the same identity as the plain name.
#pragma once
#include <stdint.h>

struct OsFileIdentity {
  uint32_t volume;  // the volume's serial number
  uint64_t index;   // the file's number on that volume
};

// false when nothing of that name exists or it cannot be opened.
bool OsGetFileIdentity(const char* path, OsFileIdentity* identity);

inline bool SameFile(const OsFileIdentity& a, const OsFileIdentity& b) {
  return a.volume == b.volume && a.index == b.index;
}
