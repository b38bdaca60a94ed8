// The text-input dialog, built as an in-memory dialog template so that its texts, kept as
// code page 936 bytes, reach the dialog manager as UTF-16 on any system code page.
#include <windows.h>

#include <cstdint>
#include <vector>

#include "stash/texts.h"
#include "ui/ask_text_ids.h"
#include "ui/dialogs.h"
#include "ui/wide_text.h"

namespace {

// 宋体
constexpr char kDialogFontFace[] = "\xcb\xce\xcc\xe5";
constexpr WORD kDialogFontPoints = 9;
constexpr WORD kButtonClass = 0x0080, kEditClass = 0x0081, kStaticClass = 0x0082;

// Writes the variable-length parts of a DLGTEMPLATEEX, WORD-aligned as the dialog manager wants.
class TemplateWriter {
 public:
  void word(WORD value) { bytes_.push_back(value); }
  void dword(DWORD value) {
    word(LOWORD(value));
    word(HIWORD(value));
  }
  void text(const std::wstring& value) {
    for (wchar_t c : value) word(WORD(c));
    word(0);
  }
  void alignToDword() {
    if (bytes_.size() % 2) word(0);
  }
  void item(DWORD style, DWORD exStyle, short x, short y, short cx, short cy, DWORD id, WORD atom,
            const std::wstring& title) {
    alignToDword();
    dword(0);  // help id
    dword(exStyle);
    dword(style | WS_CHILD | WS_VISIBLE);
    word(WORD(x)), word(WORD(y)), word(WORD(cx)), word(WORD(cy));
    dword(id);
    word(0xFFFF), word(atom);
    text(title);
    word(0);  // no creation data
  }
  const WORD* data() const { return bytes_.data(); }

 private:
  std::vector<WORD> bytes_;
};

void buildTemplate(const Text& prompt, const Text& title, TemplateWriter& writer) {
  const std::wstring caption = wideFrom936(title.empty() ? Text(stash_text::kAskTextDefaultCaption) : title);
  writer.word(1), writer.word(0xFFFF);  // DLGTEMPLATEEX
  writer.dword(0);                      // help id
  writer.dword(0);                      // extended style
  writer.dword(DS_MODALFRAME | DS_SETFONT | DS_CENTER | WS_POPUP | WS_CAPTION | WS_SYSMENU);
  writer.word(5);  // items
  writer.word(0), writer.word(0), writer.word(252), writer.word(92);
  writer.word(0), writer.word(0);  // no menu, the dialog class
  writer.text(caption);
  writer.word(kDialogFontPoints), writer.word(FW_NORMAL), writer.word(MAKEWORD(FALSE, GB2312_CHARSET));
  writer.text(wideFrom936(kDialogFontFace));

  writer.item(SS_SUNKEN, 0, 7, 7, 238, 35, IDC_ASKTEXT_FRAME, kStaticClass, L"");
  writer.item(SS_LEFT, 0, 12, 11, 229, 27, IDC_ASKTEXT_PROMPT, kStaticClass, wideFrom936(prompt));
  writer.item(ES_LEFT | ES_AUTOHSCROLL | WS_BORDER | WS_TABSTOP, 0, 7, 45, 238, 12, IDC_ASKTEXT_EDIT, kEditClass,
              L"");
  writer.item(BS_DEFPUSHBUTTON | WS_TABSTOP, 0, 63, 66, 55, 19, IDOK, kButtonClass,
              wideFrom936(stash_text::kConfirmButton));
  writer.item(BS_PUSHBUTTON | WS_TABSTOP, 0, 134, 66, 55, 19, IDCANCEL, kButtonClass,
              wideFrom936(stash_text::kCancelButton));
}

INT_PTR CALLBACK askTextProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_INITDIALOG:
      SetWindowLongPtrW(dialog, DWLP_USER, lParam);
      SendDlgItemMessageW(dialog, IDC_ASKTEXT_EDIT, EM_SETLIMITTEXT, 0, 0);
      return TRUE;  // the focus goes to the edit field, with its text selected
    case WM_COMMAND:
      if (LOWORD(wParam) == IDOK) {
        auto* result = reinterpret_cast<AskTextResult*>(GetWindowLongPtrW(dialog, DWLP_USER));
        result->confirmed = true;
        result->text = ansiWindowText(GetDlgItem(dialog, IDC_ASKTEXT_EDIT));
        EndDialog(dialog, IDOK);
        return TRUE;
      }
      if (LOWORD(wParam) == IDCANCEL) {  // the button, Esc and the close box
        EndDialog(dialog, IDCANCEL);
        return TRUE;
      }
      return FALSE;
    default:
      return FALSE;
  }
}

}  // namespace

AskTextResult askText(const Text& prompt, const Text& title) {
  TemplateWriter writer;
  buildTemplate(prompt, title, writer);
  AskTextResult result;
  const INT_PTR ended =
      DialogBoxIndirectParamW(GetModuleHandleW(nullptr), reinterpret_cast<LPCDLGTEMPLATEW>(writer.data()),
                              GetActiveWindow(), askTextProc, reinterpret_cast<LPARAM>(&result));
  if (ended != IDOK) return {};
  return result;
}
