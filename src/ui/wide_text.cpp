#include "ui/wide_text.h"

#include <windows.h>

std::wstring wideFrom936(std::string_view text) {
  if (text.empty()) return {};
  const int size = MultiByteToWideChar(936, 0, text.data(), int(text.size()), nullptr, 0);
  std::wstring wide(size_t(size > 0 ? size : 0), L'\0');
  if (size > 0) MultiByteToWideChar(936, 0, text.data(), int(text.size()), wide.data(), size);
  return wide;
}
