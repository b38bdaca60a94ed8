#include "ui/main_window.h"

#include <array>

#include "ui/label.h"
#include "ui/wide_text.h"
#include "ui/window_class.h"
#include "ui/window_texts.h"

namespace {
constexpr wchar_t kWindowClass[] = L"TarnwickMainWindow";
constexpr DWORD kWindowStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN;
constexpr DWORD kButtonStyle =
    WS_CHILD | WS_CLIPSIBLINGS | WS_TABSTOP | BS_PUSHBUTTON | BS_CENTER | BS_VCENTER | BS_MULTILINE;
constexpr COLORREF kBlack = RGB(0, 0, 0), kRed = RGB(255, 0, 0), kWhite = RGB(255, 255, 255);
constexpr int kComboOpenHeight = 160;
constexpr wchar_t kIconName[] = L"DEFAULT_ICON";  // the icon resource of tarnwick.rc

HFONT guiFont() { return static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT)); }

HWND createChild(HWND parent, DWORD exStyle, const wchar_t* windowClass, const std::wstring& text, DWORD style, int x,
                 int y, int width, int height) {
  HWND child = CreateWindowExW(exStyle, windowClass, text.c_str(), style, x, y, width, height, parent, nullptr,
                               GetModuleHandleW(nullptr), nullptr);
  if (child) SendMessageW(child, WM_SETFONT, WPARAM(guiFont()), FALSE);
  return child;
}

