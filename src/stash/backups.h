// The outgoing live stash files that Replace keeps, in the folder "tarnwick-backups" inside the
// stash folder, as "sharedstash-YYYYMMDD-HHMMSS.bin" ("-2", "-3"... when a name is taken).
#pragma once

#include <cstddef>
#include <optional>

#include "stash/file_services.h"

inline constexpr std::size_t kBackupsKept = 20;

// Where backups of the stash folder's live file go.
Text backupFolderOf(const Text& stashFolder);

// Moves the live file into the backup folder under a name not yet taken and returns the
// backup's path; empty, with nothing moved, when the folder or the move fails.
Text moveLiveStashToBackups(const Text& stashFolder, const StashFiles& files);

// Deletes all but the newest `keep` backups; files of any other name are never touched.
void pruneBackups(const Text& stashFolder, std::size_t keep, const StashFiles& files);

// Sort key of a backup's name ("20261211-120000", then the counter, 1 for no counter); nothing
// when the name is not exactly of the backup pattern.
struct BackupKey {
  Text stamp;
  unsigned counter;
  auto operator<=>(const BackupKey&) const = default;
};
std::optional<BackupKey> parseBackupName(std::string_view name);
