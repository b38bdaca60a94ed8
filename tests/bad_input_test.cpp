// Bad input handled without a crash and without touching any file it shouldn't: broken settings
// files, odd candidate names, hostile typed names, over-long picked paths.
#include <gtest/gtest.h>

#include "settings/settings.h"
#include "stash/folder.h"
#include "stash/texts.h"
#include "support/program_folder.h"
#include "support/stash_fixture.h"

namespace {
using BadSettingsTest = ProgramFolderTest;

TEST_F(BadSettingsTest, BrokenSettingsFilesReadWithoutHarm) {
  std::string garbage;
  for (int i = 0; i < 4096; ++i) garbage += char((i * 7919 + 13) % 256);
  const std::string files[] = {
      garbage,
      std::string("[razarir]\r\npath=C:\\a\0b\\sharedstash.bin\r\n", 38),
      std::string("\0\0\0[razarir]\r\npath=x\r\n", 23),
      "[razarir]\r\npath=" + std::string(1 << 20, 'p') + "\r\n",
      "[razarir] path=C:\\no\\line\\ends.bin",
      "[razarir",
      "path=C:\\outside\\any\\section.bin",
  };
  for (const std::string& content : files) {
    SCOPED_TRACE(content.substr(0, 40));
    ASSERT_TRUE(writeFile(settingsFile, content));
    const Text value = loadSettings();
    EXPECT_LE(value.size(), 10239u);
    EXPECT_EQ(readFile(settingsFile), content) << "reading changes nothing";
    EXPECT_EQ(deriveStashFolder(value).size() <= value.size(), true);
  }
  // A 1 MiB value is cut to its first 10239 bytes.
  ASSERT_TRUE(writeFile(settingsFile, files[3]));
  EXPECT_EQ(loadSettings(), std::string(10239, 'p'));
}

using BadNamesTest = StashFolderTest;

// Names the file system may hold but the program's paths may not reach: Replace with each either
// works or changes nothing, and no stash is ever lost.
TEST_F(BadNamesTest, OddCandidateNamesNeverLoseAStash) {
  TARNWICK_USE_ENCODING(Encoding::Chinese936);
  const Text names[] = {
      std::string(251, 'n') + ".bin",          // 255 bytes: the full path is past what Windows' ANSI calls take
      "\xcf\xe4\xd7\xd3\x9c\x5c.bin",         // 箱子淺: two-byte characters, one with a second byte 5C
      "trailing dot.bin.",                    // Windows drops trailing dots and spaces from paths
      "trailing space.bin ",
  };
  for (const Text& name : names) {
    SCOPED_TRACE(name);
    const bool made = writeFile(folder / name, "odd stash");
    std::vector<Text> listed;
    listStashCandidates(folder.path(), [&](const Text& candidate) { listed.push_back(candidate); });
    const auto before = outsideBackups();
    const std::string live = before.at("sharedstash.bin");
    notices.clear();
    replaceWith(name);
    const auto after = outsideBackups();
    for (const auto& [file, content] : before)
      if (file != "sharedstash.bin") {
        EXPECT_EQ(after.at(file), content) << file;
      }
    if (notices.empty()) {
      EXPECT_EQ(after.at("sharedstash.bin"), live);
    } else {
      EXPECT_TRUE(made);
      EXPECT_EQ(after.at("sharedstash.bin"), "odd stash");
      replaceWith("old.bin");  // back to a known live file
    }
    removeFile(folder / name);
  }
}

TEST_F(BadNamesTest, HostileTypedNamesOverwriteNothing) {
  ASSERT_TRUE(writeFile(folder / "taken.bin", "taken"));
  const Text typed[] = {"CON", "aux.bin", "com1", "LPT1.txt", "a:b", "::$DATA", "*", "?", "taken*", "x|y", "<>",
                        std::string(300, 'x'), std::string(300, '\xcf')};
  for (const Text& name : typed) {
    SCOPED_TRACE(name.substr(0, 40));
    const auto before = snapshot(folder.path());
    notices.clear();
    saveAs(name);
    const auto after = snapshot(folder.path());
    for (const auto& [file, content] : before) EXPECT_EQ(after.at(file), content) << file;
    EXPECT_TRUE(notices.empty() || notices == std::vector<Text>{stash_text::kAlreadyExists} ||
                (notices == std::vector<Text>{stash_text::kSaved} && after.size() == before.size() + 1));
  }
}

TEST(BadPathsTest, PickedPathsAroundTheLimit) {
  for (std::size_t length : {259u, 260u, 261u, 4096u}) {
    Text path = "C:\\" + std::string(length - 19, 'd') + "\\sharedstash.bin";
    ASSERT_EQ(path.size(), length);
    EXPECT_EQ(deriveStashFolder(path), path.substr(0, length - 16));
    std::vector<Text> listed;
    listStashCandidates(deriveStashFolder(path), [&](const Text& name) { listed.push_back(name); });
    EXPECT_TRUE(listed.empty());
  }
}
}  // namespace
