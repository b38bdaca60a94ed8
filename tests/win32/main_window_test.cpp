// The main window created in the test process: layout, styles, stacking, fonts, keys, colours
// and the operations on its controls.
#include <gtest/gtest.h>
#include <windows.h>

#include <vector>

#include "ui/main_window.h"
#include "win32/dialog_driver.h"

namespace {

// Runs the program's message loop until no message is left; true when it met WM_QUIT.
bool pumpMessages(MainWindow& window) {
  MSG message;
  bool quit = false;
  while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
    quit = quit || message.message == WM_QUIT;
    if (window.handleKey(message)) continue;
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
  return quit;
}

RECT rectInParent(HWND control) {
  RECT rect;
  GetWindowRect(control, &rect);
  MapWindowPoints(nullptr, GetParent(control), reinterpret_cast<POINT*>(&rect), 2);
  return rect;
}

class MainWindowTest : public testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(window.create(MainWindow::Clicks{[this] { clicks.push_back("browse"); },
                                                 [this] { clicks.push_back("replace"); },
                                                 [this] { clicks.push_back("saveAs"); }}));
  }
  void showAndFocus() {
    window.show();
    SetForegroundWindow(window.hwnd());
    SetActiveWindow(window.hwnd());
    pumpMessages(window);
  }
  // Presses a key in the focused control the way the program's message loop sees it.
  void press(WPARAM key, bool shift = false) {
    BYTE keys[256];
    GetKeyboardState(keys);
    keys[VK_SHIFT] = shift ? 0x80 : 0;
    SetKeyboardState(keys);
    PostMessageW(GetFocus(), WM_KEYDOWN, key, 1);
    PostMessageW(GetFocus(), WM_KEYUP, key, 0xC0000001);
    pumpMessages(window);
    keys[VK_SHIFT] = 0;
    SetKeyboardState(keys);
  }
  // The tab-order control that holds the focus (the combo box for its edit field).
  HWND focusedControl() const {
    HWND focus = GetFocus();
    return focus && GetParent(focus) == window.stashCombo.hwnd ? window.stashCombo.hwnd : focus;
  }

  MainWindow window;
  std::vector<std::string> clicks;
};

TEST_F(MainWindowTest, FixedSizeCentredOnTheScreen) {
  RECT outer;
  GetWindowRect(window.hwnd(), &outer);
  EXPECT_EQ(outer.right - outer.left, 397);
  EXPECT_EQ(outer.bottom - outer.top, 200);
  EXPECT_EQ(outer.left, (GetSystemMetrics(SM_CXSCREEN) - 397) / 2);
  EXPECT_EQ(outer.top, (GetSystemMetrics(SM_CYSCREEN) - 200) / 2);

  const LONG style = GetWindowLongW(window.hwnd(), GWL_STYLE);
  EXPECT_EQ(style & (WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN), WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN);
  EXPECT_EQ(style & (WS_THICKFRAME | WS_MINIMIZEBOX | WS_MAXIMIZEBOX | WS_VISIBLE), 0);
  EXPECT_EQ(GetWindowLongW(window.hwnd(), GWL_EXSTYLE) & ~WS_EX_WINDOWEDGE, 0);
  EXPECT_EQ(GetParent(window.hwnd()), nullptr);
  EXPECT_EQ(GetClassLongW(window.hwnd(), GCL_STYLE), CS_HREDRAW | CS_VREDRAW | CS_DBLCLKS);
  EXPECT_EQ(windowText(window.hwnd()).substr(0, 13), L"Tarnwick:    ");
  EXPECT_NE(SendMessageW(window.hwnd(), WM_GETICON, ICON_BIG, 0), 0);
  EXPECT_NE(SendMessageW(window.hwnd(), WM_GETICON, ICON_SMALL, 0), 0);
  EXPECT_EQ(HGDIOBJ(SendMessageW(window.hwnd(), WM_GETFONT, 0, 0)), GetStockObject(DEFAULT_GUI_FONT));
}

