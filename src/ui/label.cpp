#include "ui/label.h"

#include "ui/window_class.h"

namespace {
constexpr wchar_t kLabelClass[] = L"TarnwickLabel";
// Window extra bytes: the text colour, the DrawText flags and the font set on the label (which
// draws with the default GUI font all the same).
constexpr int kColorSlot = 0, kFormatSlot = sizeof(LONG_PTR), kFontSlot = 2 * sizeof(LONG_PTR);

void paint(HWND label) {
  PAINTSTRUCT paint;
  HDC dc = BeginPaint(label, &paint);
  RECT client;
  GetClientRect(label, &client);
  FillRect(dc, &client, GetSysColorBrush(COLOR_BTNFACE));
  const int length = GetWindowTextLengthW(label);
  if (length > 0) {
    std::wstring text(size_t(length) + 1, L'\0');
    text.resize(size_t(GetWindowTextW(label, text.data(), length + 1)));
    HGDIOBJ oldFont = SelectObject(dc, GetStockObject(DEFAULT_GUI_FONT));
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, COLORREF(GetWindowLongPtrW(label, kColorSlot)));
    // DT_NOCLIP, yet the drawing stays inside the label: the paint DC clips to it.
    DrawTextW(dc, text.c_str(), int(text.size()), &client, UINT(GetWindowLongPtrW(label, kFormatSlot)));
    SelectObject(dc, oldFont);
  }
  EndPaint(label, &paint);
}

LRESULT CALLBACK labelProc(HWND label, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_PAINT:
      paint(label);
      return 0;
    case WM_ERASEBKGND:
      return 1;  // painted whole in WM_PAINT
    case WM_SETFONT:
      SetWindowLongPtrW(label, kFontSlot, LONG_PTR(wParam));
      return 0;
    case WM_GETFONT:
      return GetWindowLongPtrW(label, kFontSlot);
    case WM_SETTEXT: {
      const LRESULT result = DefWindowProcW(label, message, wParam, lParam);
      InvalidateRect(label, nullptr, FALSE);
      return result;
    }
    default:
      return DefWindowProcW(label, message, wParam, lParam);
  }
}

}  // namespace

HWND createLabel(HWND parent, const std::wstring& text, int x, int y, int width, int height, COLORREF color,
                 LabelLayout layout) {
  if (!registerWindowClass(kLabelClass, labelProc, 3 * sizeof(LONG_PTR))) return nullptr;
  HWND label = CreateWindowExW(0, kLabelClass, text.c_str(), WS_CHILD | WS_CLIPSIBLINGS, x, y, width, height, parent,
                               nullptr, GetModuleHandleW(nullptr), nullptr);
  if (!label) return nullptr;
  // The platform centres only single-line text vertically: wrapped text starts at the top.
  const UINT format = DT_LEFT | DT_NOCLIP | DT_VCENTER | (layout == LabelLayout::SingleLine ? DT_SINGLELINE : DT_WORDBREAK);
  SetWindowLongPtrW(label, kColorSlot, LONG_PTR(color));
  SetWindowLongPtrW(label, kFormatSlot, LONG_PTR(format));
  SendMessageW(label, WM_SETFONT, WPARAM(GetStockObject(DEFAULT_GUI_FONT)), FALSE);
  return label;
}
