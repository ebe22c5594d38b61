// The FILECOPY dialog: one listed file per 60 ms timer tick, with the paths shown and a
// progress bar, until the set is exhausted (completed) or the dialog is closed (cancelled).
#include <windows.h>
// after windows.h, which it needs
#include <commctrl.h>

#include "install/file_copy.h"
#include "install/install_selection.h"
#include "install/pass_progress.h"
#include "platform/platform.h"
#include "platform/win32/gui.h"
#include "resources/resource_ids.h"
#include "setup_source/file_set.h"
#include "text/bounded_text.h"
#include "ui/launcher.h"
#include "ui/shared/dialog_outcome.h"

enum { kCopyTimer = 123, kCopyPeriodMs = 60 };

// A step raises StepsDone only at its very end, and a tick starts a step only when the
// two differ: a tick delivered inside a step (message box, copy progress) starts nothing.
static int g_StepsDone;
static int g_StepsAtLastCommand;
static char g_CopySourceRoot[512];
static HWND g_CopyDialog;
static bool g_Copying;
static bool g_StopRequested;
static int g_ShownProgress;
static uint64_t g_PassTotal;
static uint64_t g_PassHandled;

static void SetProgress(int position) {
  // The copy reports every chunk; the bar is redrawn only when it moves.
  if (position == g_ShownProgress) return;
  g_ShownProgress = position;
  GuiSendMessage(GetDlgItem(g_CopyDialog, IDC_COPY_PROGRESS), PBM_SETPOS,
                 static_cast<WPARAM>(position), 0);
}

static void EndPass(HWND dialog, bool completed) {
  EndDialog(dialog, 1);
  g_DialogOutcome.confirmed = completed ? 1 : 0;
}

static void OnOpen(HWND dialog) {
  g_DialogOutcome.confirmed = 0;
  OsGetCurrentFolder(g_CopySourceRoot, sizeof g_CopySourceRoot);
  g_StepsDone = 0;
  g_StepsAtLastCommand = -1;
  g_CopyDialog = dialog;
  g_Copying = false;
  g_StopRequested = false;
  g_ShownProgress = 0;
  SetTimer(dialog, kCopyTimer, kCopyPeriodMs, nullptr);

  BeginFileSet(g_TypeMask);
  g_PassTotal = PassBytes(g_TypeMask, -1);
  g_PassHandled = 0;
  GuiSendMessage(GetDlgItem(dialog, IDC_COPY_PROGRESS), PBM_SETRANGE32, 0, kPassBarRange);
}

static bool OnCopyProgress(unsigned long long copied, unsigned long long) {
  SetProgress(PassBarPosition(g_ShownProgress, g_PassHandled, copied, g_PassTotal));
  GuiPumpPendingMessages(g_CopyDialog);
  return !g_StopRequested;
}

static void ReportFailedCopy(HWND dialog, const CopyStepPaths& paths) {
  char message[1024];
  FormatText(message, sizeof message, "%s -> %sのファイルコピーができません。", paths.source,
             paths.target);
  OsMessageBox(dialog, message, "ファイルコピー失敗");
}

static void OnStep(HWND dialog, LPARAM stepsAtCommand) {
  g_StepsAtLastCommand = static_cast<int>(stepsAtCommand);
  char relative[kFileNameCapacity + 1];
  if (NextFileInSet(relative, sizeof relative) == 1) {
    SetProgress(kPassBarRange);
    GuiSendMessage(dialog, WM_COMMAND, IDOK, 0);
    return;
  }
  static CopyStepPaths paths;
  bool whole = FormCopyStepPaths(g_CopySourceRoot, g_Setup.PATH, g_InstallFolder, relative, &paths);
  if (whole) PrepareSubFolder(paths.subFolder);

  char progress[1024];
  FormatText(progress, sizeof progress, "インストール元　%s\nインストール先　%s\n", paths.source,
             paths.target);
  GuiSetItemText(dialog, IDC_MESSAGE_TEXT, progress);

  // A path that did not fit would name another file: the step fails like a copy.
  GuiCopyResult result = kGuiCopyFailed;
  if (whole) {
    g_Copying = true;
    result = GuiCopyFileWithProgress(paths.source, paths.target, OnCopyProgress);
    g_Copying = false;
  }
  if (result == kGuiCopyFailed) ReportFailedCopy(dialog, paths);
  if (whole) ClearReadOnly(paths.target);
  ++g_StepsDone;
  // Failed or skipped, the file counts as handled with its measured size.
  g_PassHandled = PassBytes(g_TypeMask, g_StepsDone);
  SetProgress(PassBarPosition(g_ShownProgress, g_PassHandled, 0, g_PassTotal));
  // A close request that came during the copy ends the pass now, as one between files does.
  if (g_StopRequested) EndPass(dialog, false);
}

INT_PTR CALLBACK FileCopyDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_INITDIALOG:
      OnOpen(dialog);
      return TRUE;
    case WM_TIMER:
      if (g_StepsDone != g_StepsAtLastCommand) {
        GuiSendMessage(dialog, WM_COMMAND, IDC_COPY_STEP, g_StepsDone);
      }
      return FALSE;
    case WM_COMMAND:
      switch (LOWORD(wParam)) {
        case IDC_COPY_STEP:
          OnStep(dialog, lParam);
          return FALSE;
        case IDOK:
          EndPass(dialog, true);
          return TRUE;
        case IDCANCEL:
          if (g_Copying) {
            g_StopRequested = true;
          } else {
            EndPass(dialog, false);
          }
          return TRUE;
      }
      return FALSE;
  }
  return FALSE;
}