TEST_F(MainWindowTest, ControlsAsLaidOutAndStackedTopFirst) {
  constexpr DWORD kChild = WS_CHILD | WS_CLIPSIBLINGS | WS_VISIBLE;
  constexpr DWORD kButton = kChild | WS_TABSTOP | BS_PUSHBUTTON | BS_CENTER | BS_VCENTER | BS_MULTILINE;
  struct Control {
    HWND hwnd;
    const wchar_t* cls;
    int x, y, cx, cy;
    const wchar_t* text;
    DWORD style;
    DWORD exStyle;
  } rows[] = {
      {window.saveAsHintLabel, L"TarnwickLabel", 144, 120, 160, 24, L"把真正使用的箱子复制保存:", kChild, 0},
      {window.saveAsButton, L"Button", 316, 119, 52, 24, L"另存", kButton, 0},
      {window.replaceButton, L"Button", 317, 78, 50, 24, L"替换", kButton, 0},
      {window.warningLabel, L"TarnwickLabel", 8, 8, 144, 24, L"必须小小退以后再替换!!", kChild, 0},
      {window.stashLabel, L"TarnwickLabel", 8, 80, 56, 16, L"共享箱子:", kChild, 0},
      {window.browseButton, L"Button", 318, 37, 50, 24, L"浏览", kButton, 0},
      {window.pathEdit.hwnd, L"Edit", 72, 40, 232, 20, L"", kChild | WS_TABSTOP | ES_LEFT | ES_AUTOHSCROLL,
       WS_EX_CLIENTEDGE},
      {window.pathLabel, L"TarnwickLabel", 8, 40, 64, 24, L"箱子路径:", kChild, 0},
      {window.stashCombo.hwnd, L"ComboBox", 72, 80, 232, -1, L"选择箱子",
       kChild | WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWN | CBS_AUTOHSCROLL, 0},
  };
  std::vector<HWND> stacking;
  for (HWND child = GetWindow(window.hwnd(), GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
    stacking.push_back(child);
  ASSERT_EQ(stacking.size(), std::size(rows));
  for (size_t i = 0; i < std::size(rows); ++i) {
    const Control& c = rows[i];
    SCOPED_TRACE(testing::PrintToString(i + 1) + " " + testing::PrintToString(std::wstring(c.text)));
    EXPECT_EQ(stacking[i], c.hwnd) << "stacking order";
    EXPECT_EQ(_wcsicmp(className(c.hwnd).c_str(), c.cls), 0);
    const RECT rect = rectInParent(c.hwnd);
    EXPECT_EQ(rect.left, c.x);
    EXPECT_EQ(rect.top, c.y);
    EXPECT_EQ(rect.right - rect.left, c.cx);
    if (c.cy > 0) {
      EXPECT_EQ(rect.bottom - rect.top, c.cy);
    }
    EXPECT_EQ(windowText(c.hwnd), c.text);
    // A combo box may hand WS_VSCROLL on to its list.
    const DWORD moved = c.hwnd == window.stashCombo.hwnd ? WS_VSCROLL : 0;
    EXPECT_EQ(DWORD(GetWindowLongW(c.hwnd, GWL_STYLE)) | moved, c.style);
    EXPECT_EQ(DWORD(GetWindowLongW(c.hwnd, GWL_EXSTYLE)), c.exStyle);
    EXPECT_EQ(HGDIOBJ(SendMessageW(c.hwnd, WM_GETFONT, 0, 0)), GetStockObject(DEFAULT_GUI_FONT));
    EXPECT_TRUE(IsWindowEnabled(c.hwnd));
  }
}

TEST_F(MainWindowTest, ComboStartsWithItsTextAndNoItems) {
  HWND combo = window.stashCombo.hwnd;
  EXPECT_EQ(SendMessageW(combo, CB_GETCOUNT, 0, 0), 0);
  EXPECT_EQ(window.stashCombo.selectedIndex(), -1);
  RECT dropped, closed;
  SendMessageW(combo, CB_GETDROPPEDCONTROLRECT, 0, LPARAM(&dropped));
  GetWindowRect(combo, &closed);
  // Windows reports the whole open combo box, 160 high; Wine the list below the field, about 160
  // less the field's height (measured with the font it had when it was created).
  const int open = dropped.bottom - closed.top;
  EXPECT_TRUE(open == 160 || (open < 160 && open + 2 * (closed.bottom - closed.top) > 160)) << open;
  // One pixel more than a combo box's own item height with the same font.
  HWND plain = CreateWindowExW(0, L"COMBOBOX", L"", WS_CHILD | CBS_DROPDOWN, 0, 0, 100, 100, window.hwnd(), nullptr,
                               nullptr, nullptr);
  SendMessageW(plain, WM_SETFONT, WPARAM(GetStockObject(DEFAULT_GUI_FONT)), FALSE);
  EXPECT_EQ(SendMessageW(combo, CB_GETITEMHEIGHT, 0, 0), SendMessageW(plain, CB_GETITEMHEIGHT, 0, 0) + 1);
  DestroyWindow(plain);
}

TEST_F(MainWindowTest, ComboOperations) {
  StashCombo& combo = window.stashCombo;
  EXPECT_EQ(combo.addItem("b.bin"), 0);
  EXPECT_EQ(combo.addItem("a.bin"), 1) << "not sorted";
  EXPECT_EQ(combo.addItem("b.bin"), 2) << "the same text twice is two items";
  EXPECT_EQ(windowText(combo.hwnd), L"选择箱子") << "adding leaves the edit field";
  EXPECT_EQ(combo.addItem("uniques 2024.bin"), 3);
  EXPECT_EQ(combo.itemText(3), "uniques 2024.bin");
  EXPECT_EQ(combo.itemText(1), "a.bin");
  EXPECT_EQ(combo.itemText(-1), "");
  EXPECT_EQ(combo.itemText(4), "");
  EXPECT_EQ(combo.selectedIndex(), -1);
  SendMessageW(combo.hwnd, CB_SETCURSEL, 1, 0);
  EXPECT_EQ(combo.selectedIndex(), 1);

  combo.clearItems();
  EXPECT_EQ(SendMessageW(combo.hwnd, CB_GETCOUNT, 0, 0), 0);
  EXPECT_EQ(combo.selectedIndex(), -1);
  EXPECT_EQ(windowText(combo.hwnd), L"") << "the initial text does not come back";
  EXPECT_EQ(combo.addItem("c.bin"), 0);
  EXPECT_EQ(windowText(combo.hwnd), L"");
}

TEST_F(MainWindowTest, PathEditOperations) {
  const PathEdit& edit = window.pathEdit;
  EXPECT_EQ(edit.getText(), "");
  const std::string texts[] = {"C:\\Games\\save\\sharedstash.bin", std::string(2000, 'p'), "D:/x/y/sharedstash.bin", ""};
  for (const std::string& text : texts) {
    edit.setText(text);
    EXPECT_EQ(edit.getText(), text);
  }
  if (GetACP() == 936) {
    const std::string chinese = "\xc7\xeb\xc9\xe8\xd6\xc3sharedstash.bin\xb5\xc4\xc2\xb7\xbe\xb6";
    edit.setText(chinese);
    EXPECT_EQ(edit.getText(), chinese);
  }
}

TEST_F(MainWindowTest, TabGoesRoundTheControlsBothWays) {
  showAndFocus();
  const std::vector<HWND> order = {window.stashCombo.hwnd, window.pathEdit.hwnd, window.browseButton,
                                   window.replaceButton, window.saveAsButton};
  EXPECT_EQ(focusedControl(), order[0]) << "the focus starts in the combo box";
  for (size_t i = 1; i <= order.size(); ++i) {
    press(VK_TAB);
    EXPECT_EQ(focusedControl(), order[i % order.size()]) << "Tab " << i;
  }
  for (size_t i = order.size(); i-- > 0;) {
    press(VK_TAB, true);
    EXPECT_EQ(focusedControl(), order[i]) << "Shift+Tab to " << i;
  }
}

TEST_F(MainWindowTest, EnterDoesNothingAndSpaceClicksAFocusedButton) {
  showAndFocus();
  press(VK_RETURN);
  SetFocus(window.pathEdit.hwnd);
  press(VK_RETURN);
  SetFocus(window.replaceButton);
  press(VK_RETURN);
  press(VK_F1);
  EXPECT_TRUE(clicks.empty());
  press(VK_SPACE);
  EXPECT_EQ(clicks, std::vector<std::string>{"replace"});
  EXPECT_TRUE(IsWindow(window.hwnd()));
}

TEST_F(MainWindowTest, FocusComesBackAfterTheWindowIsActivatedAgain) {
  showAndFocus();
  SetFocus(window.browseButton);
  HWND other = CreateWindowExW(0, L"STATIC", L"other", WS_POPUP | WS_VISIBLE, 0, 0, 50, 50, nullptr, nullptr, nullptr,
                               nullptr);
  SetActiveWindow(other);
  pumpMessages(window);
  EXPECT_NE(GetFocus(), window.browseButton);
  DestroyWindow(other);
  SetActiveWindow(window.hwnd());
  pumpMessages(window);
  EXPECT_EQ(GetFocus(), window.browseButton);
}

// Esc closes the window whichever control has the focus, the open list of the combo box too.
TEST(MainWindowEscTest, ClosesFromEveryControl) {
  for (int target = 0; target < 6; ++target) {
    SCOPED_TRACE(target);
    MainWindow window;
    ASSERT_TRUE(window.create({}));
    window.show();
    SetActiveWindow(window.hwnd());
    const HWND controls[] = {window.stashCombo.hwnd, window.pathEdit.hwnd, window.browseButton,
                             window.replaceButton, window.saveAsButton, window.stashCombo.hwnd};
    SetFocus(controls[target]);
    if (target == 5) SendMessageW(window.stashCombo.hwnd, CB_SHOWDROPDOWN, TRUE, 0);
    pumpMessages(window);
    PostMessageW(GetFocus(), WM_KEYDOWN, VK_ESCAPE, 1);
    EXPECT_TRUE(pumpMessages(window)) << "the message loop ends";
    EXPECT_EQ(window.hwnd(), nullptr) << "the window is gone";
  }
}

// The pixels of a label's rectangle that have the colour.
std::vector<POINT> pixelsOf(HDC dc, RECT rect, COLORREF color) {
  std::vector<POINT> found;
  for (int y = rect.top; y < rect.bottom; ++y)
    for (int x = rect.left; x < rect.right; ++x)
      if (GetPixel(dc, x, y) == color) found.push_back({x, y});
  return found;
}

TEST_F(MainWindowTest, LabelsDrawRedFromTheTopOrBlackCentred) {
  showAndFocus();
  RedrawWindow(window.hwnd(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
  HDC dc = GetDC(window.hwnd());
  const COLORREF face = GetSysColor(COLOR_BTNFACE);
  EXPECT_EQ(GetPixel(dc, 2, 2), face) << "the window's face colour";

  const RECT warning = rectInParent(window.warningLabel);
  const auto red = pixelsOf(dc, warning, RGB(255, 0, 0));
  ASSERT_FALSE(red.empty()) << "the warning is red";
  EXPECT_TRUE(pixelsOf(dc, warning, RGB(0, 0, 0)).empty());
  int firstRedRow = warning.bottom;
  for (POINT p : red) firstRedRow = std::min<int>(firstRedRow, p.y);
  EXPECT_LE(firstRedRow - warning.top, 4) << "wrapped text starts at the top";

  for (HWND label : {window.pathLabel, window.stashLabel, window.saveAsHintLabel}) {
    const RECT rect = rectInParent(label);
    const auto black = pixelsOf(dc, rect, RGB(0, 0, 0));
    ASSERT_FALSE(black.empty());
    EXPECT_TRUE(pixelsOf(dc, rect, RGB(255, 0, 0)).empty());
    int top = rect.bottom, bottom = rect.top;
    for (POINT p : black) top = std::min<int>(top, p.y), bottom = std::max<int>(bottom, p.y);
    EXPECT_LE(std::abs((top - rect.top) - (rect.bottom - 1 - bottom)), 3) << "centred in its height";
  }
  ReleaseDC(window.hwnd(), dc);
}
}  // namespace
