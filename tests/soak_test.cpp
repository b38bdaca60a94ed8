// 1,000 alternating Replace and Save as runs over one folder, every file checked after each.
#include <gtest/gtest.h>

#include <cstdio>
#include <deque>

#include "stash/texts.h"
#include "support/stash_fixture.h"

namespace {
using SoakTest = StashFolderTest;

TEST_F(SoakTest, ThousandRunsLoseAndChangeNothing) {
  std::map<Text, std::string> expected = initial;
  std::deque<std::string> outgoing;  // contents of the kept backups, oldest first
  const Text candidates[] = {"old.bin", "pvp.bin"};
  char stampText[32];
  for (int step = 0; step < 1000; ++step) {
    std::snprintf(stampText, sizeof stampText, "20261211-%02d%02d%02d", step / 3600, step / 60 % 60, step % 60);
    stamp = stampText;
    notices.clear();
    if (step % 2 == 0) {
      const Text& candidate = candidates[step / 2 % 2];
      outgoing.push_back(expected["sharedstash.bin"]);
      if (outgoing.size() > 20) outgoing.pop_front();
      replaceWith(candidate);
      expected["sharedstash.bin"] = expected[candidate];
      ASSERT_EQ(notices, std::vector<Text>{stash_text::kReplaced}) << "step " << step;
    } else {
      const Text name = "save-" + std::to_string(step);
      saveAs(name);
      expected[name + ".bin"] = expected["sharedstash.bin"];
      ASSERT_EQ(notices, std::vector<Text>{stash_text::kSaved}) << "step " << step;
    }
    ASSERT_EQ(outsideBackups(), expected) << "step " << step;
    std::deque<std::string> kept;
    for (const auto& [name, content] : backups()) kept.push_back(content);  // names sort by time here
    ASSERT_EQ(kept, outgoing) << "step " << step;
  }
}
}  // namespace
