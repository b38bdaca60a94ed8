// The remembered path of the live stash file, kept in "razarir.ini" beside the program.
#pragma once

#include "text/text.h"

// "请设置sharedstash.bin的路径" in code page 936: what loadSettings gives when nothing is stored.
inline constexpr char kDefaultSettingsPath[] = "\xc7\xeb\xc9\xe8\xd6\xc3sharedstash.bin\xb5\xc4\xc2\xb7\xbe\xb6";

// The stored path, or kDefaultSettingsPath when the file, section or key is missing.
Text loadSettings();

// Stores the path; a failed write is not reported.
void saveSettings(const Text& path);
