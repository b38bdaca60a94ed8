#include "stash/folder.h"

#include "platform/services.h"
#include "stash/texts.h"

Text deriveStashFolder(const Text& path) {
  const Text copy = withBackslashes(path);
  const std::size_t cut = lastSeparator(copy);
  if (cut == std::string_view::npos) return {};
  return copy.substr(0, cut);
}

void listStashCandidates(const Text& folder, const std::function<void(const Text&)>& addItem) {
  FileSearch search;
  for (Text name = search.first(joinText(folder, stash_text::kCandidatePattern)); !name.empty();
       name = search.next()) {
    if (compareText(name, stash_text::kLiveStashName) != 0) addItem(name);
  }
  search.close();
}
