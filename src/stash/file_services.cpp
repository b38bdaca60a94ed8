#include "stash/file_services.h"

#include <ctime>

#include "platform/services.h"

namespace {
Text localTimeStamp() {
  const std::time_t now = std::time(nullptr);
  char stamp[32] = {};
  if (const std::tm* local = std::localtime(&now)) std::strftime(stamp, sizeof stamp, "%Y%m%d-%H%M%S", local);
  return stamp;
}

void listFiles(const Text& folder, const Text& pattern, const std::function<void(const Text&)>& sink) {
  FileSearch search;
  for (Text name = search.first(joinText(folder, "\\", pattern)); !name.empty(); name = search.next()) sink(name);
}
}  // namespace

StashFiles realStashFiles() {
  return StashFiles{
      .exists = fileExists,
      .isRegularFile = isRegularFile,
      .isSameFile = isSameFile,
      .deleteFile = deleteFile,
      .copyFileNew = copyFileNew,
      .moveFile = moveFile,
      .createFolder = createFolder,
      .removeEmptyFolder = removeEmptyFolder,
      .listFiles = listFiles,
      .timeStamp = localTimeStamp,
  };
}
