#include <windows.h>

#include "stash/texts.h"
#include "ui/dialogs.h"
#include "ui/wide_text.h"

void showNotice(const Text& text) {
  MessageBoxW(nullptr, wideFrom936(text).c_str(), wideFrom936(stash_text::kNoticeCaption).c_str(),
              MB_OK | MB_TASKMODAL);
}
