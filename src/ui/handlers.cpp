#include "ui/handlers.h"

#include "platform/services.h"
#include "settings/settings.h"
#include "stash/folder.h"

namespace {
void fillCandidates(const ProgramState& state, const MainControls& controls) {
  listStashCandidates(state.StashFolder, [&](const Text& name) { controls.addItem(name); });
}
}  // namespace

void onStartWindowCreated(ProgramState& state, const MainControls& controls) {
  controls.setPathText(loadSettings());
  // The path used from here on is what the box holds, read back.
  if (!fileExists(controls.getPathText())) return;
  Text folder = deriveStashFolder(controls.getPathText());
  state.StashFolder = std::move(folder);
  fillCandidates(state, controls);
}

void onBrowseClicked(ProgramState& state, const MainControls& controls) {
  if (!controls.openFileDialog()) return;
  controls.setPathText(controls.dialogFileName());
  Text folder = deriveStashFolder(controls.getPathText());
  state.StashFolder = std::move(folder);
  controls.clearItems();
  fillCandidates(state, controls);
  saveSettings(controls.getPathText());
}

void onReplaceClicked(const ProgramState& state, const MainControls& controls, const ShowNotice& showNotice) {
  replaceLiveStash(state.StashFolder, StashSelection{controls.selectedIndex, controls.itemText}, showNotice);
}

void onSaveAsClicked(const ProgramState& state, const AskText& askText, const ShowNotice& showNotice) {
  saveLiveStashAs(state.StashFolder, askText, showNotice);
}

void onProgramExit(ProgramState& state) { state.StashFolder.clear(); }
