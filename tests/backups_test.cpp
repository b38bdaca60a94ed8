// The outgoing live stash files that Replace keeps.
#include <gtest/gtest.h>

#include <regex>

#include "stash/backups.h"
#include "stash/texts.h"
#include "support/stash_fixture.h"

namespace {

TEST(BackupNameTest, OnlyTheExactPatternCounts) {
  struct Case {
    const char* name;
    std::optional<BackupKey> key;
  } cases[] = {
      {"sharedstash-20261211-120000.bin", BackupKey{"20261211-120000", 1}},
      {"sharedstash-20261211-120000-2.bin", BackupKey{"20261211-120000", 2}},
      {"sharedstash-20261211-120000-10.bin", BackupKey{"20261211-120000", 10}},
      {"sharedstash-20261211-120000-1.bin", std::nullopt},
      {"sharedstash-20261211-120000-02.bin", std::nullopt},
      {"sharedstash-20261211-120000-.bin", std::nullopt},
      {"sharedstash-2026121-120000.bin", std::nullopt},
      {"sharedstash-20261211_120000.bin", std::nullopt},
      {"SHAREDSTASH-20261211-120000.bin", std::nullopt},
      {"sharedstash-20261211-120000.BIN", std::nullopt},
      {"sharedstash-20261211-120000.bin.bak", std::nullopt},
      {"sharedstash.bin", std::nullopt},
      {"my sharedstash-20261211-120000.bin", std::nullopt},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(parseBackupName(c.name), c.key);
  }
  EXPECT_LT(*parseBackupName("sharedstash-20261211-120000-9.bin"), *parseBackupName("sharedstash-20261211-120000-10.bin"));
  EXPECT_LT(*parseBackupName("sharedstash-20261211-120000-99.bin"), *parseBackupName("sharedstash-20261211-120001.bin"));
}

TEST(BackupNameTest, RealTimeStampIsLocalDateAndTime) {
  EXPECT_TRUE(std::regex_match(realStashFiles().timeStamp(), std::regex("20[0-9]{6}-[0-9]{6}")));
}

using BackupsTest = StashFolderTest;

TEST_F(BackupsTest, ReplaceKeepsTheOutgoingLiveFile) {
  replaceWith("old.bin");
  EXPECT_EQ(backups(), (std::map<Text, std::string>{{"sharedstash-20261211-120000.bin", "live stash"}}));
  EXPECT_EQ(readFile(folder / "sharedstash.bin"), "old stash");
}

TEST_F(BackupsTest, NamesTakenInTheSameSecondGetACounter) {
  replaceWith("old.bin");
  replaceWith("pvp.bin");
  replaceWith("old.bin");
  EXPECT_EQ(backups(), (std::map<Text, std::string>{{"sharedstash-20261211-120000.bin", "live stash"},
                                                    {"sharedstash-20261211-120000-2.bin", "old stash"},
                                                    {"sharedstash-20261211-120000-3.bin", "pvp stash"}}));
}

TEST_F(BackupsTest, TheNewest20AreKeptAndNothingElseIsTouched) {
  ASSERT_TRUE(makeFolder(folder / "tarnwick-backups"));
  const Text others[] = {"other.bin", "sharedstash-old.bin", "sharedstash-19990101-000000-01.bin", "notes.txt"};
  for (const Text& name : others) ASSERT_TRUE(writeFile(folder / ("tarnwick-backups\\" + name), name));
  // 12 of one second (counters 1 to 12), then 11 more of later seconds: 23 in all.
  for (int i = 0; i < 23; ++i) {
    stamp = i < 12 ? "20261211-090000" : "20261211-0901" + std::to_string(10 + i);
    replaceWith(i % 2 ? "old.bin" : "pvp.bin");
  }
  const auto kept = backups();
  int count = 0;
  for (const auto& [name, content] : kept) count += parseBackupName(name) ? 1 : 0;
  EXPECT_EQ(count, 20);
  // The oldest three went: the second's counters 1, 2 and 3; "-10" sorts after "-9".
  EXPECT_FALSE(kept.contains("sharedstash-20261211-090000.bin"));
  EXPECT_FALSE(kept.contains("sharedstash-20261211-090000-2.bin"));
  EXPECT_FALSE(kept.contains("sharedstash-20261211-090000-3.bin"));
  EXPECT_TRUE(kept.contains("sharedstash-20261211-090000-4.bin"));
  EXPECT_TRUE(kept.contains("sharedstash-20261211-090000-12.bin"));
  for (const Text& name : others) EXPECT_EQ(kept.at(name), name);
}

TEST_F(BackupsTest, NoBackupFolderMeansNoReplace) {
  ASSERT_TRUE(writeFile(folder / "tarnwick-backups", "a file in the way"));
  replaceWith("old.bin");
  auto expected = initial;
  expected["tarnwick-backups"] = "a file in the way";
  EXPECT_EQ(snapshot(folder.path()), expected);
  EXPECT_TRUE(notices.empty());
}
}  // namespace
