#include "ui/controls.h"

#include <commdlg.h>

#include <algorithm>

#include "ui/wide_text.h"

void PathEdit::setText(const Text& text) const { SetWindowTextA(hwnd, text.c_str()); }

Text PathEdit::getText() const { return ansiWindowText(hwnd); }

int StashCombo::addItem(const Text& text) const {
  const LRESULT index = SendMessageA(hwnd, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.c_str()));
  return index < 0 ? -1 : int(index);
}

void StashCombo::clearItems() const { SendMessageA(hwnd, CB_RESETCONTENT, 0, 0); }

int StashCombo::selectedIndex() const {
  const LRESULT index = SendMessageA(hwnd, CB_GETCURSEL, 0, 0);
  return index < 0 ? -1 : int(index);
}

Text StashCombo::itemText(int index) const {
  if (index < 0 || index >= SendMessageA(hwnd, CB_GETCOUNT, 0, 0)) return {};
  const LRESULT length = SendMessageA(hwnd, CB_GETLBTEXTLEN, WPARAM(index), 0);
  if (length < 0) return {};
  Text text(size_t(length) + 1, '\0');
  const LRESULT copied = SendMessageA(hwnd, CB_GETLBTEXT, WPARAM(index), reinterpret_cast<LPARAM>(text.data()));
  text.resize(size_t(std::max<LRESULT>(copied, 0)));
  return text;
}

namespace {
// comdlg32 and what it loads (the shell) cost a program's start-up far more than the rest of
// it: it is loaded on the first Browse instead.
using GetOpenFileNameFunction = BOOL(WINAPI*)(OPENFILENAMEA*);
GetOpenFileNameFunction getOpenFileName() {
  static const auto function = [] {
    HMODULE library = LoadLibraryW(L"comdlg32.dll");
    return library ? reinterpret_cast<GetOpenFileNameFunction>(
                         reinterpret_cast<void*>(GetProcAddress(library, "GetOpenFileNameA")))
                   : nullptr;
  }();
  return function;
}
}  // namespace

bool StashFileDialog::open() {
  char file[MAX_PATH] = {};
  char title[64] = {};
  fileName_.copy(file, MAX_PATH - 1);
  OPENFILENAMEA dialog{};
  dialog.lStructSize = sizeof dialog;
  dialog.hwndOwner = GetActiveWindow();
  dialog.lpstrFile = file;
  dialog.nMaxFile = MAX_PATH;
  dialog.lpstrFileTitle = title;
  dialog.nMaxFileTitle = sizeof title;
  dialog.Flags = OFN_HIDEREADONLY | OFN_FILEMUSTEXIST | OFN_PATHMUSTEXIST | OFN_OVERWRITEPROMPT | OFN_EXPLORER |
                 OFN_ENABLESIZING;
  const GetOpenFileNameFunction showDialog = getOpenFileName();
  if (!showDialog || !showDialog(&dialog)) return false;
  fileName_ = file;
  return true;
}
