#include "ui/wide_text.h"

#include <windows.h>

#include <algorithm>

std::wstring wideFrom936(std::string_view text) {
  if (text.empty()) return {};
  const int size = MultiByteToWideChar(936, 0, text.data(), int(text.size()), nullptr, 0);
  std::wstring wide(size_t(size > 0 ? size : 0), L'\0');
  if (size > 0) MultiByteToWideChar(936, 0, text.data(), int(text.size()), wide.data(), size);
  return wide;
}

Text ansiWindowText(HWND window) {
  const int length = GetWindowTextLengthA(window);
  Text text(size_t(length) + 1, '\0');
  const int copied = GetWindowTextA(window, text.data(), length + 1);
  text.resize(size_t(std::max(copied, 0)));
  return text;
}
