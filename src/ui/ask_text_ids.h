// Identifiers of the text-input dialog's controls (besides IDOK and IDCANCEL).
#pragma once

#define IDC_ASKTEXT_FRAME 101
#define IDC_ASKTEXT_PROMPT 102
#define IDC_ASKTEXT_EDIT 103
