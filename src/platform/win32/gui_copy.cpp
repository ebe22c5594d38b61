// One file copy that keeps the caller's window alive: the progress routine lets the
// caller pump messages and stop the copy between chunks.
#include "platform/win32/gui.h"
#include "platform/win32/wide_text.h"

static GuiCopyProgress g_CopyProgress;
static bool g_CopyStopped;

static DWORD CALLBACK CopyProgressRoutine(LARGE_INTEGER total, LARGE_INTEGER copied, LARGE_INTEGER,
                                          LARGE_INTEGER, DWORD, DWORD, HANDLE, HANDLE, LPVOID) {
  if (g_CopyProgress != nullptr &&
      !g_CopyProgress(static_cast<unsigned long long>(copied.QuadPart),
                      static_cast<unsigned long long>(total.QuadPart))) {
    g_CopyStopped = true;
    return PROGRESS_CANCEL;
  }
  return PROGRESS_CONTINUE;
}

GuiCopyResult GuiCopyFileWithProgress(const char* source, const char* target,
                                      GuiCopyProgress progress) {
  wchar_t wideSource[kWideCapacity];
  wchar_t wideTarget[kWideCapacity];
  if (!ToWide(source, wideSource, kWideCapacity)) return kGuiCopyFailed;
  if (!ToWide(target, wideTarget, kWideCapacity)) return kGuiCopyFailed;
  g_CopyProgress = progress;
  g_CopyStopped = false;
  BOOL copied = CopyFileExW(wideSource, wideTarget, CopyProgressRoutine, nullptr, nullptr, 0);
  g_CopyProgress = nullptr;
  if (copied) return kGuiCopyDone;
  if (!g_CopyStopped) return kGuiCopyFailed;
  // The system normally removes the part it wrote; make sure nothing half copied stays.
  DeleteFileW(wideTarget);
  return kGuiCopyStopped;
}
