// A live stash file that the game holds open without sharing cannot be moved aside: Replace
// stops with nothing changed.
#include <gtest/gtest.h>
#include <windows.h>

#include "platform/services.h"
#include "support/stash_fixture.h"

namespace {
using HeldOpenTest = StashFolderTest;

TEST_F(HeldOpenTest, ReplaceStopsWithNothingChanged) {
  HANDLE game = CreateFileA((folder / "sharedstash.bin").c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr,
                            OPEN_EXISTING, 0, nullptr);
  ASSERT_NE(game, INVALID_HANDLE_VALUE);
  replaceWith("old.bin");
  CloseHandle(game);
  EXPECT_EQ(outsideBackups(), initial);
  EXPECT_TRUE(backups().empty());
  EXPECT_FALSE(fileExists(folder / "tarnwick-backups")) << "not even an empty backup folder is left";
  EXPECT_TRUE(notices.empty());
}
}  // namespace
