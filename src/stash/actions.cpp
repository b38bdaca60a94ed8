#include "stash/actions.h"

#include <array>

#include "platform/services.h"
#include "stash/backups.h"
#include "stash/texts.h"

namespace {
Text livePath(const Text& stashFolder) { return joinText(stashFolder, "\\", stash_text::kLiveStashName); }

char upper(char c) { return c >= 'a' && c <= 'z' ? char(c - 'a' + 'A') : c; }
}  // namespace

bool namesNoPlainFile(std::string_view typedName) {
  // Character by character: a second byte of a two-byte character may equal "|" or "\".
  for (std::size_t i = 0; i < typedName.size(); i += characterLength(typedName, i)) {
    if (Text(":*?\"<>|").find(typedName[i]) != Text::npos) return true;
  }
  // The last component is what names the file; a device name holds whatever follows its dot
  // and any blanks before it.
  const Text name = withBackslashes(typedName);
  const std::size_t separator = lastSeparator(name);
  std::string_view base = std::string_view(name).substr(separator == std::string_view::npos ? 0 : separator + 1);
  base = base.substr(0, base.find('.'));
  while (!base.empty() && base.back() == ' ') base.remove_suffix(1);
  Text device;
  for (char c : base) device += upper(c);
  static constexpr std::array<std::string_view, 4> kPlainDevices = {"CON", "PRN", "AUX", "NUL"};
  for (auto plain : kPlainDevices)
    if (device == plain) return true;
  return device.size() == 4 && (device.starts_with("COM") || device.starts_with("LPT")) && device[3] >= '1' &&
         device[3] <= '9';
}

void replaceLiveStash(const Text& stashFolder, const StashSelection& selection, const ShowNotice& showNotice,
                      const StashFiles& files) {
  const int index = selection.selectedIndex();
  if (index < 0) return;
  const Text live = livePath(stashFolder);
  const Text candidate = joinText(stashFolder, "\\", selection.itemText(index));
  if (!files.exists(live)) return;
  // On a file system that ignores case, "SharedStash.bin" is the live file itself.
  if (files.isSameFile(live, candidate)) return;

  // The outgoing live file moves aside first, so that a failed copy can put it back.
  const Text backup = moveLiveStashToBackups(stashFolder, files);
  if (backup.empty()) return;
  if (!files.copyFileNew(candidate, live)) {
    if (!files.moveFile(backup, live)) {
      files.deleteFile(live);  // whatever the failed copy left behind
      files.moveFile(backup, live);
    }
    files.removeEmptyFolder(backupFolderOf(stashFolder));
    return;
  }
  pruneBackups(stashFolder, kBackupsKept, files);
  showNotice(stash_text::kReplaced);
}

void saveLiveStashAs(const Text& stashFolder, const AskText& askText, const ShowNotice& showNotice,
                     const StashFiles& files) {
  const AskTextResult answer = askText(stash_text::kSaveAsPrompt, stash_text::kSaveAsTitle);
  if (!answer.confirmed || answer.text.empty()) return;
  const Text target = joinText(stashFolder, "\\", answer.text, stash_text::kBinEnding);
  if (files.exists(target)) {
    showNotice(stash_text::kAlreadyExists);
    return;
  }
  if (namesNoPlainFile(answer.text)) return;
  if (!files.copyFileNew(livePath(stashFolder), target)) return;
  if (!files.isRegularFile(target)) return;
  showNotice(stash_text::kSaved);
}
