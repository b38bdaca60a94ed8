// The main window's controls and the operations the handlers call on them. Paths and file names
// pass through them as ANSI text in the system's code page.
#pragma once

#include <windows.h>

#include "text/text.h"

// 编辑框1: the path of the live stash file.
class PathEdit {
 public:
  HWND hwnd = nullptr;
  // Replaces the whole content of the box.
  void setText(const Text& text) const;
  // The content at the moment, including anything typed by hand.
  Text getText() const;
};

// 组合框1: the candidate stash files.
class StashCombo {
 public:
  HWND hwnd = nullptr;
  // Appends an item; its index, or -1 when the list refuses it.
  int addItem(const Text& text) const;
  // Removes every item and empties the edit field.
  void clearItems() const;
  // -1 when no item is selected.
  int selectedIndex() const;
  // The item's text as added; empty outside the list.
  Text itemText(int index) const;
};

// 通用对话框1: the open-file dialog, remembering the last confirmed pick.
class StashFileDialog {
 public:
  // Shows the dialog, owned by the active window, with the last pick as the initial name; true
  // when the player confirmed a file.
  bool open();
  // The full path of the last confirmed pick; empty before the first.
  Text fileName() const { return fileName_; }

 private:
  Text fileName_;
};
