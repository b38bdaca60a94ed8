// A stash folder with a live file and candidates, the player's answers and the notices shown.
#pragma once

#include <gtest/gtest.h>

#include <map>
#include <vector>

#include "stash/actions.h"
#include "stash/file_services.h"
#include "support/temp_folder.h"

class StashFolderTest : public testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(writeFile(folder / "sharedstash.bin", "live stash"));
    ASSERT_TRUE(writeFile(folder / "old.bin", "old stash"));
    ASSERT_TRUE(writeFile(folder / "pvp.bin", "pvp stash"));
    files.timeStamp = [this] { return stamp; };
  }

  // Replace with the candidate of that name selected (-1: nothing selected).
  void replaceWith(const Text& candidate, int index = 0) {
    replaceLiveStash(
        folder.path(), StashSelection{[index] { return index; }, [candidate](int) { return candidate; }},
        [this](const Text& text) { notices.push_back(text); }, files);
  }

  // Save as, the player typing the name and confirming (or cancelling).
  void saveAs(const Text& name, bool confirmed = true) {
    saveLiveStashAs(
        folder.path(),
        [&](const Text&, const Text&) {
          return confirmed ? AskTextResult{true, name} : AskTextResult{};
        },
        [this](const Text& text) { notices.push_back(text); }, files);
  }

  std::map<Text, std::string> outsideBackups() const {
    std::map<Text, std::string> all = snapshot(folder.path());
    std::erase_if(all, [](const auto& entry) { return entry.first.starts_with("tarnwick-backups\\"); });
    return all;
  }
  std::map<Text, std::string> backups() const { return snapshot(folder / "tarnwick-backups"); }

  TempFolder folder;
  StashFiles files = realStashFiles();
  Text stamp = "20261211-120000";
  std::vector<Text> notices;
  const std::map<Text, std::string> initial = {
      {"sharedstash.bin", "live stash"}, {"old.bin", "old stash"}, {"pvp.bin", "pvp stash"}};
};