// A one-line edit box lower than a line of its font (a full-width character) and its two
// edges is made that tall.
void keepEditTallEnough(HWND edit) {
  HDC dc = GetDC(edit);
  HGDIOBJ old = SelectObject(dc, guiFont());
  SIZE character{};
  GetTextExtentPoint32W(dc, L"\x4e2d", 1, &character);  // 中
  SelectObject(dc, old);
  ReleaseDC(edit, dc);
  const int minimum = character.cy + 2 * GetSystemMetrics(SM_CYEDGE);
  RECT rect;
  GetWindowRect(edit, &rect);
  if (rect.bottom - rect.top < minimum)
    SetWindowPos(edit, nullptr, 0, 0, rect.right - rect.left, minimum, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

}  // namespace

MainWindow::~MainWindow() {
  if (hwnd_) DestroyWindow(hwnd_);
}

bool MainWindow::create(Clicks clicks) {
  clicks_ = std::move(clicks);
  if (!registerWindowClass(kWindowClass, windowProc)) return false;
  const int left = (GetSystemMetrics(SM_CXSCREEN) - kWidth) / 2;
  const int top = (GetSystemMetrics(SM_CYSCREEN) - kHeight) / 2;
  HWND window = CreateWindowExW(0, kWindowClass, wideFrom936(window_text::kCaption).c_str(), kWindowStyle, left, top,
                                kWidth, kHeight, nullptr, nullptr, GetModuleHandleW(nullptr), this);
  if (!window) return false;
  RECT outer;
  GetWindowRect(window, &outer);
  if (outer.right - outer.left != kWidth || outer.bottom - outer.top != kHeight)
    SetWindowPos(window, nullptr, left, top, kWidth, kHeight, SWP_NOZORDER | SWP_NOACTIVATE);

  HINSTANCE instance = GetModuleHandleW(nullptr);
  const auto icon = [&](int metricX, int metricY) {
    return LoadImageW(instance, kIconName, IMAGE_ICON, GetSystemMetrics(metricX),
                      GetSystemMetrics(metricY), LR_DEFAULTCOLOR);
  };
  SendMessageW(window, WM_SETICON, ICON_BIG, LPARAM(icon(SM_CXICON, SM_CYICON)));
  SendMessageW(window, WM_SETICON, ICON_SMALL, LPARAM(icon(SM_CXSMICON, SM_CYSMICON)));
  SendMessageW(window, WM_SETFONT, WPARAM(guiFont()), FALSE);
  if (!createControls()) {
    DestroyWindow(window);
    return false;
  }
  return true;
}

bool MainWindow::createControls() {
  // Created from the bottom row of the layout to the top one, each complete before the next.
  HWND combo = createChild(hwnd_, 0, L"COMBOBOX", L"",
                           WS_CHILD | WS_CLIPSIBLINGS | WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWN | CBS_AUTOHSCROLL, 72,
                           80, 232, kComboOpenHeight);
  if (!combo) return false;
  stashCombo.hwnd = combo;
  // The list rows one pixel taller than the platform's own. Some combo boxes only pass the
  // height on to an owner-drawn list, so the list is told directly too.
  const LRESULT rowHeight = SendMessageW(combo, CB_GETITEMHEIGHT, 0, 0) + 1;
  SendMessageW(combo, CB_SETITEMHEIGHT, 0, rowHeight);
  COMBOBOXINFO parts{};
  parts.cbSize = sizeof parts;
  if (GetComboBoxInfo(combo, &parts) && parts.hwndList) SendMessageW(parts.hwndList, LB_SETITEMHEIGHT, 0, rowHeight);
  SendMessageW(combo, CB_LIMITTEXT, 0, 0);
  SendMessageW(combo, CB_SETCURSEL, WPARAM(-1), 0);
  SetWindowTextW(combo, wideFrom936(window_text::kChooseStash).c_str());
  SendMessageW(combo, CB_SETEDITSEL, 0, MAKELPARAM(0, 0));

  pathLabel = createLabel(hwnd_, wideFrom936(window_text::kPath), 8, 40, 64, 24, kBlack, LabelLayout::SingleLine);
  pathEdit.hwnd = createChild(hwnd_, WS_EX_CLIENTEDGE, L"EDIT", L"",
                              WS_CHILD | WS_CLIPSIBLINGS | WS_TABSTOP | ES_LEFT | ES_AUTOHSCROLL, 72, 40, 232, 20);
  if (!pathLabel || !pathEdit.hwnd) return false;
  SendMessageW(pathEdit.hwnd, EM_LIMITTEXT, 0, 0);
  keepEditTallEnough(pathEdit.hwnd);

  browseButton = createChild(hwnd_, 0, L"BUTTON", wideFrom936(window_text::kBrowse), kButtonStyle, 318, 37, 50, 24);
  stashLabel = createLabel(hwnd_, wideFrom936(window_text::kStash), 8, 80, 56, 16, kBlack, LabelLayout::SingleLine);
  warningLabel = createLabel(hwnd_, wideFrom936(window_text::kWarning), 8, 8, 144, 24, kRed, LabelLayout::Wrapped);
  replaceButton = createChild(hwnd_, 0, L"BUTTON", wideFrom936(window_text::kReplace), kButtonStyle, 317, 78, 50, 24);
  // The open-file dialog has no window of its own.
  saveAsButton = createChild(hwnd_, 0, L"BUTTON", wideFrom936(window_text::kSaveAs), kButtonStyle, 316, 119, 52, 24);
  saveAsHintLabel =
      createLabel(hwnd_, wideFrom936(window_text::kSaveAsHint), 144, 120, 160, 24, kBlack, LabelLayout::SingleLine);
  if (!browseButton || !stashLabel || !warningLabel || !replaceButton || !saveAsButton || !saveAsHintLabel)
    return false;

  // The stacking order of the layout, top first.
  const std::array<HWND, 9> stacking = {saveAsHintLabel, saveAsButton, replaceButton, warningLabel, stashLabel,
                                        browseButton,    pathEdit.hwnd, pathLabel,    stashCombo.hwnd};
  HWND above = HWND_TOP;
  for (HWND control : stacking) {
    SetWindowPos(control, above, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    above = control;
  }
  for (HWND control : stacking) ShowWindow(control, SW_SHOWNA);
  return true;
}

void MainWindow::show() const {
  ShowWindow(hwnd_, SW_SHOWNORMAL);
  UpdateWindow(hwnd_);
}

MainControls MainWindow::controls() {
  return MainControls{
      .setPathText = [this](const Text& text) { pathEdit.setText(text); },
      .getPathText = [this] { return pathEdit.getText(); },
      .addItem = [this](const Text& text) { return stashCombo.addItem(text); },
      .clearItems = [this] { stashCombo.clearItems(); },
      .selectedIndex = [this] { return stashCombo.selectedIndex(); },
      .itemText = [this](int index) { return stashCombo.itemText(index); },
      .openFileDialog = [this] { return stashFileDialog.open(); },
      .dialogFileName = [this] { return stashFileDialog.fileName(); },
  };
}

void MainWindow::fillingList(const std::function<void()>& fill) {
  // Without this the list updates its scroll bar for every item added: seconds for a large folder.
  COMBOBOXINFO parts{};
  parts.cbSize = sizeof parts;
  HWND list = GetComboBoxInfo(stashCombo.hwnd, &parts) ? parts.hwndList : nullptr;
  SendMessageW(stashCombo.hwnd, WM_SETREDRAW, FALSE, 0);
  if (list) SendMessageW(list, WM_SETREDRAW, FALSE, 0);
  fill();
  if (list) SendMessageW(list, WM_SETREDRAW, TRUE, 0);
  SendMessageW(stashCombo.hwnd, WM_SETREDRAW, TRUE, 0);
  RedrawWindow(stashCombo.hwnd, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_FRAME);
}

bool MainWindow::handleKey(const MSG& message) {
  if (message.message != WM_KEYDOWN || !hwnd_) return false;
  if (message.hwnd != hwnd_ && !IsChild(hwnd_, message.hwnd)) return false;
  if (message.wParam == VK_ESCAPE) {
    // Also with the list of the combo box open: it closes with the window.
    PostMessageW(hwnd_, WM_CLOSE, 0, 0);
    return true;
  }
  if (message.wParam == VK_TAB) {
    moveFocus(GetKeyState(VK_SHIFT) < 0);
    return true;
  }
  return false;
}

void MainWindow::moveFocus(bool backwards) {
  const std::array<HWND, 5> order = {stashCombo.hwnd, pathEdit.hwnd, browseButton, replaceButton, saveAsButton};
  HWND focus = GetFocus();
  int current = -1;
  for (int i = 0; i < int(order.size()); ++i)
    if (focus == order[size_t(i)] || IsChild(order[size_t(i)], focus)) current = i;
  const int count = int(order.size());
  for (int step = 1; step <= count; ++step) {
    const int next = current < 0 ? (backwards ? count - step : step - 1)
                                 : ((current + (backwards ? -step : step)) % count + count) % count;
    HWND candidate = order[size_t(next)];
    if (IsWindowVisible(candidate) && IsWindowEnabled(candidate)) {
      SetFocus(candidate);
      // A button that takes the focus by Tab shows it as the system does in dialogs.
      SendMessageW(candidate, WM_UPDATEUISTATE, MAKEWPARAM(UIS_CLEAR, UISF_HIDEFOCUS), 0);
      return;
    }
  }
}

LRESULT CALLBACK MainWindow::windowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  auto* self = reinterpret_cast<MainWindow*>(GetWindowLongPtrW(window, GWLP_USERDATA));
  if (message == WM_NCCREATE) {
    self = static_cast<MainWindow*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
    self->hwnd_ = window;
    SetWindowLongPtrW(window, GWLP_USERDATA, LONG_PTR(self));
  }
  if (!self) return DefWindowProcW(window, message, wParam, lParam);
  LRESULT result = 0;
  try {
    result = self->onMessage(message, wParam, lParam);
  } catch (...) {
    // Nothing may unwind through the system's code; running out of memory ends the program.
    MessageBoxW(nullptr, L"Tarnwick: out of memory.", nullptr, MB_OK | MB_ICONERROR | MB_TASKMODAL);
    ExitProcess(UINT(-1));
  }
  if (message == WM_NCDESTROY) {
    SetWindowLongPtrW(window, GWLP_USERDATA, 0);
    self->hwnd_ = nullptr;
  }
  return result;
}

LRESULT MainWindow::onMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_ERASEBKGND: {
      RECT client;
      GetClientRect(hwnd_, &client);
      FillRect(reinterpret_cast<HDC>(wParam), &client, GetSysColorBrush(COLOR_BTNFACE));
      return 1;
    }
    case WM_COMMAND:
      if (lParam) onCommand(reinterpret_cast<HWND>(lParam), HIWORD(wParam));
      return 0;
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
      return onControlColor(reinterpret_cast<HDC>(wParam));
    case WM_ACTIVATE:
      onActivate(wParam);
      return 0;
    case WM_SETFOCUS:
      onSetFocus();
      return 0;
    case WM_SETFONT:
      font_ = reinterpret_cast<HFONT>(wParam);
      return 0;
    case WM_GETFONT:
      return reinterpret_cast<LRESULT>(font_);
    case WM_DESTROY:
      PostQuitMessage(0);
      return 0;
    default:
      return DefWindowProcW(hwnd_, message, wParam, lParam);
  }
}

