// Self-painted labels: text in the default GUI font over the face colour, black or red, one
// line centred in its height or wrapped from the top.
#pragma once

#include <windows.h>

#include <string>

enum class LabelLayout { SingleLine, Wrapped };

// A hidden label child of parent; nullptr on failure.
HWND createLabel(HWND parent, const std::wstring& text, int x, int y, int width, int height, COLORREF color,
                 LabelLayout layout);
