// One contract for the file and profile services, run against the Windows implementation under
// Wine and against the POSIX implementation natively.
#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "platform/services.h"
#include "support/temp_folder.h"

namespace {

std::vector<Text> searchAll(FileSearch& search, const Text& pattern) {
  std::vector<Text> names;
  for (Text name = search.first(pattern); !name.empty(); name = search.next()) names.push_back(name);
  std::sort(names.begin(), names.end());
  return names;
}

TEST(FileSearchTest, MatchesTheWildcardAndSkipsFolders) {
  TempFolder folder;
  for (const char* name : {"a.bin", "b.bin", "c.txt", "bin", "d.bin.bak"}) ASSERT_TRUE(writeFile(folder / name, "x"));
  ASSERT_TRUE(makeFolder(folder / "sub.bin"));
  const Text hidden = writeHiddenFile(folder.path(), "h.bin", "x");
  ASSERT_FALSE(hidden.empty());
  ASSERT_TRUE(writeFile(folder / "r.bin", "x"));
  ASSERT_TRUE(makeReadOnly(folder / "r.bin"));

  FileSearch search;
  std::vector<Text> expected = {"a.bin", "b.bin", hidden, "r.bin"};
  std::sort(expected.begin(), expected.end());
  EXPECT_EQ(searchAll(search, folder / "*.bin"), expected);

  // "." and ".." are folders and never come back, even from "*".
  const std::vector<Text> all = searchAll(search, folder / "*");
  EXPECT_EQ(std::count(all.begin(), all.end(), "."), 0);
  EXPECT_EQ(std::count(all.begin(), all.end(), ".."), 0);
  EXPECT_EQ(std::count(all.begin(), all.end(), "sub.bin"), 0);
  EXPECT_EQ(all.size(), 7u);
}

TEST(FileSearchTest, EndsClosedAndNextWithoutSearchIsEmpty) {
  TempFolder folder;
  ASSERT_TRUE(writeFile(folder / "only.bin", "x"));
  FileSearch search;
  EXPECT_EQ(search.next(), "") << "no search open yet";
  EXPECT_EQ(search.first(folder / "*.bin"), "only.bin");
  EXPECT_EQ(search.next(), "");
  EXPECT_EQ(search.next(), "") << "the ended search closed itself";
  search.close();  // closing an ended search does nothing

  EXPECT_EQ(search.first(folder / "missing\\*.bin"), "");
  EXPECT_EQ(search.first(folder / "*.none"), "");

  // first() on an open search starts over.
  ASSERT_TRUE(writeFile(folder / "two.bin", "x"));
  const Text one = search.first(folder / "*.bin");
  EXPECT_FALSE(one.empty());
  EXPECT_EQ(search.first(folder / "*.bin"), one);
  search.close();
  EXPECT_EQ(search.next(), "");
}

TEST(FileServicesTest, ExistenceOfFilesFoldersAndPatterns) {
  TempFolder folder;
  ASSERT_TRUE(writeFile(folder / "file.bin", "x"));
  ASSERT_TRUE(makeFolder(folder / "dir"));
  struct Case {
    Text path;
    bool exists;
    bool regularFile;
  } cases[] = {
      {folder / "file.bin", true, true},
      {folder / "dir", true, false},
      {folder / "*.bin", true, false},
      {folder / "f?le.bin", true, false},
      {folder / "*.txt", false, false},
      {folder / "missing.bin", false, false},
      {folder / "missing\\file.bin", false, false},
      {"", false, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.path);
    EXPECT_EQ(fileExists(c.path), c.exists);
    EXPECT_EQ(isRegularFile(c.path), c.regularFile);
  }
}

TEST(FileServicesTest, CopyOverwritesButCopyNewNever) {
  TempFolder folder;
  ASSERT_TRUE(writeFile(folder / "source.bin", "source"));
  ASSERT_TRUE(writeFile(folder / "target.bin", "old target"));

  EXPECT_FALSE(copyFileNew(folder / "source.bin", folder / "target.bin"));
  EXPECT_EQ(readFile(folder / "target.bin"), "old target");
  EXPECT_TRUE(copyFile(folder / "source.bin", folder / "target.bin"));
  EXPECT_EQ(readFile(folder / "target.bin"), "source");
  EXPECT_TRUE(copyFileNew(folder / "source.bin", folder / "new.bin"));
  EXPECT_EQ(readFile(folder / "new.bin"), "source");

  EXPECT_FALSE(copyFile(folder / "missing.bin", folder / "x.bin"));
  EXPECT_FALSE(copyFileNew(folder / "missing.bin", folder / "y.bin"));
  EXPECT_FALSE(copyFileNew(folder / "source.bin", folder / "no\\such\\folder.bin"));
  EXPECT_EQ(snapshot(folder.path()).size(), 3u) << "failed copies leave no file";
}

TEST(FileServicesTest, MoveRefusesAnExistingTarget) {
  TempFolder folder;
  ASSERT_TRUE(writeFile(folder / "a.bin", "a"));
  ASSERT_TRUE(writeFile(folder / "b.bin", "b"));
  EXPECT_FALSE(moveFile(folder / "a.bin", folder / "b.bin"));
  EXPECT_EQ(snapshot(folder.path()), (std::map<Text, std::string>{{"a.bin", "a"}, {"b.bin", "b"}}));

  ASSERT_TRUE(makeFolder(folder / "keep"));
  EXPECT_TRUE(moveFile(folder / "a.bin", folder / "keep\\a-1.bin"));
  EXPECT_EQ(snapshot(folder.path()), (std::map<Text, std::string>{{"b.bin", "b"}, {"keep\\a-1.bin", "a"}}));
  EXPECT_FALSE(moveFile(folder / "a.bin", folder / "c.bin")) << "the source is gone";
}

TEST(FileServicesTest, DeleteAndCreateFolder) {
  TempFolder folder;
  ASSERT_TRUE(writeFile(folder / "a.bin", "a"));
  EXPECT_TRUE(deleteFile(folder / "a.bin"));
  EXPECT_FALSE(fileExists(folder / "a.bin"));
  EXPECT_FALSE(deleteFile(folder / "a.bin"));

  EXPECT_TRUE(createFolder(folder / "made"));
  EXPECT_TRUE(createFolder(folder / "made")) << "an existing folder is fine";
  EXPECT_FALSE(deleteFile(folder / "made")) << "folders are not deleted";
  ASSERT_TRUE(writeFile(folder / "file", "x"));
  EXPECT_FALSE(createFolder(folder / "file")) << "a file stands there";
  EXPECT_FALSE(createFolder(folder / "no\\such\\made"));

  ASSERT_TRUE(writeFile(folder / "made\\inside.bin", "x"));
  EXPECT_FALSE(removeEmptyFolder(folder / "made")) << "a folder with a file in it stays";
  EXPECT_TRUE(fileExists(folder / "made\\inside.bin"));
  ASSERT_TRUE(deleteFile(folder / "made\\inside.bin"));
  EXPECT_TRUE(removeEmptyFolder(folder / "made"));
  EXPECT_FALSE(fileExists(folder / "made"));
}

TEST(FileServicesTest, SameFileByIdentity) {
  TempFolder folder;
  ASSERT_TRUE(writeFile(folder / "live.bin", "x"));
  ASSERT_TRUE(writeFile(folder / "other.bin", "x"));
  EXPECT_TRUE(isSameFile(folder / "live.bin", folder / "live.bin"));
  EXPECT_FALSE(isSameFile(folder / "live.bin", folder / "other.bin")) << "equal content is not identity";
  EXPECT_FALSE(isSameFile(folder / "live.bin", folder / "missing.bin"));
  // Where the file system ignores case, another spelling is the same file.
  if (fileExists(folder / "LIVE.BIN")) {
    EXPECT_TRUE(isSameFile(folder / "live.bin", folder / "LIVE.BIN"));
  }
}

TEST(FileServicesTest, ProgramDirectoryIsTheTestProgramsFolder) {
  const Text folder = programDirectory();
  ASSERT_FALSE(folder.empty());
  EXPECT_NE(folder.back(), '\\');
  EXPECT_TRUE(fileExists(joinText(folder, "\\CTestTestfile.cmake"))) << folder;
}

class ProfileTest : public testing::Test {
 protected:
  TempFolder folder;
  Text file = folder / "test.ini";
};

TEST_F(ProfileTest, ReadGivesTheDefaultWhenAnythingIsMissing) {
  EXPECT_EQ(readProfileString(file, "s", "k", "dflt"), "dflt") << "no file";
  ASSERT_TRUE(writeFile(file, "[s]\r\nk=v\r\n[t]\r\nother=w\r\n"));
  EXPECT_EQ(readProfileString(file, "s", "k", "dflt"), "v");
  EXPECT_EQ(readProfileString(file, "missing", "k", "dflt"), "dflt");
  EXPECT_EQ(readProfileString(file, "s", "missing", "dflt"), "dflt");
  EXPECT_EQ(readProfileString(file, "s", "missing", ""), "");
  EXPECT_EQ(readProfileString(file, "S", "K", "dflt"), "v") << "names ignore case";
}

TEST_F(ProfileTest, ReadSkipsLeadingBlanksOfItsArguments) {
  ASSERT_TRUE(writeFile(file, "[s]\r\nk=v\r\n"));
  EXPECT_EQ(readProfileString(" \t" + file, "  s", "\x01k", "dflt"), "v");
  EXPECT_EQ(readProfileString(file, " ", "k", "dflt"), "") << "a blank section reads nothing";
  EXPECT_EQ(readProfileString(file, "s", "", "dflt"), "");
  EXPECT_EQ(readProfileString("  ", "s", "k", "dflt"), "");
}

TEST_F(ProfileTest, EmptyStoredValueReadsBackEmpty) {
  ASSERT_TRUE(writeFile(file, "[s]\r\nk=\r\n"));
  EXPECT_EQ(readProfileString(file, "s", "k", "dflt"), "");
}

TEST_F(ProfileTest, ReadIsCappedAt10239Bytes) {
  const std::string value(12000, 'p');
  ASSERT_TRUE(writeFile(file, "[s]\r\nk=" + value + "\r\n"));
  EXPECT_EQ(readProfileString(file, "s", "k", ""), value.substr(0, 10239));
}

TEST_F(ProfileTest, WriteCreatesTheFileAndKeepsEverythingElse) {
  EXPECT_TRUE(writeProfileString(file, "s", "k", "first"));
  EXPECT_EQ(readProfileString(file, "s", "k", ""), "first");

  ASSERT_TRUE(writeFile(file, "[a]\r\nx=1\r\n[s]\r\nbefore=2\r\nk=old\r\nafter=3\r\n"));
  EXPECT_TRUE(writeProfileString(file, "s", "k", "new"));
  EXPECT_TRUE(writeProfileString(file, "b", "y", "4"));
  EXPECT_EQ(readProfileString(file, "s", "k", ""), "new");
  EXPECT_EQ(readProfileString(file, "a", "x", ""), "1");
  EXPECT_EQ(readProfileString(file, "s", "before", ""), "2");
  EXPECT_EQ(readProfileString(file, "s", "after", ""), "3");
  EXPECT_EQ(readProfileString(file, "b", "y", ""), "4");

  EXPECT_TRUE(writeProfileString(file, "s", "k", ""));
  EXPECT_EQ(readProfileString(file, "s", "k", "dflt"), "") << "an empty value is a value";
  EXPECT_FALSE(writeProfileString(folder / "missing\\test.ini", "s", "k", "v"));
}
}  // namespace
