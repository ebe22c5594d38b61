// Copying one file in pieces, so that the caller's window stays alive during a large one.
#pragma once

// Called with the bytes copied so far of the file; return false to stop the copy.
typedef bool (*OsCopyProgress)(unsigned long long copied, unsigned long long total);
enum OsCopyResult { kOsCopyDone, kOsCopyFailed, kOsCopyStopped };
// Copies source over target in chunks, calling progress before each chunk and once at the
// end, so the caller's window stays alive. An existing read-only target is refused; a
// stopped or failed copy leaves no partial target behind. The target takes the source's
// attributes but the read-only bit: a disc's files are read-only, and a launcher killed
// before it cleared the bit would leave a file the next install cannot replace.
OsCopyResult OsCopyFileWithProgress(const char* source, const char* target,
                                    OsCopyProgress progress);
