// The FILECOPY dialog copies one listed file per 60 ms timer tick, showing the paths and a
// progress bar. It ends as completed when every file is copied, or as cancelled when the
// player closes it or gives up on a file that cannot be copied.
#include "ui/file_copy_dialog.h"

#include <windows.h>
// commctrl.h needs windows.h first
#include <commctrl.h>

#include "install/copy_step.h"
#include "install/install_selection.h"
#include "install/pass_progress.h"
#include "platform/win32/gui_dialog.h"
#include "platform/win32/gui_retry_box.h"
#include "platform/win32/gui_window.h"
#include "resources/resource_ids.h"
#include "text/bounded_text.h"
#include "ui/dialog_outcome.h"

namespace {

enum { kCopyTimer = 123, kCopyPeriodMs = 60 };

struct CopyDialogState {
  CopyPass pass;
  HWND dialog;
  // A step raises stepsDone only at its very end, and a tick starts a step only when the
  // two counts differ. So a tick that arrives during a step (while a message box is open,
  // or while the copy handles messages) does not start a second step.
  int stepsDone;
  int stepsAtLastCommand;
  bool copying;
  bool stopRequested;
  // Set by the pass after its last file. Pressing Enter in the dialog also sends IDOK, and
  // that must not record an install whose files are not all there.
  bool passEnded;
  int shownProgress;
  // Bytes of the whole pass and of the files already handled, as measured at start-up.
  uint64_t passTotal;
  uint64_t passHandled;
};
CopyDialogState g_CopyDialog;

void SetProgress(int position) {
  // The copy reports after every chunk; redraw the bar only when it moves.
  if (position == g_CopyDialog.shownProgress) return;
  g_CopyDialog.shownProgress = position;
  GuiSendMessage(GetDlgItem(g_CopyDialog.dialog, IDC_COPY_PROGRESS), PBM_SETPOS,
                 static_cast<WPARAM>(position), 0);
}

void EndPass(HWND dialog, bool completed) {
  EndDialog(dialog, 1);
  g_DialogOutcome.confirmed = completed ? 1 : 0;
}

void OnOpen(HWND dialog) {
  g_DialogOutcome.confirmed = 0;
  g_CopyDialog.dialog = dialog;
  g_CopyDialog.stepsDone = 0;
  g_CopyDialog.stepsAtLastCommand = -1;
  g_CopyDialog.copying = false;
  g_CopyDialog.stopRequested = false;
  g_CopyDialog.passEnded = false;
  g_CopyDialog.shownProgress = 0;
  SetTimer(dialog, kCopyTimer, kCopyPeriodMs, nullptr);
  BeginCopyPass(&g_CopyDialog.pass);
  g_CopyDialog.passTotal = PassBytes(g_TypeMask, -1);
  g_CopyDialog.passHandled = 0;
  GuiSendMessage(GetDlgItem(dialog, IDC_COPY_PROGRESS), PBM_SETRANGE32, 0, kPassBarRange);
}

void ShowPaths(const CopyStepPaths& paths) {
  char progress[1024];
  FormatText(progress, sizeof progress, "インストール元　%s\nインストール先　%s\n", paths.source,
             paths.target);
  GuiSetItemText(g_CopyDialog.dialog, IDC_MESSAGE_TEXT, progress);
}

bool OnCopyProgress(unsigned long long copied, unsigned long long) {
  SetProgress(PassBarPosition(g_CopyDialog.shownProgress, g_CopyDialog.passHandled, copied,
                              g_CopyDialog.passTotal));
  GuiPumpPendingMessages(g_CopyDialog.dialog);
  return !g_CopyDialog.stopRequested;
}

// Returns true if the player chose to copy the file again.
bool AskToRetry(HWND dialog, const CopyStepPaths& paths) {
  char message[1024];
  FormatText(message, sizeof message, "%s -> %sのファイルコピーができません。", paths.source,
             paths.target);
  return GuiAskRetry(dialog, message, "ファイルコピー失敗");
}

typedef CopyStepResult (*CopyCall)(CopyPass*, void (*)(const CopyStepPaths&), OsCopyProgress);

CopyStepResult Copy(CopyCall call) {
  g_CopyDialog.copying = true;
  CopyStepResult result = call(&g_CopyDialog.pass, ShowPaths, OnCopyProgress);
  g_CopyDialog.copying = false;
  return result;
}

void OnStep(HWND dialog, LPARAM stepsAtCommand) {
  g_CopyDialog.stepsAtLastCommand = static_cast<int>(stepsAtCommand);
  CopyStepResult result = Copy(CopyNextFile);
  // The same file again until it is copied or the player gives up: an install that lacks
  // a file is no install, and a disc taken out must not bring one box per file.
  while (result == kCopyStepFailed && !g_CopyDialog.stopRequested &&
         AskToRetry(dialog, g_CopyDialog.pass.paths)) {
    result = Copy(CopyFileAgain);
  }
  if (result == kCopyStepNoFileLeft) {
    g_CopyDialog.passEnded = true;
    SetProgress(kPassBarRange);
    GuiSendMessage(dialog, WM_COMMAND, IDOK, 0);
    return;
  }
  if (result == kCopyStepFailed) {
    EndPass(dialog, false);
    return;
  }
  ++g_CopyDialog.stepsDone;
  // A skipped file (a save kept) still counts as handled, with its measured size.
  g_CopyDialog.passHandled = PassBytes(g_TypeMask, g_CopyDialog.stepsDone);
  SetProgress(PassBarPosition(g_CopyDialog.shownProgress, g_CopyDialog.passHandled, 0,
                              g_CopyDialog.passTotal));
  // If the player asked to close during the copy, end the pass now, as a close between
  // files would.
  if (g_CopyDialog.stopRequested) EndPass(dialog, false);
}

}  // namespace

INT_PTR CALLBACK FileCopyDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_INITDIALOG:
      OnOpen(dialog);
      return TRUE;
    case WM_TIMER:
      if (g_CopyDialog.stepsDone != g_CopyDialog.stepsAtLastCommand) {
        GuiSendMessage(dialog, WM_COMMAND, IDC_COPY_STEP, g_CopyDialog.stepsDone);
      }
      return FALSE;
    case WM_COMMAND:
      switch (LOWORD(wParam)) {
        case IDC_COPY_STEP:
          OnStep(dialog, lParam);
          return FALSE;
        case IDOK:
          if (g_CopyDialog.passEnded) EndPass(dialog, true);
          return TRUE;
        case IDCANCEL:
          if (g_CopyDialog.copying) {
            g_CopyDialog.stopRequested = true;
          } else {
            EndPass(dialog, false);
          }
          return TRUE;
      }
      return FALSE;
  }
  return FALSE;
}
