// Conversions of texts for the wide (UTF-16) Windows functions.
#pragma once

#include <string>
#include <string_view>

// The program's fixed texts are code page 936 bytes: converted from 936 they read right whatever
// the system's ANSI code page is.
std::wstring wideFrom936(std::string_view text);
