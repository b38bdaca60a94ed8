// Joining, byte-wise comparison and the two-byte-aware separator scans.
#include <gtest/gtest.h>

#include "platform/services.h"
#include "support/temp_folder.h"
#include "text/text.h"

namespace {
constexpr auto npos = std::string_view::npos;

TEST(TextTest, JoinLaysPartsEndToEndAndIsAlwaysNew) {
  EXPECT_EQ(joinText(Text("C:\\save"), "\\", "sharedstash.bin"), "C:\\save\\sharedstash.bin");
  EXPECT_EQ(joinText(Text(), Text()), "");
  EXPECT_EQ(joinText("a", Text(), "b", "c"), "abc");
}

TEST(TextTest, CompareIsByteWiseUnsignedAndCaseSensitive) {
  struct Case {
    const char* a;
    const char* b;
    int expected;
  } cases[] = {
      {"", "", 0},
      {"sharedstash.bin", "sharedstash.bin", 0},
      {"SharedStash.bin", "sharedstash.bin", -1},
      {"a", "ab", -1},
      {"\x80", "a", 1},  // 0x80 is above 'a' when bytes are unsigned
      {"\xcc\xe6", "\xcc\xe5", 1},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.a) + " vs " + c.b);
    EXPECT_EQ(compareText(c.a, c.b), c.expected);
    EXPECT_EQ(compareText(c.b, c.a), -c.expected);
  }
}

// "淺" is 9C 5C in code page 936: its second byte is the byte of "\".
TEST(TextTest, ScansStepOverCodePage936Characters) {
  TARNWICK_USE_ENCODING(Encoding::Chinese936);
  EXPECT_EQ(characterLength("\x9c\x5c", 0), 2u);
  EXPECT_EQ(characterLength("a\x9c\x5c", 0), 1u);
  EXPECT_EQ(characterLength("ab\x9c", 2), 1u) << "a lone lead byte at the end";
  struct Case {
    std::string_view text;
    std::size_t last;
  } cases[] = {
      {"a\\b", 1},
      {"\x9c\x5c", npos},
      {"x\\\x9c\x5c", 1},
      {"\x9c\x5c\\", 2},
      {"\xcf\xe4\x9c\x5c\\\xd7\xd3\x9c\x5cz", 4},
      {"ab\\\x9c", 2},
      {"", npos},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::PrintToString(std::string(c.text)));
    EXPECT_EQ(lastSeparator(c.text), c.last);
  }
  EXPECT_EQ(withBackslashes("a/\x9c\x5c/b"), "a\\\x9c\x5c\\b");
}

// On a single-byte code page, or UTF-8 on POSIX, a byte of 0x80 or above does not swallow the
// separator after it.
TEST(TextTest, ScansKeepSeparatorsAfterWesternCharacters) {
  TARNWICK_USE_ENCODING(Encoding::Western);
  EXPECT_EQ(lastSeparator("caf\xe9\\x"), 4u);
  EXPECT_EQ(withBackslashes("caf\xe9/x"), "caf\xe9\\x");
}

TEST(TextTest, SkipLeadingBlanksSkipsControlBytesAndSpaces) {
  EXPECT_EQ(skipLeadingBlanks("\x01\t \x20path "), "path ");
  EXPECT_EQ(skipLeadingBlanks(std::string_view("\0a", 2)), std::string("\0a", 2)) << "NUL is no blank";
  EXPECT_EQ(skipLeadingBlanks("  "), "");
}
}  // namespace
