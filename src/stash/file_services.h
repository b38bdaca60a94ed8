// The file services that Replace and Save as use, gathered so that tests can make any of them
// fail. realStashFiles() binds them to the platform's services and the local clock.
#pragma once

#include <functional>

#include "text/text.h"

struct StashFiles {
  std::function<bool(const Text&)> exists;
  std::function<bool(const Text&)> isRegularFile;
  std::function<bool(const Text&, const Text&)> isSameFile;
  std::function<bool(const Text&)> deleteFile;
  std::function<bool(const Text&, const Text&)> copyFileNew;
  std::function<bool(const Text&, const Text&)> moveFile;
  std::function<bool(const Text&)> createFolder;
  std::function<bool(const Text&)> removeEmptyFolder;
  // Bare names of the files in a folder that match a pattern such as "sharedstash-*.bin".
  std::function<void(const Text& folder, const Text& pattern, const std::function<void(const Text&)>&)> listFiles;
  // Local date and time as "YYYYMMDD-HHMMSS".
  std::function<Text()> timeStamp;
};

StashFiles realStashFiles();
