// The program's event handlers: plain straight-line code over the controls' operations, so
// that they run the same with the real window and with the fakes of the tests.
#pragma once

#include <functional>

#include "stash/actions.h"
#include "text/text.h"

// What the handlers need of the window's controls.
struct MainControls {
  std::function<void(const Text&)> setPathText;  // PathEdit setText
  std::function<Text()> getPathText;             // PathEdit getText
  std::function<int(const Text&)> addItem;       // StashCombo: index of the new item, or -1
  std::function<void()> clearItems;              // StashCombo
  std::function<int()> selectedIndex;            // StashCombo: -1 when nothing is selected
  std::function<Text(int)> itemText;             // StashCombo: empty outside the list
  std::function<bool()> openFileDialog;          // StashFileDialog open: true when confirmed
  std::function<Text()> dialogFileName;          // StashFileDialog fileName
};

// The one piece of state the program keeps between events.
struct ProgramState {
  Text StashFolder;  // never ends with a separator; empty until first derived
};

void onStartWindowCreated(ProgramState& state, const MainControls& controls);
void onBrowseClicked(ProgramState& state, const MainControls& controls);
void onReplaceClicked(const ProgramState& state, const MainControls& controls, const ShowNotice& showNotice);
void onSaveAsClicked(const ProgramState& state, const AskText& askText, const ShowNotice& showNotice);
void onProgramExit(ProgramState& state);
