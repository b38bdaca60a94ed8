// The remembered path in "razarir.ini" beside the program.
#include <gtest/gtest.h>

#include "settings/settings.h"
#include "support/program_folder.h"

namespace {
using SettingsTest = ProgramFolderTest;

TEST_F(SettingsTest, DefaultTextWhenNothingIsStored) {
  EXPECT_EQ(loadSettings(), kDefaultSettingsPath);
  ASSERT_TRUE(writeFile(settingsFile, "[other]\r\npath=x\r\n"));
  EXPECT_EQ(loadSettings(), kDefaultSettingsPath);
  EXPECT_EQ(Text(kDefaultSettingsPath).size(), 27u);
}

TEST_F(SettingsTest, StoredPathReadsBackByteForByte) {
  TARNWICK_USE_ENCODING(Encoding::Chinese936);
  const Text paths[] = {
      "C:\\Games\\save\\sharedstash.bin",
      "D:/x/y/sharedstash.bin",
      "C:\\My Games\\two  spaces\\sharedstash.bin",
      "C:\\\xcf\xe4\xd7\xd3\\\x9c\x5c\\sharedstash.bin",  // 箱子, 淺 (second byte 5C)
      "",
  };
  for (const Text& path : paths) {
    SCOPED_TRACE(testing::PrintToString(path));
    saveSettings(path);
    EXPECT_EQ(loadSettings(), path);
  }
}

TEST_F(SettingsTest, FileHoldsOneSectionAndKey) {
  saveSettings("C:\\first\\sharedstash.bin");
  saveSettings("C:\\Games\\save\\sharedstash.bin");
  const std::string content = readFile(settingsFile).value_or("");
  EXPECT_NE(content.find("[razarir]"), std::string::npos) << content;
  EXPECT_NE(content.find("path=C:\\Games\\save\\sharedstash.bin"), std::string::npos) << content;
  EXPECT_EQ(content.find("first"), std::string::npos) << "only the second path is kept";
}
}  // namespace
