// File and profile services of the operating system, as the rest of the program uses them.
// One implementation per platform (win32/, posix/), chosen at link time. Paths use "\" as
// their separator on every platform. Failures are reported by a false or empty result only.
#pragma once

#include <cstddef>
#include <memory>
#include <string_view>

#include "text/text.h"

// Number of bytes of the character that starts at text[pos] in the code page in force:
// 2 for a lead byte and its second byte, 1 for a single byte, a lone lead byte at the end,
// or a byte that starts no valid character. Never steps past the end.
std::size_t characterLength(std::string_view text, std::size_t pos);

// Folder of the program's own executable, never ending in "\" ("C:" at a drive's root).
// Empty when it cannot be determined.
Text programDirectory();

// Makes the given folder the current directory; false on failure.
bool setCurrentFolder(const Text& folder);

// True when a directory search for the path finds any entry: a file, a folder, or anything a
// wildcard pattern matches. The empty path does not exist.
bool fileExists(const Text& path);

// True when a regular file (not a folder, device or stream) stands at exactly this path.
bool isRegularFile(const Text& path);

// True when both paths name the same existing file (the same file under two spellings too).
bool isSameFile(const Text& a, const Text& b);

bool deleteFile(const Text& path);

// Copies source to target, replacing an existing target.
bool copyFile(const Text& source, const Text& target);

// Copies source to target only if nothing stands at target; an existing target is never touched.
bool copyFileNew(const Text& source, const Text& target);

// Renames a file within its volume; fails if anything stands at target.
bool moveFile(const Text& source, const Text& target);

// Makes the folder; true also when a folder already stands there.
bool createFolder(const Text& path);

// Removes the folder if it is empty; a folder with anything in it stays. True when removed.
bool removeEmptyFolder(const Text& path);

// One open directory search, or none. The names it returns are bare names of entries that are
// not folders, in the platform's order; the empty text means no further entry, and the search
// has then closed itself.
class FileSearch {
 public:
  FileSearch();
  ~FileSearch();
  FileSearch(const FileSearch&) = delete;
  FileSearch& operator=(const FileSearch&) = delete;

  // Closes a search still open and starts a new one on the pattern ("folder\*.bin").
  Text first(const Text& pattern);
  // The next name of the open search; empty with no open search.
  Text next();
  // Releases an open search; does nothing otherwise.
  void close();

 private:
  struct State;
  std::unique_ptr<State> state_;
};

// The value of key in section of an INI file, at most 10239 bytes of it, or defaultValue when
// the file, section or key is missing. Leading bytes 0x01-0x20 of file, section and key are
// skipped; if any of them is then empty, the result is empty.
Text readProfileString(const Text& file, const Text& section, const Text& key,
                       const Text& defaultValue);

// Stores value under key in section, creating the file if needed and keeping every other
// section and key. True on success.
bool writeProfileString(const Text& file, const Text& section, const Text& key, const Text& value);
