// The display scale at the run's DPI (E2E_DPI, 96 unless set): the main window and its buttons
// scaled, every dialog template's controls inside and apart, the sizes whole, the icons.
#include <algorithm>
#include <set>

#include "launcher_test.h"
// commctrl.h needs windows.h first
#include <commctrl.h>

namespace e2e {

namespace {

// Physical pixels, as the launcher (aware of the DPI) sees them: set before any window.
const bool kDpiAware = SetProcessDPIAware();

const int kDpi = Setting(L"E2E_DPI").empty() ? 96 : std::stoi(Setting(L"E2E_DPI"));

// Per DPI: the client area, the right column's left edge and button height, 9 points' height.
struct MainFigures {
  int dpi;
  LONG width, height, column, buttonHeight, fontHeight;
};
const MainFigures kMainFigures[] = {{96, 464, 240, 320, 60, -12},
                                    {120, 580, 300, 400, 75, -15},
                                    {144, 696, 360, 480, 90, -18},
                                    {192, 928, 480, 640, 120, -24}};

const MainFigures& Figures() {
  for (const MainFigures& figures : kMainFigures)
    if (figures.dpi == kDpi) return figures;
  throw WindowError(L"no figures for this DPI");
}

std::wstring Describe(const RECT& r) {
  return Format(L"%ld,%ld-%ld,%ld", r.left, r.top, r.right, r.bottom);
}

RECT InClient(HWND parent, HWND child) {
  RECT rect;
  GetWindowRect(child, &rect);
  MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&rect), 2);
  return rect;
}

// A BMP of what the screen shows of the window, for people to look at.
void SavePicture(HWND window, const wchar_t* name) {
  if (Setting(L"E2E_SHOTS").empty()) return;
  RECT frame;
  GetWindowRect(window, &frame);
  MapWindowPoints(nullptr, window, reinterpret_cast<POINT*>(&frame), 2);
  Canvas canvas(frame, window);
  // Opaque: some viewers read the fourth byte as transparency.
  for (int i = 0; i < canvas.width * canvas.height; ++i) canvas.bits[i] |= 0xFF000000;
  const DWORD pixels = canvas.width * canvas.height * 4,
              offset = sizeof(BITMAPFILEHEADER) + sizeof canvas.header;
  BITMAPFILEHEADER file = {0x4D42, offset + pixels, 0, 0, offset};
  WriteBytes(Setting(L"E2E_SHOTS") + L"\\" + name + L"-" + std::to_wstring(kDpi) + L".bmp",
             Raw(&file, sizeof file) + Raw(&canvas.header, sizeof canvas.header) +
                 Raw(canvas.bits, pixels));
}

