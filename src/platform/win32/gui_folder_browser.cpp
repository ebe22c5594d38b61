// Shows the shell's folder browser, for picking the parent of the install folder.
#include "platform/win32/gui_folder_browser.h"

#include <shlobj.h>

#include "platform/win32/system_library.h"
#include "platform/win32/wide_text.h"

namespace {

// The shell is loaded on the first browse, not at start-up, where it and the libraries it
// needs would delay the main window.
decltype(&SHGetMalloc) g_GetMalloc;
decltype(&SHBrowseForFolderW) g_BrowseForFolder;
decltype(&SHGetPathFromIDListW) g_PathFromIdList;

template <typename Function>
void Resolve(HMODULE library, const char* name, Function* out) {
  *out = reinterpret_cast<Function>(reinterpret_cast<void (*)()>(GetProcAddress(library, name)));
}

bool LoadShell() {
  if (g_GetMalloc != nullptr && g_BrowseForFolder != nullptr && g_PathFromIdList != nullptr) {
    return true;
  }
  HMODULE shell = LoadSystemLibrary(L"shell32.dll");
  if (shell == nullptr) return false;
  Resolve(shell, "SHGetMalloc", &g_GetMalloc);
  Resolve(shell, "SHBrowseForFolderW", &g_BrowseForFolder);
  Resolve(shell, "SHGetPathFromIDListW", &g_PathFromIdList);
  return g_GetMalloc != nullptr && g_BrowseForFolder != nullptr && g_PathFromIdList != nullptr;
}

// The browser needs COM on this thread, apartment-threaded. COM is left running until the
// process ends. ole32 is also loaded on first use, so setup.exe does not import it.
bool InitializeComOnce() {
  static bool ready;
  if (ready) return true;
  HMODULE ole = LoadSystemLibrary(L"ole32.dll");
  if (ole == nullptr) return false;
  decltype(&CoInitializeEx) initialize = nullptr;
  Resolve(ole, "CoInitializeEx", &initialize);
  ready = initialize != nullptr && SUCCEEDED(initialize(nullptr, COINIT_APARTMENTTHREADED));
  return ready;
}

int CALLBACK BrowserCallback(HWND browser, UINT message, LPARAM value, LPARAM appValue) {
  if (message == BFFM_INITIALIZED) {
    // appValue is 0, so no folder is named and the shell picks where to start.
    SendMessageW(browser, BFFM_SETSELECTIONW, 0, appValue);
  } else if (message == BFFM_SELCHANGED) {
    wchar_t path[MAX_PATH];
    if (g_PathFromIdList(reinterpret_cast<PCIDLIST_ABSOLUTE>(value), path)) {
      SendMessageW(browser, BFFM_SETSTATUSTEXTW, 0, reinterpret_cast<LPARAM>(path));
    }
  }
  return 0;
}

}  // namespace

bool GuiChooseFolder(HWND owner, char* out, size_t cap, const char* prompt) {
  IMalloc* allocator = nullptr;
  if (!InitializeComOnce() || !LoadShell() || FAILED(g_GetMalloc(&allocator))) return false;
  wchar_t widePrompt[kWideCapacity];
  ToWideShown(prompt, widePrompt, kWideCapacity);
  wchar_t displayName[MAX_PATH];
  BROWSEINFOW request = {};
  request.hwndOwner = owner;
  request.pszDisplayName = displayName;
  request.lpszTitle = widePrompt;
  // The resizable browser with a button for a new folder.
  request.ulFlags = BIF_RETURNONLYFSDIRS | BIF_STATUSTEXT | BIF_NEWDIALOGSTYLE;
  request.lpfn = BrowserCallback;
  PIDLIST_ABSOLUTE item = g_BrowseForFolder(&request);
  if (item == nullptr) {
    allocator->Release();
    return false;
  }
  wchar_t path[MAX_PATH];
  path[0] = L'\0';
  bool chosen = g_PathFromIdList(item, path) != FALSE;
  allocator->Free(item);
  allocator->Release();
  // A folder whose name cannot be written in code page 932 cannot be used. Refuse it
  // rather than change its name.
  return chosen && FromWideStrict(path, out, cap);
}
