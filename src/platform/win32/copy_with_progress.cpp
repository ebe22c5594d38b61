// Copies one file while keeping the caller's window responsive. The copy goes in chunks,
// and between chunks the caller can handle messages or stop the copy. CopyFileExW is not
// used because Wine never calls its progress routine, so a large file would freeze the
// dialog there.
#include "platform/copy_with_progress.h"

#include <windows.h>

#include "platform/win32/wide_text.h"

namespace {

// Copy in pieces of 64 KiB, like the system's own copy, so each piece is written while it
// is still in the processor's cache. Handling the caller's messages costs more than a
// piece, so progress is called every 10 milliseconds rather than after every piece. On a
// slow CD-ROM drive a piece still takes only about 20 ms.
enum { kCopyPieceBytes = 64 * 1024 };
const double kProgressEverySeconds = 0.010;
char g_CopyPiece[kCopyPieceBytes];

double Now() {
  LARGE_INTEGER frequency;
  LARGE_INTEGER counter;
  QueryPerformanceFrequency(&frequency);
  QueryPerformanceCounter(&counter);
  return static_cast<double>(counter.QuadPart) / static_cast<double>(frequency.QuadPart);
}

OsCopyResult CopyContents(HANDLE in, HANDLE out, OsCopyProgress progress) {
  LARGE_INTEGER size;
  if (!GetFileSizeEx(in, &size)) return kOsCopyFailed;
  unsigned long long total = static_cast<unsigned long long>(size.QuadPart);
  unsigned long long copied = 0;
  double lastCall = 0.0;
  for (;;) {
    double now = Now();
    if (copied == 0 || copied >= total || now - lastCall >= kProgressEverySeconds) {
      if (!progress(copied, total)) return kOsCopyStopped;
      lastCall = now;
    }
    DWORD got = 0;
    if (!ReadFile(in, g_CopyPiece, kCopyPieceBytes, &got, nullptr)) return kOsCopyFailed;
    if (got == 0) return kOsCopyDone;
    DWORD put = 0;
    if (!WriteFile(out, g_CopyPiece, got, &put, nullptr) || put != got) return kOsCopyFailed;
    copied += got;
  }
}

}  // namespace

OsCopyResult OsCopyFileWithProgress(const char* source, const char* target,
                                    OsCopyProgress progress) {
  wchar_t wideSource[kWideCapacity];
  wchar_t wideTarget[kWideCapacity];
  if (!ToWideStrict(source, wideSource, kWideCapacity)) return kOsCopyFailed;
  if (!ToWideStrict(target, wideTarget, kWideCapacity)) return kOsCopyFailed;
  // Refuse to replace an existing read-only target, as Windows' own copy does. Check it
  // here because an emulated file system may let it be opened for writing.
  DWORD existing = GetFileAttributesW(wideTarget);
  if (existing != INVALID_FILE_ATTRIBUTES && (existing & FILE_ATTRIBUTE_READONLY) != 0) {
    return kOsCopyFailed;
  }
  HANDLE in = CreateFileW(wideSource, GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                          FILE_FLAG_SEQUENTIAL_SCAN, nullptr);
  if (in == INVALID_HANDLE_VALUE) return kOsCopyFailed;
  HANDLE out = CreateFileW(wideTarget, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                           FILE_ATTRIBUTE_NORMAL, nullptr);
  if (out == INVALID_HANDLE_VALUE) {
    CloseHandle(in);
    return kOsCopyFailed;
  }
  OsCopyResult result = CopyContents(in, out, progress);
  if (result == kOsCopyDone) {
    // Like a system copy, the target gets the source's time and attributes.
    FILETIME written;
    if (GetFileTime(in, nullptr, nullptr, &written)) SetFileTime(out, nullptr, nullptr, &written);
  }
  // A network drive or a full disk may report a failed write only when the file is
  // closed: then the copy is not whole.
  if (!CloseHandle(out) && result == kOsCopyDone) result = kOsCopyFailed;
  CloseHandle(in);
  if (result != kOsCopyDone) {
    // Leave no half-copied file behind.
    DeleteFileW(wideTarget);
    return result;
  }
  DWORD attributes = GetFileAttributesW(wideSource);
  if (attributes != INVALID_FILE_ATTRIBUTES) {
    SetFileAttributesW(wideTarget, attributes & ~static_cast<DWORD>(FILE_ATTRIBUTE_READONLY));
  }
  return kOsCopyDone;
}
