// The settings file beside the test program, removed before and after each test that uses it.
#pragma once

#include <gtest/gtest.h>

#include "platform/services.h"
#include "support/temp_folder.h"

class ProgramFolderTest : public testing::Test {
 protected:
  void SetUp() override { deleteFile(settingsFile); }
  void TearDown() override { deleteFile(settingsFile); }

  const Text settingsFile = joinText(programDirectory(), "\\razarir.ini");
};
