// Every file operation of Replace made to fail in turn: whatever fails, the folder still holds
// the live stash and every candidate, byte for byte.
#include <gtest/gtest.h>

#include "stash/texts.h"
#include "support/stash_fixture.h"

namespace {

// Wraps the real services so that the operation numbered failAt (from 1) fails.
struct FailingFiles {
  int count = 0;
  int failAt = 0;

  template <class Result, class... Args>
  std::function<Result(Args...)> wrap(std::function<Result(Args...)> real) {
    return [this, real](Args... args) -> Result {
      if (++count == failAt) return Result{};
      return real(args...);
    };
  }
  StashFiles around(const StashFiles& real) {
    StashFiles files = real;
    files.exists = wrap(real.exists);
    files.isRegularFile = wrap(real.isRegularFile);
    files.deleteFile = wrap(real.deleteFile);
    files.copyFileNew = wrap(real.copyFileNew);
    files.moveFile = wrap(real.moveFile);
    files.createFolder = wrap(real.createFolder);
    files.removeEmptyFolder = wrap(real.removeEmptyFolder);
    // A failed "are these the same file" answers yes, which would stop Replace: answering no
    // is the failure that matters.
    files.isSameFile = [this, real](const Text& a, const Text& b) { return ++count == failAt ? false : real.isSameFile(a, b); };
    return files;
  }
};

using ReplaceFaultTest = StashFolderTest;

TEST_F(ReplaceFaultTest, NoFailureLosesAStash) {
  // Enough earlier backups that pruning has files to delete as well.
  ASSERT_TRUE(makeFolder(folder / "tarnwick-backups"));
  for (int i = 10; i < 30; ++i)
    ASSERT_TRUE(writeFile(folder / ("tarnwick-backups\\sharedstash-20250101-0000" + std::to_string(i) + ".bin"), "older"));

  FailingFiles counting;
  files = counting.around(realStashFiles());
  files.timeStamp = [this] { return stamp; };
  const auto start = snapshot(folder.path());
  replaceWith("old.bin");
  const int operations = counting.count;
  ASSERT_GT(operations, 5);

  for (int failAt = 1; failAt <= operations; ++failAt) {
    SCOPED_TRACE("operation " + std::to_string(failAt) + " of " + std::to_string(operations) + " fails");
    TempFolder fresh;
    for (const auto& [name, content] : start) {
      if (name.starts_with("tarnwick-backups\\")) makeFolder(fresh / "tarnwick-backups");
      ASSERT_TRUE(writeFile(fresh / name, content));
    }
    FailingFiles failing{0, failAt};
    std::vector<Text> shown;
    StashFiles faulty = failing.around(realStashFiles());
    faulty.timeStamp = [this] { return stamp; };
    replaceLiveStash(fresh.path(), StashSelection{[] { return 0; }, [](int) { return Text("old.bin"); }},
                     [&](const Text& text) { shown.push_back(text); }, faulty);

    const auto after = snapshot(fresh.path());
    EXPECT_EQ(after.at("old.bin"), "old stash");
    EXPECT_EQ(after.at("pvp.bin"), "pvp stash");
    const std::string live = after.count("sharedstash.bin") ? after.at("sharedstash.bin") : "<missing>";
    if (!shown.empty()) {
      EXPECT_EQ(shown, std::vector<Text>{stash_text::kReplaced});
      EXPECT_EQ(live, "old stash");
    } else {
      EXPECT_TRUE(live == "live stash" || live == "old stash") << live;
    }
    // The outgoing live stash is the live file or among the backups.
    bool kept = live == "live stash";
    for (const auto& [name, content] : after) kept = kept || (name.starts_with("tarnwick-backups\\") && content == "live stash");
    EXPECT_TRUE(kept);
  }
}
}  // namespace
