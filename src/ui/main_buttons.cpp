// The main window's four buttons: creates them, enables them by the installed state, and
// moves focus between them with the keyboard.
#include "ui/main_buttons.h"

#include "platform/win32/gui_scale.h"
#include "platform/win32/gui_window.h"
#include "resources/resource_ids.h"
#include "ui/button_order.h"

namespace {

enum { kButtonLeft = 320, kButtonWidth = 144, kButtonHeight = 60 };

// Indexed by MainButtonSlot, that is, in keyboard order.
HWND g_ButtonsInKeyOrder[kMainButtonCount];
// The dialogs' face at the window's DPI; made again when the DPI changes.
HFONT g_ButtonFont;

struct MainButton {
  MainButtonSlot slot;
  const char* text;
  int id;
  int top;  // at 96 DPI
};
// In the order of creation: Install, Uninstall, Run game, Exit, which is not their order on
// screen.
const MainButton kMainButtons[kMainButtonCount] = {
    {kInstallSlot, "インストール", IDC_INSTALL_BUTTON, 60},
    {kUninstallSlot, "アンインストール", IDC_UNINSTALL_BUTTON, 120},
    {kRunGameSlot, "ゲーム実行", IDC_RUN_GAME_BUTTON, 0},
    {kExitSlot, "終了", IDC_EXIT_BUTTON, 180},
};

bool IsEnabledWhen(MainButtonSlot slot, bool installed) {
  switch (slot) {
    case kInstallSlot:
      return !installed;
    case kUninstallSlot:
    case kRunGameSlot:
      return installed;
    default:
      return true;
  }
}

}  // namespace

void CreateMainButtons(HWND window, int dpi, bool installed) {
  for (const MainButton& button : kMainButtons) {
    // Made in their state, not enabled then disabled: a button redraws itself at once
    // when that changes, so it would be drawn twice before the window is first seen.
    DWORD style = WS_CHILD | WS_VISIBLE | (IsEnabledWhen(button.slot, installed) ? 0 : WS_DISABLED);
    // Placed, and given their font, for the DPI just below.
    g_ButtonsInKeyOrder[button.slot] =
        GuiCreateWindow("BUTTON", button.text, style, 0, 0, 0, 0, window, button.id);
  }
  ScaleMainButtons(dpi);
}

void ScaleMainButtons(int dpi) {
  HFONT font = GuiCreateDialogFont(dpi);
  for (const MainButton& button : kMainButtons) {
    HWND handle = g_ButtonsInKeyOrder[button.slot];
    MoveWindow(handle, GuiScale(kButtonLeft, dpi), GuiScale(button.top, dpi),
               GuiScale(kButtonWidth, dpi), GuiScale(kButtonHeight, dpi), TRUE);
    GuiSendMessage(handle, WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
  }
  DeleteMainButtonFont();
  g_ButtonFont = font;
}

void DeleteMainButtonFont() {
  if (g_ButtonFont != nullptr) DeleteObject(g_ButtonFont);
  g_ButtonFont = nullptr;
}

void SetButtonStates(bool installed) {
  for (const MainButton& button : kMainButtons) {
    EnableWindow(g_ButtonsInKeyOrder[button.slot], IsEnabledWhen(button.slot, installed));
  }
}

namespace {

int EnabledSlotFrom(int current, int step) {
  bool enabled[kMainButtonCount];
  for (int slot = 0; slot < kMainButtonCount; ++slot) {
    enabled[slot] = IsWindowEnabled(g_ButtonsInKeyOrder[slot]) != FALSE;
  }
  return NextButtonSlot(enabled, current, step);
}

}  // namespace

void FocusFirstButton() {
  if (!IsWindow(GuiMainWindow())) return;
  int slot = EnabledSlotFrom(-1, 1);
  if (slot >= 0) SetFocus(g_ButtonsInKeyOrder[slot]);
}

bool HandleMainWindowKey(const MSG& message) {
  HWND window = GuiMainWindow();
  if (message.message != WM_KEYDOWN || window == nullptr) return false;
  if (message.hwnd != window && GetParent(message.hwnd) != window) return false;
  int current = -1;
  for (int slot = 0; slot < kMainButtonCount; ++slot) {
    if (g_ButtonsInKeyOrder[slot] == message.hwnd) current = slot;
  }
  switch (message.wParam) {
    case VK_TAB: {
      int next = EnabledSlotFrom(current, GetKeyState(VK_SHIFT) < 0 ? -1 : 1);
      if (next >= 0) SetFocus(g_ButtonsInKeyOrder[next]);
      return true;
    }
    case VK_RETURN:
      // Only Enter is handled here. The button handles Space itself: it clicks when the
      // key is released, as with the mouse.
      if (current >= 0 && IsWindowEnabled(message.hwnd)) {
        GuiSendMessage(window, WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(message.hwnd), BN_CLICKED),
                       reinterpret_cast<LPARAM>(message.hwnd));
      }
      return true;
    case VK_ESCAPE:
      GuiSendMessage(window, WM_COMMAND, MAKEWPARAM(IDC_EXIT_BUTTON, BN_CLICKED),
                     reinterpret_cast<LPARAM>(g_ButtonsInKeyOrder[kExitSlot]));
      return true;
  }
  return false;
}
