// The stash folder derived from a path, and the candidates listed from a folder.
#include <gtest/gtest.h>

#include <vector>

#include "settings/settings.h"
#include "stash/folder.h"
#include "support/temp_folder.h"

namespace {

TEST(DeriveStashFolderTest, CutsAtTheLastRealSeparator) {
  TARNWICK_USE_ENCODING(Encoding::Chinese936);
  struct Case {
    Text path;
    Text folder;
  } cases[] = {
      {"C:\\Games\\save\\sharedstash.bin", "C:\\Games\\save"},
      {"D:/x/y/sharedstash.bin", "D:\\x\\y"},
      {"C:\\sharedstash.bin", "C:"},
      {"sharedstash.bin", ""},
      {"\\\\host\\share\\sharedstash.bin", "\\\\host\\share"},
      {kDefaultSettingsPath, ""},
      {"", ""},
      {"C:\\save\\", "C:\\save"},
      {"C:/mixed\\seps/sharedstash.bin", "C:\\mixed\\seps"},
      // 淺 (9C 5C) ends a folder name and starts a file name: its 5C is no separator.
      {"C:\\\x9c\x5c\\\x9c\x5c.bin", "C:\\\x9c\x5c"},
      {"\x9c\x5c\x9c\x5c.bin", ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::PrintToString(c.path));
    EXPECT_EQ(deriveStashFolder(c.path), c.folder);
  }
}

std::vector<Text> candidatesOf(const Text& folder) {
  std::vector<Text> names;
  listStashCandidates(folder, [&](const Text& name) { names.push_back(name); });
  return names;
}

std::vector<Text> sorted(std::vector<Text> names) {
  std::sort(names.begin(), names.end());
  return names;
}

TEST(ListStashCandidatesTest, ListsEveryBinFileButTheLiveOne) {
  TempFolder folder;
  for (const char* name : {"sharedstash.bin", "old.bin", "notes.txt", "a.bin.txt", "pvp.bin"})
    ASSERT_TRUE(writeFile(folder / name, name));
  ASSERT_TRUE(makeFolder(folder / "dir.bin"));
  EXPECT_EQ(sorted(candidatesOf(folder.path())), (std::vector<Text>{"old.bin", "pvp.bin"}));
}

TEST(ListStashCandidatesTest, OnlyTheExactLowerCaseLiveNameIsLeftOut) {
  TempFolder folder;
  ASSERT_TRUE(writeFile(folder / "SharedStash.bin", "x"));
  EXPECT_EQ(candidatesOf(folder.path()), std::vector<Text>{"SharedStash.bin"});
}

TEST(ListStashCandidatesTest, EmptyWhenNothingMatches) {
  TempFolder folder;
  EXPECT_TRUE(candidatesOf(folder.path()).empty());
  ASSERT_TRUE(writeFile(folder / "sharedstash.bin", "live"));
  EXPECT_TRUE(candidatesOf(folder.path()).empty()) << "only the live file";
  EXPECT_TRUE(candidatesOf(folder / "missing").empty());
}

TEST(ListStashCandidatesTest, KeepsTheSearchOrderAndNeverClears) {
  TempFolder folder;
  for (const char* name : {"b.bin", "a.bin", "c.bin"}) ASSERT_TRUE(writeFile(folder / name, name));
  std::vector<Text> list;
  const auto sink = [&](const Text& name) { list.push_back(name); };
  listStashCandidates(folder.path(), sink);
  const std::vector<Text> once = list;
  listStashCandidates(folder.path(), sink);
  ASSERT_EQ(once.size(), 3u);
  ASSERT_EQ(list.size(), 6u);
  EXPECT_EQ(std::vector<Text>(list.begin() + 3, list.end()), once) << "the same order again, appended";
}

TEST(ListStashCandidatesTest, ListsNamesWithTwoByteCharacters) {
  TARNWICK_USE_ENCODING(Encoding::Chinese936);
  TempFolder folder;
  const Text name = "\xcf\xe4\x9c\x5c.bin";  // 箱淺.bin
  ASSERT_TRUE(writeFile(folder / name, "x"));
  EXPECT_EQ(candidatesOf(folder.path()), std::vector<Text>{name});
}
}  // namespace
