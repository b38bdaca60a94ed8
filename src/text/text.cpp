#include "text/text.h"

#include "platform/services.h"

int compareText(std::string_view a, std::string_view b) {
  const std::size_t common = a.size() < b.size() ? a.size() : b.size();
  for (std::size_t i = 0; i < common; ++i) {
    const auto x = static_cast<unsigned char>(a[i]);
    const auto y = static_cast<unsigned char>(b[i]);
    if (x != y) return x < y ? -1 : 1;
  }
  if (a.size() == b.size()) return 0;
  return a.size() < b.size() ? -1 : 1;
}

std::size_t lastSeparator(std::string_view text) {
  std::size_t last = std::string_view::npos;
  for (std::size_t i = 0; i < text.size(); i += characterLength(text, i)) {
    if (text[i] == '\\') last = i;
  }
  return last;
}

Text withBackslashes(std::string_view text) {
  Text copy(text);
  for (std::size_t i = 0; i < copy.size(); i += characterLength(copy, i)) {
    if (copy[i] == '/') copy[i] = '\\';
  }
  return copy;
}

Text skipLeadingBlanks(std::string_view text) {
  std::size_t i = 0;
  while (i < text.size() && static_cast<unsigned char>(text[i]) >= 0x01 &&
         static_cast<unsigned char>(text[i]) <= 0x20)
    ++i;
  return Text(text.substr(i));
}
