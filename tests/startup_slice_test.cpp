// The start-up and Browse handlers over fake controls: settings read, existence tested, folder
// derived, candidates listed.
#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "settings/settings.h"
#include "support/program_folder.h"
#include "ui/handlers.h"

namespace {

// The state of the window's controls, as the handlers leave it.
struct FakeWindow {
  Text pathBox;
  Text comboField = "choose";
  std::vector<Text> items;
  std::vector<Text> picks;  // what the open-file dialog confirms, one per open; none is cancel
  Text dialogFile;

  MainControls controls() {
    return MainControls{
        .setPathText = [this](const Text& text) { pathBox = text; },
        .getPathText = [this] { return pathBox; },
        .addItem = [this](const Text& name) { items.push_back(name); return int(items.size()) - 1; },
        .clearItems = [this] { items.clear(), comboField.clear(); },
        .selectedIndex = [] { return -1; },
        .itemText = [](int) { return Text{}; },
        .openFileDialog = [this] {
          if (picks.empty()) return false;
          dialogFile = picks.front();
          picks.erase(picks.begin());
          return true;
        },
        .dialogFileName = [this] { return dialogFile; },
    };
  }
  std::vector<Text> sortedItems() const {
    std::vector<Text> sorted = items;
    std::sort(sorted.begin(), sorted.end());
    return sorted;
  }
};

class StartupSliceTest : public ProgramFolderTest {
 protected:
  void SetUp() override {
    ProgramFolderTest::SetUp();
    for (const char* name : {"sharedstash.bin", "old.bin", "pvp.bin"}) ASSERT_TRUE(writeFile(stash / name, name));
  }
  TempFolder stash;
  ProgramState state;
  FakeWindow window;
};

TEST_F(StartupSliceTest, FirstRunShowsTheDefaultTextAndListsNothing) {
  onStartWindowCreated(state, window.controls());
  EXPECT_EQ(window.pathBox, kDefaultSettingsPath);
  EXPECT_EQ(state.StashFolder, "");
  EXPECT_TRUE(window.items.empty());
  EXPECT_FALSE(fileExists(settingsFile)) << "start-up never writes the settings";
}

TEST_F(StartupSliceTest, RememberedFileFillsTheList) {
  saveSettings(stash / "sharedstash.bin");
  onStartWindowCreated(state, window.controls());
  EXPECT_EQ(window.pathBox, stash / "sharedstash.bin");
  EXPECT_EQ(state.StashFolder, stash.path());
  EXPECT_EQ(window.sortedItems(), (std::vector<Text>{"old.bin", "pvp.bin"}));
  EXPECT_EQ(window.comboField, "choose") << "the list is not cleared at start-up";
  onProgramExit(state);
  EXPECT_EQ(state.StashFolder, "");
}

TEST_F(StartupSliceTest, RememberedFileGoneListsNothing) {
  saveSettings(stash / "gone\\sharedstash.bin");
  onStartWindowCreated(state, window.controls());
  EXPECT_EQ(window.pathBox, stash / "gone\\sharedstash.bin");
  EXPECT_EQ(state.StashFolder, "");
  EXPECT_TRUE(window.items.empty());
}

TEST_F(StartupSliceTest, RememberedFolderListsItsParent) {
  ASSERT_TRUE(makeFolder(stash / "inner"));
  saveSettings(stash / "inner");
  onStartWindowCreated(state, window.controls());
  EXPECT_EQ(state.StashFolder, stash.path());
  EXPECT_EQ(window.items.size(), 2u);
}

TEST_F(StartupSliceTest, BrowseRefillsTheListAndRemembersThePick) {
  TempFolder second;
  ASSERT_TRUE(writeFile(second / "other.bin", "x"));
  window.picks = {stash / "sharedstash.bin", second / "other.bin"};

  onBrowseClicked(state, window.controls());
  EXPECT_EQ(window.comboField, "") << "cleared before filling";
  EXPECT_EQ(window.sortedItems(), (std::vector<Text>{"old.bin", "pvp.bin"}));
  onBrowseClicked(state, window.controls());
  EXPECT_EQ(window.items, std::vector<Text>{"other.bin"}) << "only the second folder's candidates";
  EXPECT_EQ(state.StashFolder, second.path());
  EXPECT_EQ(loadSettings(), second / "other.bin");

  onBrowseClicked(state, window.controls());  // cancelled
  EXPECT_EQ(window.items, std::vector<Text>{"other.bin"});
  EXPECT_EQ(loadSettings(), second / "other.bin");
}
}  // namespace
