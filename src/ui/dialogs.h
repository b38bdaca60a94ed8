// The two modal exchanges with the player: a notice box and a text-input dialog.
#pragma once

#include "stash/actions.h"
#include "text/text.h"

// A message box with the caption "信息：", one OK button and no icon, task-modal and without an
// owner. Returns when the player has closed it.
void showNotice(const Text& text);

// A modal dialog with a prompt, a one-line edit field, "确认输入(&O)" (the default button) and
// "取消(&C)", owned by the active window. Confirming (the button or Enter) gives the text exactly
// as typed, in the ANSI code page; the cancel button, Esc and the close box give nothing.
AskTextResult askText(const Text& prompt, const Text& title);
