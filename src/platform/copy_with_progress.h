// Copies one file in pieces, so that the caller's window keeps responding while a large
// file is copied.
#pragma once

// Called with the number of bytes of the file copied so far. Return false to stop the copy.
typedef bool (*OsCopyProgress)(unsigned long long copied, unsigned long long total);
enum OsCopyResult { kOsCopyDone, kOsCopyFailed, kOsCopyStopped };
// Copies source over target in chunks, calling progress before each chunk and once at the
// end. An existing read-only target is refused. A stopped or failed copy leaves no partial
// target behind. The target gets the source's attributes except the read-only bit: files
// on a disc are read-only, and if the launcher were killed before clearing the bit, the
// next install could not replace the file.
OsCopyResult OsCopyFileWithProgress(const char* source, const char* target,
                                    OsCopyProgress progress);
