#include "stash/backups.h"

#include <algorithm>
#include <string>
#include <vector>

#include "stash/texts.h"

namespace {
constexpr std::string_view kPrefix = "sharedstash-";
constexpr std::string_view kEnding = ".bin";
constexpr unsigned kMaxCounter = 9999;

bool allDigits(std::string_view text) {
  return !text.empty() && std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

Text backupName(const Text& stamp, unsigned counter) {
  Text name = joinText(kPrefix, stamp);
  if (counter > 1) name += "-" + std::to_string(counter);
  return name + Text(kEnding);
}
}  // namespace

Text backupFolderOf(const Text& stashFolder) {
  return joinText(stashFolder, "\\", stash_text::kBackupFolderName);
}

std::optional<BackupKey> parseBackupName(std::string_view name) {
  if (!name.starts_with(kPrefix) || !name.ends_with(kEnding)) return std::nullopt;
  std::string_view middle = name.substr(kPrefix.size(), name.size() - kPrefix.size() - kEnding.size());
  // YYYYMMDD-HHMMSS, then optionally -N with N from 2 up and no leading zero.
  if (middle.size() < 15 || !allDigits(middle.substr(0, 8)) || middle[8] != '-' ||
      !allDigits(middle.substr(9, 6)))
    return std::nullopt;
  BackupKey key{Text(middle.substr(0, 15)), 1};
  std::string_view rest = middle.substr(15);
  if (rest.empty()) return key;
  rest.remove_prefix(1);
  if (middle[15] != '-' || !allDigits(rest) || rest[0] == '0' || rest.size() > 4) return std::nullopt;
  key.counter = unsigned(std::stoul(std::string(rest)));
  if (key.counter < 2) return std::nullopt;
  return key;
}

Text moveLiveStashToBackups(const Text& stashFolder, const StashFiles& files) {
  const Text folder = backupFolderOf(stashFolder);
  if (!files.createFolder(folder)) return {};
  const Text live = joinText(stashFolder, "\\", stash_text::kLiveStashName);
  const Text stamp = files.timeStamp();
  for (unsigned counter = 1; counter <= kMaxCounter; ++counter) {
    const Text backup = joinText(folder, "\\", backupName(stamp, counter));
    if (files.exists(backup)) continue;
    if (files.moveFile(live, backup)) return backup;
    break;
  }
  // Nothing changes when the live file cannot be moved: not even a new, empty backup folder.
  files.removeEmptyFolder(folder);
  return {};
}

void pruneBackups(const Text& stashFolder, std::size_t keep, const StashFiles& files) {
  const Text folder = backupFolderOf(stashFolder);
  std::vector<std::pair<BackupKey, Text>> backups;
  files.listFiles(folder, joinText(kPrefix, "*", kEnding), [&](const Text& name) {
    if (auto key = parseBackupName(name)) backups.emplace_back(*key, name);
  });
  if (backups.size() <= keep) return;
  std::sort(backups.begin(), backups.end());
  for (std::size_t i = 0; i + keep < backups.size(); ++i)
    files.deleteFile(joinText(folder, "\\", backups[i].second));
}
