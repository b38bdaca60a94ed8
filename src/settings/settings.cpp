#include "settings/settings.h"

#include "platform/services.h"

namespace {
constexpr char kSettingsFileName[] = "\\razarir.ini";
constexpr char kSection[] = "razarir";
constexpr char kKey[] = "path";

// Empty when the program's folder is unknown: the settings are then neither read nor written,
// rather than looked for in the root of the current drive.
Text settingsFile() {
  const Text folder = programDirectory();
  return folder.empty() ? Text{} : joinText(folder, kSettingsFileName);
}
}  // namespace

Text loadSettings() {
  const Text file = settingsFile();
  if (file.empty()) return kDefaultSettingsPath;
  return readProfileString(file, kSection, kKey, kDefaultSettingsPath);
}

void saveSettings(const Text& path) {
  const Text file = settingsFile();
  if (!file.empty()) writeProfileString(file, kSection, kKey, path);
}
