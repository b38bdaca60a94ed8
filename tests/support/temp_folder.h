// Test helpers: a temporary folder that removes itself, and raw file access that goes around
// the services under test. Paths use "\" separators, as the program's own do.
#pragma once

#include <functional>
#include <map>
#include <optional>
#include <string>

#include "text/text.h"

class TempFolder {
 public:
  TempFolder();
  ~TempFolder();
  TempFolder(const TempFolder&) = delete;
  TempFolder& operator=(const TempFolder&) = delete;

  const Text& path() const { return path_; }
  Text operator/(std::string_view name) const { return joinText(path_, "\\", name); }

 private:
  Text path_;
};

bool writeFile(const Text& path, std::string_view content);
std::optional<std::string> readFile(const Text& path);
bool makeFolder(const Text& path);
bool removeFile(const Text& path);
// Writes a hidden file ("name" with the hidden attribute on Windows, ".name" on POSIX) and
// returns its bare name; empty on failure.
Text writeHiddenFile(const Text& folder, const Text& name, std::string_view content);
bool makeReadOnly(const Text& path);

// Every file below the folder, by its path relative to it ("sub\name"), with its content.
std::map<Text, std::string> snapshot(const Text& folder);

// The character set that two-byte scanning follows in a test. On POSIX it is the C library's
// character type (GBK, or UTF-8 for Western); on Windows the ANSI code page of the process, which
// a test cannot change (936, or 1252 for Western), so a test for another one is skipped.
enum class Encoding { Chinese936, Western };
#define TARNWICK_USE_ENCODING(encoding) \
  if (!useEncoding(encoding)) GTEST_SKIP() << "the tests run under another code page"
bool useEncoding(Encoding encoding);