void MainWindow::onCommand(HWND control, UINT code) {
  if (code != BN_CLICKED) return;
  if (control == browseButton && clicks_.browse) clicks_.browse();
  if (control == replaceButton && clicks_.replace) clicks_.replace();
  if (control == saveAsButton && clicks_.saveAs) clicks_.saveAs();
}

LRESULT MainWindow::onControlColor(HDC dc) {
  SetTextColor(dc, kBlack);
  SetBkColor(dc, kWhite);
  return reinterpret_cast<LRESULT>(GetStockObject(WHITE_BRUSH));
}

void MainWindow::onActivate(WPARAM state) {
  // Handled here rather than by DefWindowProc, which would give the focus to the window itself.
  if (LOWORD(state) == WA_INACTIVE) {
    HWND focus = GetFocus();
    if (focus && IsChild(hwnd_, focus)) lastFocus_ = focus;
  } else {
    onSetFocus();
  }
}

void MainWindow::onSetFocus() {
  // The focus goes on at once to the control that last had it, or to the first of the tab order.
  const bool remembered = lastFocus_ && IsWindow(lastFocus_) && IsChild(hwnd_, lastFocus_);
  SetFocus(remembered ? lastFocus_ : stashCombo.hwnd);
  // The first time, the combo box's initial text keeps its caret at the start, unselected.
  if (!remembered) SendMessageW(stashCombo.hwnd, CB_SETEDITSEL, 0, MAKELPARAM(0, 0));
}
