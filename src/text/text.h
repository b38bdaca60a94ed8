// Text: byte strings in the ANSI code page, and the few operations the program does on them.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

using Text = std::string;

// Lays two to four texts end to end into a new text.
template <class... Parts>
Text joinText(const Parts&... parts) {
  static_assert(sizeof...(Parts) >= 2 && sizeof...(Parts) <= 4, "joinText takes two to four parts");
  Text joined;
  joined.reserve((std::string_view(parts).size() + ...));
  (joined.append(std::string_view(parts)), ...);
  return joined;
}

// Byte-wise comparison, each byte unsigned, case-sensitive: -1, 0 or +1 by the first differing byte.
int compareText(std::string_view a, std::string_view b);

// Position of the last "\" that is a separator of its own, or npos. Two-byte characters of the
// code page in force are stepped over whole, so a second byte 0x5C never counts.
std::size_t lastSeparator(std::string_view text);

// Copy of the text with every "/" that stands as a character of its own turned into "\".
Text withBackslashes(std::string_view text);

// The text without its leading bytes 0x01 to 0x20.
Text skipLeadingBlanks(std::string_view text);
