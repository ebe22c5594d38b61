// Identifies the file or folder a path really opens, whatever name is used to reach it. A
// short name, a junction, a forward slash or a "\\?\" prefix all give the same identity as
// the plain name, so checks based on identity cannot be fooled by another spelling.
#pragma once
#include <stdint.h>

struct OsFileIdentity {
  uint32_t volume;  // the volume's serial number
  uint64_t index;   // the file's number on that volume
};

// Returns false if nothing of that name exists or it cannot be opened.
bool OsGetFileIdentity(const char* path, OsFileIdentity* identity);

inline bool SameFile(const OsFileIdentity& a, const OsFileIdentity& b) {
  return a.volume == b.volume && a.index == b.index;
}
