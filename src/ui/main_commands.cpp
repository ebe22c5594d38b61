// The main window's own commands: start the game, and quit after asking the player.
#include "ui/main_commands.h"

#include "install/game_command_line.h"
#include "install/install_selection.h"
#include "path/path_characters.h"
#include "platform/platform.h"
#include "platform/win32/gui_start_process.h"
#include "platform/win32/gui_window.h"
#include "text/bounded_text.h"
#include "ui/confirm_dialogs.h"
#include "ui/dialog_outcome.h"

void StartGame() {
  char executable[kPathSize];
  char commandLine[kPathSize];  // the system takes no longer one from the launcher
  bool whole = FormGameExecutable(executable, sizeof executable, g_InstallFolder, g_Setup.EXE);
  whole = FormGameCommandLine(commandLine, sizeof commandLine, g_InstallFolder, g_Setup.EXE,
                              g_Setup.SourceFolder) &&
          whole;
  // Do not start a cut path; it would name another program. If the game does not start,
  // the launcher stays open and says so, rather than vanishing without a word.
  if (whole && GuiStartProcess(executable, commandLine)) {
    DestroyWindow(GuiMainWindow());
    return;
  }
  char message[sizeof executable + 32];
  FormatText(message, sizeof message, "%s\nを起動できませんでした。", executable);
  OsMessageBox(GuiMainWindow(), message, "ゲーム実行の失敗");
}

void ConfirmExit() {
  ShowConfirmDialog(kConfirmExit, GuiMainWindow());
  if (g_DialogOutcome.exitConfirmed == 1) DestroyWindow(GuiMainWindow());
}
