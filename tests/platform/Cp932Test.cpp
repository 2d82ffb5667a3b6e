#include "platform/Cp932.h"

#include "support/Sjis.h"

#include <gtest/gtest.h>

namespace swh {
namespace {

using test::Sjis;

// "表" is 0x95 0x5C and "ソ" is 0x83 0x5C: their second byte is the ASCII backslash, and other
// double-byte characters end in bytes such as "[" (0x5B) or "=" (0x3D) too.
TEST(Cp932Search, MarksInsideDoubleByteCharactersAreNotFound) {
    const std::string hyou = Sjis("表");
    ASSERT_EQ(hyou, "\x95\x5C");
    EXPECT_EQ(FindMark(Sjis("表ソ"), '\\'), std::string::npos);
    EXPECT_EQ(FindMark(Sjis("表\\ソ"), '\\'), 2u);
    EXPECT_EQ(FindLastMark(Sjis("a\\表\\ソ"), '\\'), 4u);
    EXPECT_EQ(FindLastMark(Sjis("a\\表ソ"), '\\'), 1u);
    // "ア" followed by "=" in a pattern of lead+trail where trail is "=" (0x3D): "ｱ" is single.
    const std::string leadThenEquals = "\x81\x3D"; // lead byte 0x81 takes "=" as its second byte
    EXPECT_EQ(FindMark(leadThenEquals + "=", '='), 2u);
}

TEST(Cp932Search, TextSearchStartsOnlyOnCharacterBoundaries) {
    // "ShowBaloon" written after a lead byte must not match from the lead byte's trail.
    EXPECT_EQ(FindText("ab" + Sjis("表") + "Show", "Show"), 4u);
    EXPECT_EQ(FindText(std::string("\x95") + "ShowX", "ShowX"), std::string::npos);
    EXPECT_TRUE(ContainsText(Sjis("日本語ShowMainWindow=1"), "ShowMainWindow"));
    EXPECT_FALSE(ContainsText("ShowMain", "ShowMainWindow"));
    EXPECT_EQ(FindText("abcabc", "bc", 2), 4u);
}

TEST(Cp932Search, InvalidAndTruncatedBytesNeverOverrun) {
    const std::string truncated = "ab\x95"; // a lead byte with nothing after it
    EXPECT_EQ(FindMark(truncated, '\\'), std::string::npos);
    EXPECT_EQ(FindText(truncated, "\x95\\"), std::string::npos);
    EXPECT_EQ(FindLastMark(truncated, 'b'), 1u);
    EXPECT_EQ(FindMark(std::string("\0=", 2), '='), 1u);
}

TEST(Cp932Search, TruncationNeverSplitsACharacter) {
    const std::string text = Sjis("aソ表");
    EXPECT_EQ(TruncateCp932(text, 5), text);
    EXPECT_EQ(TruncateCp932(text, 4), Sjis("aソ"));
    EXPECT_EQ(TruncateCp932(text, 2), "a");
    EXPECT_EQ(TruncateCp932(Sjis("ソ"), 1), "");
}

TEST(Cp932Convert, RoundTripsJapaneseText) {
    const std::string utf8 = "削除を実行しました。表ソ①";
    EXPECT_EQ(Utf8FromCp932(Cp932FromUtf8(utf8)), utf8);
    EXPECT_EQ(Cp932FromUtf8("ASCII only"), "ASCII only");
    EXPECT_TRUE(HasCp932Form(utf8));
}

TEST(Cp932Convert, InvalidInputIsReplacedNotDropped) {
    // A lone lead byte and a byte that no character starts with become U+FFFD each.
    EXPECT_EQ(Utf8FromCp932("a\x81"), "a\xEF\xBF\xBD");
    EXPECT_EQ(Utf8FromCp932("a\xFF"
                            "b"),
              "a\xEF\xBF\xBD"
              "b");
    // Characters without a CP932 form, and broken UTF-8, become one "?" each.
    EXPECT_EQ(Cp932FromUtf8("x\xF0\x9F\x98\x80y"), "x?y");
    EXPECT_EQ(Cp932FromUtf8("x\xC3y"), "x?y");
    EXPECT_FALSE(HasCp932Form("\xF0\x9F\x98\x80"));
}

} // namespace
} // namespace swh
