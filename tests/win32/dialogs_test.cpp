// The notice box and the text-input dialog, shown for real and driven from the test. The texts
// must read right under code page 936 and under 1252 alike.
#include <gtest/gtest.h>
#include <windows.h>

#include <vector>

#include "stash/texts.h"
#include "ui/ask_text_ids.h"
#include "ui/dialogs.h"
#include "win32/dialog_driver.h"

namespace {

// Pixels of a rectangle given in dialog units, rounded as the dialog manager does: the
// position and the size each on their own.
RECT dialogUnits(HWND dialog, int x, int y, int cx, int cy) {
  RECT units{x, y, cx, cy};
  MapDialogRect(dialog, &units);
  return RECT{units.left, units.top, units.left + units.right, units.top + units.bottom};
}

RECT rectInParent(HWND control) {
  RECT rect;
  GetWindowRect(control, &rect);
  MapWindowPoints(nullptr, GetParent(control), reinterpret_cast<POINT*>(&rect), 2);
  return rect;
}

bool operator==(const RECT& a, const RECT& b) {
  return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}

std::string toString(const RECT& r) {
  return std::to_string(r.left) + "," + std::to_string(r.top) + "," + std::to_string(r.right) + "," +
         std::to_string(r.bottom);
}

AskTextResult askSaveAsName(const std::function<void(HWND)>& driver) {
  AskTextResult result{true, "untouched"};
  driveNextDialog(driver, [&] { result = askText(stash_text::kSaveAsPrompt, stash_text::kSaveAsTitle); });
  return result;
}

TEST(AskTextDialogTest, LaidOutWithItsTextsAndDefaultButton) {
  struct Control {
    int id;
    int x, y, cx, cy;
    const wchar_t* cls;
    const wchar_t* text;
  } controls[] = {
      {IDC_ASKTEXT_FRAME, 7, 7, 238, 35, L"Static", L""},
      {IDC_ASKTEXT_PROMPT, 12, 11, 229, 27, L"Static", L"输入另存箱子的名称::"},
      {IDC_ASKTEXT_EDIT, 7, 45, 238, 12, L"Edit", L""},
      {IDOK, 63, 66, 55, 19, L"Button", L"确认输入(&O)"},
      {IDCANCEL, 134, 66, 55, 19, L"Button", L"取消(&C)"},
  };
  std::vector<std::string> problems;
  const auto check = [&](bool ok, const std::string& what) {
    if (!ok) problems.push_back(what);
  };
  askSaveAsName([&](HWND dialog) {
    check(windowText(dialog) == L"另存共享箱子:", "caption");
    const LONG style = GetWindowLongW(dialog, GWL_STYLE);
    check((style & WS_CAPTION) == WS_CAPTION && (style & WS_SYSMENU), "caption bar and close box");
    RECT client;
    GetClientRect(dialog, &client);
    check(client == dialogUnits(dialog, 0, 0, 252, 92), "client size " + toString(client));
    for (const Control& c : controls) {
      HWND control = GetDlgItem(dialog, c.id);
      const std::string name = "control " + std::to_string(c.id);
      check(control != nullptr, name + " exists");
      if (!control) continue;
      check(_wcsicmp(className(control).c_str(), c.cls) == 0, name + " class");
      check(windowText(control) == c.text, name + " text");
      check(rectInParent(control) == dialogUnits(dialog, c.x, c.y, c.cx, c.cy), name + " rect " + toString(rectInParent(control)));
    }
    HWND edit = GetDlgItem(dialog, IDC_ASKTEXT_EDIT);
    check(GetFocus() == edit, "the edit field has the focus");
    const LONG editStyle = GetWindowLongW(edit, GWL_STYLE);
    // The dialog manager turns an edit field's WS_BORDER into a sunken client edge.
    const bool border = (editStyle & WS_BORDER) || (GetWindowLongW(edit, GWL_EXSTYLE) & WS_EX_CLIENTEDGE);
    check((editStyle & ES_AUTOHSCROLL) && border && !(editStyle & ES_PASSWORD) && !(editStyle & ES_NUMBER),
          "edit style");
    check(LOWORD(SendMessageW(dialog, DM_GETDEFID, 0, 0)) == IDOK, "confirm is the default button");
    LOGFONTW font{};
    GetObjectW(reinterpret_cast<HFONT>(SendMessageW(dialog, WM_GETFONT, 0, 0)), sizeof font, &font);
    check(std::wstring(font.lfFaceName) == L"宋体", "font face");
    HDC screen = GetDC(nullptr);
    check(font.lfHeight == -MulDiv(9, GetDeviceCaps(screen, LOGPIXELSY), 72), "9-point font");
    ReleaseDC(nullptr, screen);
    PostMessageW(dialog, WM_COMMAND, IDCANCEL, 0);
  });
  EXPECT_TRUE(problems.empty()) << testing::PrintToString(problems);
}

TEST(AskTextDialogTest, EmptyTitleKeepsTheDefaultCaption) {
  std::wstring caption;
  driveNextDialog(
      [&](HWND dialog) {
        caption = windowText(dialog);
        PostMessageW(dialog, WM_COMMAND, IDCANCEL, 0);
      },
      [] { askText("prompt", ""); });
  EXPECT_EQ(caption, L"请输入：");
}

// How the player ends the dialog, after typing the text (nullptr: types nothing).
struct Ending {
  const char* how;
  const char* typed;
  std::function<void(HWND dialog)> end;
  AskTextResult expected;
};

void keyTo(HWND window, WPARAM key) {
  PostMessageW(window, WM_KEYDOWN, key, 1);
  PostMessageW(window, WM_KEYUP, key, 0xC0000001);
}

TEST(AskTextDialogTest, ConfirmGivesTheTextAsTypedAndCancelGivesNothing) {
  const auto button = [](int id) { return [id](HWND dialog) { PostMessageW(GetDlgItem(dialog, id), BM_CLICK, 0, 0); }; };
  const auto key = [](WPARAM vk) { return [vk](HWND dialog) { keyTo(GetDlgItem(dialog, IDC_ASKTEXT_EDIT), vk); }; };
  const Ending endings[] = {
      {"confirm button", "  my stash  ", button(IDOK), {true, "  my stash  "}},
      {"Enter", "pvp", key(VK_RETURN), {true, "pvp"}},
      {"confirm with the field empty", nullptr, button(IDOK), {true, ""}},
      {"cancel button", "typed", button(IDCANCEL), {false, ""}},
      {"Esc", "typed", key(VK_ESCAPE), {false, ""}},
      {"close box", "typed", [](HWND dialog) { PostMessageW(dialog, WM_SYSCOMMAND, SC_CLOSE, 0); }, {false, ""}},
  };
  for (const Ending& e : endings) {
    SCOPED_TRACE(e.how);
    const AskTextResult result = askSaveAsName([&](HWND dialog) {
      if (e.typed) SetDlgItemTextA(dialog, IDC_ASKTEXT_EDIT, e.typed);
      e.end(dialog);
    });
    EXPECT_EQ(result.confirmed, e.expected.confirmed);
    EXPECT_EQ(result.text, e.expected.text);
  }
}

TEST(AskTextDialogTest, LongAndTwoByteTextComesBackWhole) {
  const std::string longText(40000, 'x');
  AskTextResult result = askSaveAsName([&](HWND dialog) {
    SetDlgItemTextA(dialog, IDC_ASKTEXT_EDIT, longText.c_str());
    PostMessageW(GetDlgItem(dialog, IDOK), BM_CLICK, 0, 0);
  });
  EXPECT_EQ(result.text, longText);
  if (GetACP() != 936) return;
  const std::string chinese = "\xcf\xe4\xd7\xd3 \x9c\x5c";  // 箱子 淺
  result = askSaveAsName([&](HWND dialog) {
    SetDlgItemTextA(dialog, IDC_ASKTEXT_EDIT, chinese.c_str());
    PostMessageW(GetDlgItem(dialog, IDOK), BM_CLICK, 0, 0);
  });
  EXPECT_EQ(result.text, chinese);
}

TEST(NoticeBoxTest, ShowsTheTextUnderItsCaptionWithOneButtonAndNoIcon) {
  std::wstring caption, text;
  int buttons = 0, icons = 0;
  driveNextDialog(
      [&](HWND box) {
        caption = windowText(box);
        for (HWND child = GetWindow(box, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
          const std::wstring cls = className(child);
          const LONG style = GetWindowLongW(child, GWL_STYLE);
          if (_wcsicmp(cls.c_str(), L"Button") == 0 && (style & WS_VISIBLE)) ++buttons;
          if (_wcsicmp(cls.c_str(), L"Static") == 0 && (style & SS_TYPEMASK) == SS_ICON && (style & WS_VISIBLE) &&
              SendMessageW(child, STM_GETICON, 0, 0))
            ++icons;
          if (_wcsicmp(cls.c_str(), L"Static") == 0 && !windowText(child).empty()) text = windowText(child);
        }
        PostMessageW(box, WM_COMMAND, IDOK, 0);
      },
      [] { showNotice(stash_text::kAlreadyExists); });
  EXPECT_EQ(caption, L"信息：");
  EXPECT_EQ(text, L"箱子已经存在 请改名!");
  EXPECT_EQ(buttons, 1);
  EXPECT_EQ(icons, 0);
}
}  // namespace
