// libFuzzer target for the path handling: deriveStashFolder and the two-byte-aware scans, under
// code page 936 (GBK) and UTF-8 in turn.
#include <clocale>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "platform/services.h"
#include "stash/actions.h"
#include "stash/folder.h"

namespace {
void check(bool condition) {
  if (!condition) std::abort();
}

void checkPath(const Text& path) {
  const Text normalised = withBackslashes(path);
  check(normalised.size() == path.size());
  const Text folder = deriveStashFolder(path);
  // The folder is a byte prefix of the normalised path, cut just before a separator.
  check(normalised.compare(0, folder.size(), folder) == 0);
  const std::size_t cut = lastSeparator(normalised);
  if (cut == std::string_view::npos) {
    check(folder.empty());
  } else {
    check(folder.size() == cut && normalised[cut] == '\\');
  }
  for (std::size_t i = 0; i < path.size();) {
    const std::size_t step = characterLength(path, i);
    check(step >= 1 && i + step <= path.size());
    i += step;
  }
  namesNoPlainFile(path);
}
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const Text path(reinterpret_cast<const char*>(data), size);
  for (const char* locale : {"zh_CN.GBK", "C.UTF-8"}) {
    std::setlocale(LC_CTYPE, locale);
    checkPath(path);
  }
  return 0;
}
