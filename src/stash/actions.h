// Replace and Save as: the two actions that change files in the stash folder.
#pragma once

#include <functional>

#include "stash/file_services.h"
#include "text/text.h"

struct AskTextResult {
  bool confirmed = false;
  Text text;  // empty on cancel
};
using AskText = std::function<AskTextResult(const Text& prompt, const Text& title)>;
using ShowNotice = std::function<void(const Text& text)>;

// The selection of the candidate list: the selected index (-1 for none) and an item's text
// (empty outside the list).
struct StashSelection {
  std::function<int()> selectedIndex;
  std::function<Text(int)> itemText;
};

// Makes the selected candidate the live "sharedstash.bin". The outgoing live file is kept among
// the backups; if anything fails, the live file and every candidate stay as they were and
// nothing is shown. "替换成功!" is shown only when the live file has the candidate's content.
void replaceLiveStash(const Text& stashFolder, const StashSelection& selection, const ShowNotice& showNotice,
                      const StashFiles& files = realStashFiles());

// Asks for a name and copies the live file to name + ".bin" in the stash folder. An existing
// entry of that name is never overwritten: it is reported with "箱子已经存在 请改名!".
// "保存成功!" is shown only when a regular file now stands at the new name.
void saveLiveStashAs(const Text& stashFolder, const AskText& askText, const ShowNotice& showNotice,
                     const StashFiles& files = realStashFiles());

// True for a typed name that cannot make a plain file in the folder: one that Windows takes for a
// device (CON, NUL, COM1...) whatever follows its dot, a stream (a ":" in it), or a name with a
// character Windows never allows in file names (* ? " < > |).
bool namesNoPlainFile(std::string_view typedName);
