// Replace and Save as on a real stash folder, with the player's answers and the notices faked.
#include <gtest/gtest.h>

#include "platform/services.h"
#include "stash/texts.h"
#include "support/stash_fixture.h"

namespace {
using ReplaceTest = StashFolderTest;
using SaveAsTest = StashFolderTest;

TEST_F(ReplaceTest, SwapsTheCandidateInAndSaysSo) {
  replaceWith("old.bin");
  auto expected = initial;
  expected["sharedstash.bin"] = "old stash";
  EXPECT_EQ(outsideBackups(), expected) << "the candidate stays beside the new live file";
  EXPECT_EQ(notices, std::vector<Text>{stash_text::kReplaced});
}

struct UnchangedCase {
  const char* what;
  std::function<void(const TempFolder&)> arrange;
  Text candidate;
  int index;
  friend void PrintTo(const UnchangedCase& c, std::ostream* out) { *out << c.what; }
};

class ReplaceLeavesAllTest : public StashFolderTest, public testing::WithParamInterface<UnchangedCase> {};

TEST_P(ReplaceLeavesAllTest, WhenItCannotReplace) {
  GetParam().arrange(folder);
  const auto before = snapshot(folder.path());
  replaceWith(GetParam().candidate, GetParam().index);
  EXPECT_EQ(snapshot(folder.path()), before);
  EXPECT_FALSE(fileExists(folder / "tarnwick-backups")) << "not even an empty backup folder is left";
  EXPECT_TRUE(notices.empty());
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ReplaceLeavesAllTest,
    testing::Values(
        UnchangedCase{"nothing selected", [](const TempFolder&) {}, "old.bin", -1},
        UnchangedCase{"live file missing", [](const TempFolder& f) { removeFile(f / "sharedstash.bin"); }, "old.bin", 0},
        UnchangedCase{"candidate gone since the list was filled", [](const TempFolder&) {}, "gone.bin", 0},
        UnchangedCase{"candidate is a folder", [](const TempFolder& f) { makeFolder(f / "dir.bin"); }, "dir.bin", 0},
        UnchangedCase{"candidate is the live file", [](const TempFolder&) {}, "sharedstash.bin", 0}),
    [](const testing::TestParamInfo<UnchangedCase>& info) { return "Case" + std::to_string(info.index); });

// Where the file system ignores case, "SharedStash.bin" is the live file itself: the live file
// must stay as it was.
TEST_F(ReplaceTest, CandidateSpellingTheLiveFileOtherwiseLeavesItAlone) {
  if (!fileExists(folder / "SHAREDSTASH.BIN")) GTEST_SKIP() << "this file system tells case apart";
  replaceWith("SharedStash.bin");
  EXPECT_EQ(outsideBackups(), initial);
  EXPECT_TRUE(notices.empty());
}

TEST_F(SaveAsTest, CopiesTheLiveFileUnderTheTypedName) {
  ASSERT_TRUE(makeFolder(folder / "sub"));
  struct Case {
    Text typed;
    Text created;  // the new file, or empty for none
  } cases[] = {
      {"mine", "mine.bin"},
      {"backup.bin", "backup.bin.bin"},
      {"  spaced  ", "  spaced  .bin"},
      {"sub\\x", "sub\\x.bin"},
      {"\xcf\xe4\xd7\xd3", "\xcf\xe4\xd7\xd3.bin"},  // 箱子
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.typed);
    notices.clear();
    saveAs(c.typed);
    EXPECT_EQ(readFile(folder / c.created), "live stash");
    EXPECT_EQ(notices, std::vector<Text>{stash_text::kSaved});
  }
}

TEST_F(SaveAsTest, RefusesNamesThatExist) {
  ASSERT_TRUE(writeFile(folder / "backup.bin", "older backup"));
  ASSERT_TRUE(makeFolder(folder / "dir.bin"));
  for (const char* typed : {"backup", "sharedstash", "*", "dir", "pv?"}) {
    SCOPED_TRACE(typed);
    notices.clear();
    const auto before = snapshot(folder.path());
    saveAs(typed);
    EXPECT_EQ(snapshot(folder.path()), before);
    EXPECT_EQ(notices, std::vector<Text>{stash_text::kAlreadyExists});
  }
}

TEST_F(SaveAsTest, ShowsNothingWhenNoFileIsMade) {
  struct Case {
    Text typed;
    bool confirmed;
  } cases[] = {
      {"", true}, {"name", false}, {"nosub\\x", true}, {"zz*", true}, {"a:b", true}, {"sub:stream", true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.typed);
    notices.clear();
    saveAs(c.typed, c.confirmed);
    EXPECT_EQ(snapshot(folder.path()), initial);
    EXPECT_TRUE(notices.empty());
  }
}

// A device name "copies" without making a file. Windows' own search finds the device, so the
// name may be refused as existing; it is never reported saved.
TEST_F(SaveAsTest, DeviceNamesAreNeverReportedSaved) {
  for (const char* typed : {"NUL", "con.txt", "Com1", "lpt9 ", "x\\aux"}) {
    SCOPED_TRACE(typed);
    notices.clear();
    saveAs(typed);
    EXPECT_EQ(snapshot(folder.path()), initial);
    EXPECT_TRUE(notices.empty() || notices == std::vector<Text>{stash_text::kAlreadyExists});
  }
}

TEST_F(SaveAsTest, NeverOverwritesAFileThatAppearsAfterTheCheck) {
  // The file appears between the existence check and the copy.
  files.exists = [](const Text&) { return false; };
  ASSERT_TRUE(writeFile(folder / "late.bin", "someone else's"));
  saveAs("late");
  EXPECT_EQ(readFile(folder / "late.bin"), "someone else's");
  EXPECT_TRUE(notices.empty());
}

TEST_F(SaveAsTest, MissingLiveFileSavesNothing) {
  ASSERT_TRUE(removeFile(folder / "sharedstash.bin"));
  saveAs("mine");
  EXPECT_FALSE(fileExists(folder / "mine.bin"));
  EXPECT_TRUE(notices.empty());
}

TEST(SaveNameTest, TellsDevicesStreamsAndInvalidNamesFromFiles) {
  for (const char* name : {"CON", "con", "nul.txt", "NUL ", "AUX.bin", "prn", "COM1", "com9.x", "LPT1", "dir\\NUL",
                           "a:b", ":", "a*", "why?", "<x>", "a|b", "\"q\""})
    EXPECT_TRUE(namesNoPlainFile(name)) << name;
  for (const char* name : {"CONSOLE", "COM0", "COM10", "LPT", "nul-gear", "my con", "\xcf\xe4"})
    EXPECT_FALSE(namesNoPlainFile(name)) << name;
}
}  // namespace
