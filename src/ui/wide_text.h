// Texts between the program and the Windows functions.
#pragma once

#include <string>
#include <string_view>
#include <windows.h>

#include "text/text.h"

// The program's fixed texts are code page 936 bytes: converted from 936 they read right whatever
// the system's ANSI code page is.
std::wstring wideFrom936(std::string_view text);

// The whole text of a window, in the ANSI code page in force (as paths and typed names are).
Text ansiWindowText(HWND window);
