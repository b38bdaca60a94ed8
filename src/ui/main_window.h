// The program's one window: its layout, its labels, its keys, and the binding of its button
// clicks to the handlers.
#pragma once

#include <windows.h>

#include <functional>

#include "ui/controls.h"
#include "ui/handlers.h"

class MainWindow {
 public:
  inline static constexpr int kWidth = 397, kHeight = 200;

  // What the three buttons run when clicked.
  struct Clicks {
    std::function<void()> browse, replace, saveAs;
  };

  MainWindow() = default;
  ~MainWindow();
  MainWindow(const MainWindow&) = delete;
  MainWindow& operator=(const MainWindow&) = delete;

  // Creates the window hidden, centred on the primary screen, with all its controls shown in
  // it; false when the window or a control cannot be created.
  bool create(Clicks clicks);
  // Shows the window normally and activates it.
  void show() const;
  // The controls' operations, as the handlers take them.
  MainControls controls();
  // Runs code that fills the list of StashCombo with redrawing off, then redraws the list once.
  void fillingList(const std::function<void()>& fill);

  // The window's own keys, looked at before the focused control gets them: Tab and Shift+Tab
  // move the focus round the tab order, Esc closes the window. True when the key was used.
  bool handleKey(const MSG& message);

  HWND hwnd() const { return hwnd_; }

  // The controls, by their place in the layout.
  PathEdit pathEdit;
  StashCombo stashCombo;
  StashFileDialog stashFileDialog;
  HWND browseButton = nullptr, replaceButton = nullptr, saveAsButton = nullptr;
  HWND pathLabel = nullptr, stashLabel = nullptr, warningLabel = nullptr, saveAsHintLabel = nullptr;

 private:
  static LRESULT CALLBACK windowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  LRESULT onMessage(UINT message, WPARAM wParam, LPARAM lParam);
  void onCommand(HWND control, UINT code);
  void onActivate(WPARAM state);
  void onSetFocus();
  LRESULT onControlColor(HDC dc);
  bool createControls();
  void moveFocus(bool backwards);

  HWND hwnd_ = nullptr;
  HWND lastFocus_ = nullptr;
  HFONT font_ = nullptr;
  Clicks clicks_;
};