// The text centred in area, as a push button draws its caption.
RECT InkOfText(const wchar_t* text, LONG height, const RECT& area) {
  Canvas canvas(area);
  RECT all = {0, 0, canvas.width, canvas.height};
  FillRect(canvas.dc, &all, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
  HFONT font = CreateFontW(height, 0, 0, 0, FW_NORMAL, 0, 0, 0, DEFAULT_CHARSET, 0, 0, 0, 0,
                           L"ＭＳ Ｐゴシック");
  HGDIOBJ previous = SelectObject(canvas.dc, font);
  DrawTextW(canvas.dc, text, -1, &all, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
  SelectObject(canvas.dc, previous);
  DeleteObject(font);
  return canvas.InkBox();
}

std::pair<LONG, LONG> InkSize(const RECT& ink) {
  return {ink.right - ink.left, ink.bottom - ink.top};
}

// Every overlapping pair ("1017+1019") and every control outside the client area ("out 1017"),
// sorted; controls of id -1 are named by kind and order: frame1, frame2, text1...
std::wstring Layout(HWND dialog) {
  std::vector<std::pair<std::wstring, RECT>> controls;
  int frames = 0, texts = 0;
  for (HWND child = GetWindow(dialog, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
    int id = GetDlgCtrlID(child);
    wchar_t kind[16] = {};
    GetClassNameW(child, kind, 16);
    std::wstring name = id != 0xFFFF                 ? std::to_wstring(id)
                        : lstrcmpiW(kind, L"Button") ? L"text" + std::to_wstring(++texts)
                                                     : L"frame" + std::to_wstring(++frames);
    controls.push_back({name, InClient(dialog, child)});
  }
  RECT client, overlap;
  GetClientRect(dialog, &client);
  std::set<std::wstring> found;
  for (size_t i = 0; i < controls.size(); ++i) {
    const RECT& r = controls[i].second;
    if (r.left < 0 || r.top < 0 || r.right > client.right || r.bottom > client.bottom) {
      found.insert(L"out " + controls[i].first);
    }
    for (size_t j = i + 1; j < controls.size(); ++j) {
      if (IntersectRect(&overlap, &r, &controls[j].second)) {
        found.insert(std::min(controls[i].first, controls[j].first) + L"+" +
                     std::max(controls[i].first, controls[j].first));
      }
    }
  }
  std::wstring text;
  for (const std::wstring& item : found) text += item + L" ";
  return text;
}

INT_PTR CALLBACK Inert(HWND, UINT, WPARAM, LPARAM) { return FALSE; }

}  // namespace

using Scale = LauncherTest;

// The main window's size (kept on resize), buttons, font, and the picture: read when found, kept.
TEST_F(Scale, MainWindowAndButtons) {
  ASSERT_TRUE(kDpiAware);
  const MainFigures& expected = Figures();
  ReplaceDiscFile(L"setup.bmp");
  const std::wstring picture = movedAway.back();
  StartToMain();
  for (SIZE size : {SIZE{0, 0}, SIZE{700, 500}, SIZE{200, 100}}) {  // 0: as started
    if (size.cx) SetWindowPos(main, nullptr, 0, 0, size.cx, size.cy, SWP_NOMOVE | SWP_NOZORDER);
    Sync(main);
    RECT client;
    GetClientRect(main, &client);
    EXPECT_EQ(std::make_pair(client.right, client.bottom),
              std::make_pair(expected.width, expected.height))
        << size.cx << " x " << size.cy;
  }
  const int buttons[] = {IDC_RUN_GAME_BUTTON, IDC_INSTALL_BUTTON, IDC_UNINSTALL_BUTTON,
                         IDC_EXIT_BUTTON};
  RECT exit = {};
  for (int i = 0; i < 4; ++i) {
    exit = {expected.column, i * expected.buttonHeight, expected.width,
            (i + 1) * expected.buttonHeight};
    EXPECT_EQ(Describe(InClient(main, Item(main, buttons[i]))), Describe(exit)) << buttons[i];
  }
  // The ink of 終了 (Exit) against the same text drawn here: Wine passes no font across.
  Sync(main);
  InflateRect(&exit, -MulDiv(8, expected.dpi, 96), -MulDiv(8, expected.dpi, 96));
  // Waits for the whole caption, not its first ink: the screen may show it half drawn.
  const std::pair<LONG, LONG> want = InkSize(InkOfText(L"終了", expected.fontHeight, exit));
  RECT ink = {};
  WaitUntil([&] { return InkSize(ink = Canvas(exit, main).InkBox()) == want; }, 10000);
  EXPECT_EQ(InkSize(ink), want);
  const int x = MulDiv(40, expected.dpi, 96), y = MulDiv(200, expected.dpi, 96);
  auto pixel = [&] { return Canvas({x, y, x + 1, y + 1}, main).bits[0] & 0xFFFFFF; };  // 0xRRGGBB
  auto grey = [&] { return pixel() == 0xC0C0C0; };
  auto shown = [&] {  // the picture's dark green, (20, 48, 31) give or take 40
    DWORD p = pixel();
    return std::abs(int(p >> 16) - 20) <= 40 && std::abs(int(p >> 8 & 0xFF) - 48) <= 40 &&
           std::abs(int(p & 0xFF) - 31) <= 40;
  };
  // A magenta mark first proves that this repaint drew what is then seen.
  auto repaint = [&](const std::function<bool()>& seen) {
    HDC dc = GetDC(main);
    RECT mark = {x - 2, y - 2, x + 2, y + 2};
    SetDCBrushColor(dc, RGB(255, 0, 255));
    FillRect(dc, &mark, static_cast<HBRUSH>(GetStockObject(DC_BRUSH)));
    ReleaseDC(main, dc);
    WaitUntil([&] { return pixel() == 0xFF00FF; }, 10000);
    RedrawWindow(main, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
    return WaitUntil(seen, 10000);
  };
  EXPECT_TRUE(repaint(grey)) << "no picture: the grey background";
  ASSERT_TRUE(MoveFileW((picture + L".away").c_str(), picture.c_str()));
  EXPECT_TRUE(repaint(shown)) << "tried again at the next paint";
  SavePicture(main, L"main-window");
  ASSERT_TRUE(MoveFileW(picture.c_str(), (picture + L".away").c_str()));
  EXPECT_TRUE(repaint(shown)) << "kept, not read again";
  HWND options = OpenOptions();
  // Every size shows: no frame paints over the labels inside it.
  for (int id = IDC_SIZE_MINIMUM; id <= IDC_SIZE_TYPE4; ++id) {
    RECT label = InClient(options, Item(options, id));
    EXPECT_TRUE(WaitUntil([&] { return Canvas(label, options).InkBox().right > 0; }, 5000)) << id;
  }
  SavePicture(options, L"install");
  Press(options, IDCANCEL);
}

// Each template at the run's DPI overlaps as at 96; each size label holds "2048.00M" whole.
TEST_F(Scale, DialogTemplatesAndIcons) {
  ASSERT_TRUE(kDpiAware);
  INITCOMMONCONTROLSEX controls = {sizeof controls, ICC_PROGRESS_CLASS};
  InitCommonControlsEx(&controls);
  HMODULE setup = LoadLibraryExW(L"Q:\\setup.exe", nullptr, LOAD_LIBRARY_AS_DATAFILE);
  ASSERT_NE(setup, nullptr);
  // clang-format off
  const std::pair<const wchar_t*, const wchar_t*> templates[] = {
      {L"INSTALL", L"1017+frame1 1018+frame1 1019+frame1 1019+frame2 1020+frame1 1020+frame2 "
                   L"1021+frame1 1021+frame2 1022+frame1 1022+frame2 1023+frame1 1023+frame2 "
                   L"1024+frame1 1024+frame2 1026+frame1 1027+frame1 1028+frame1 1028+frame2 "
                   L"1029+frame1 1029+frame2 1030+frame1 1030+frame2 1031+frame1 1031+frame2 "
                   L"1032+frame1 1032+frame2 frame1+frame2 frame1+text2 frame1+text3 "
                   L"frame2+text2 frame2+text3 "},
      {L"DIRMAKE", L""}, {L"DIROK", L""}, {L"ENDBOX", L""}, {L"UNINSTALL", L""},
      {L"FILECOPY", L""}};
  // clang-format on
  for (const auto& [name, overlaps] : templates) {
    HWND dialog = CreateDialogParamW(setup, name, nullptr, Inert, 0);
    ASSERT_NE(dialog, nullptr) << Utf8(name);
    EXPECT_EQ(Layout(dialog), overlaps) << Utf8(name);
    if (std::wstring(name) == L"INSTALL") {
      Canvas canvas({0, 0, 1, 1});  // the dialog's font, measured in a DC of our own
      SelectObject(canvas.dc, reinterpret_cast<HFONT>(SendMessageW(dialog, WM_GETFONT, 0, 0)));
      SIZE text = {};
      GetTextExtentPoint32W(canvas.dc, L"2048.00M", 8, &text);
      for (int id = IDC_SIZE_MINIMUM; id <= IDC_SIZE_TYPE4; ++id) {
        RECT label;
        GetClientRect(Item(dialog, id), &label);
        EXPECT_LE(text.cx, label.right) << id << ": 2048.00M cut";
      }
    }
    DestroyWindow(dialog);
  }
  // Icon group 107: the two old images byte for byte, 24, 48, 64 pixels and a 256-pixel PNG (0).
  auto resource = [&](int id, LPCWSTR type) {
    HRSRC found = FindResourceW(setup, MAKEINTRESOURCEW(id), type);
    const char* bytes =
        found ? static_cast<const char*>(LockResource(LoadResource(setup, found))) : nullptr;
    return bytes ? std::string(bytes, SizeofResource(setup, found)) : std::string();
  };
  const std::string group = resource(IDI_LAUNCHER, RT_GROUP_ICON);
  std::wstring images;
  for (size_t at = 6; at + 14 <= group.size(); at += 14) {  // each GRPICONDIRENTRY
    const BYTE* entry = reinterpret_cast<const BYTE*>(&group[at]);
    const std::string image = resource(*reinterpret_cast<const WORD*>(entry + 12), RT_ICON);
    images +=
        Format(L"%d/%d/%d:%ls ", entry[0], entry[2], *reinterpret_cast<const WORD*>(entry + 6),
               image.rfind("\x89PNG", 0) == 0 ? L"png" : std::to_wstring(image.size()).c_str());
  }
  EXPECT_EQ(images, L"32/16/4:744 16/16/4:296 24/16/4:488 48/16/4:1640 64/16/4:2664 0/0/8:png ");
  FreeLibrary(setup);
}

}  // namespace e2e
