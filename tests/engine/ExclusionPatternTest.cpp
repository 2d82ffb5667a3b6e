#include "engine/ExclusionPattern.h"

#include "support/Sjis.h"

#include <gtest/gtest.h>

#include <string>

namespace swh {
namespace {

using test::Sjis;

struct SearchCase {
    const char* Exclusions; // UTF-8, compared as CP932
    const char* Name;       // UTF-8, compared as CP932
    bool Excluded;
};

// "ソ" is 0x83 0x5C and "表" 0x95 0x5C: their second byte is a backslash. "ア" is 0x83 0x41: its
// second byte is "A".
TEST(IsExcludedName, MatchesNamesAsTheDialectSays) {
    const SearchCase cases[] = {
        // A match may start anywhere and need not cover the name; case counts.
        {"log", "log.txt", true},
        {"log", "catalog.dat", true},
        {"log", "blog", true},
        {"log", "LOG.txt", false},
        {"\\.txt$", "a.txt", true},
        {"\\.txt$", "a.txt.bak", false},
        {"\\.txt$", "a.TXT", false},
        {".txt", "a.txt", true},
        {".txt", "atxt.doc", true},
        {".txt", "txt", false},
        {"^a.b$", "a\nb", false},
        // The exclusions text: ";" separates, nothing is trimmed, a trailing ";" adds nothing.
        {"^~;\\.tmp$", "~a.doc", true},
        {"^~;\\.tmp$", "x.tmp", true},
        {"^~;\\.tmp$", "a~.doc", false},
        {"a; b", "x b.txt", true},
        {"a; b", "b.txt", false},
        {"a;", "cat", true},
        {"a;", "dog", false},
        // Anchors only at the very ends; elsewhere they are literal.
        {"^^", "^x", true},
        {"^^", "x^", false},
        {"a^b", "a^b", true},
        {"a$b", "a$b", true},
        {"a\\$", "a$", true},
        {"a\\$", "ab", false},
        {"^$", "", true},
        {"^$", "a", false},
        // Repeats, with backtracking where a greedy run took too much.
        {"^ab?c$", "ac", true},
        {"^ab?c$", "abc", true},
        {"^ab?c$", "abbc", false},
        {"^ab+c$", "ac", false},
        {"^ab+c$", "abbbc", true},
        {"^ab*c$", "ac", true},
        {"^a*ab$", "aaab", true},
        {"a.*z$", "a12z", true},
        {"a.*z$", "a12za", false},
        // Double-byte characters are one character: their trail byte is never a mark of its own,
        // and a match never starts inside one.
        {"\\\\", "ソ表", false},
        {"\\\\", "a\\b", true},
        {"\\\\$", "ソ", false},
        {"\\\\$", "ソ\\", true},
        {"\\", "表", false}, // a lone backslash is itself
        {"^.$", "ソ", true},
        {"^..$", "ソ", false},
        {"^a.b$", "aソb", true},
        {"ソ", "アソ", true},
        {"ソ", "ア", false},
        {"A", "ア", false},
        {"A$", "ア", false},
        {"^ソ*$", "ソソソ", true},
        {"^ソ+$", "ソソa", false},
        {"表.$", "一覧表a", true},
        {"^表示", "表示.txt", true},
        {"\\.txt$", "表.txt", true},
        {"^\\表$", "表", true}, // an escaped double-byte character is itself
        // Sets hold single-byte characters; a double-byte character matches none, negated or not.
        {"[0-9]+\\.log$", "app20110805.log", true},
        {"[0-9]+\\.log$", "app.log", false},
        {"[0-9]+\\.log$", "1.log.old", false},
        {"[^a-z]", "abc", false},
        {"[^a-z]", "abC", true},
        {"[^a-z]", "ア", false},
        {"[A]", "ア", false},
        {"[-x]", "a-b", true},
        {"[-x]", "x", true},
        {"[-x]", "abc", false},
        {"[a-]", "-", true},
        {"[z-a]", "m", true},
        {"[]", "[]", false},
        {"^a[]*$", "a", true},
        {"[^]", "b", true},
        {"[^]", "ソ", false},
        {"[\\]]", "a]", true},
        {"[\\t]", "a\tb", true},
        {"[ソa]", "ソ", false},
        {"[ソa]", "a", true},
        // Escapes: letters in either case, hexadecimal, octal and control characters.
        {"a\\sb", "a b", true},
        {"a\\Sb", "a b", true},
        {"a\\sb", "ab", false},
        {"\\t", "a\tb", true},
        {"\\e", "\x1B", true},
        {"\\b", "\x08", true},
        {"\\x41", "A", true},
        {"\\X41", "a", false},
        {"^\\x$", "x", true},
        {"\\x141", "A", true}, // three digits, modulo 256
        {"\\101", "A", true},
        {"\\1011", "A1", true},
        {"\\^A", "\x01", true},
        {"\\^a", "\x01", true},
        {"\\^1", "^1", true},
        {"a\\\\", "a\\", true},
        {"a\\", "a\\", true},
        {"a\\", "ab", false},
        {"\\.", "ab", false},
        {"\\[", "[", true},
        {"\\*", "*", true},
    };
    for (const SearchCase& c : cases) {
        EXPECT_EQ(IsExcludedName(Sjis(c.Name), Sjis(c.Exclusions)), c.Excluded)
            << "exclusions \"" << c.Exclusions << "\", name \"" << c.Name << "\"";
    }
}

TEST(IsExcludedName, CodedCharactersAreSingleBytes) {
    // "\x95" is the lead byte of "表": it matches a lone lead byte that ends a name, never the
    // first half of a double-byte character.
    EXPECT_FALSE(IsExcludedName(Sjis("表"), "\\x95"));
    EXPECT_TRUE(IsExcludedName("a\x95", "\\x95$"));
    EXPECT_TRUE(IsExcludedName("\xFF", "\\777"));
    EXPECT_TRUE(IsExcludedName("\xFF", "\\xFFF")); // taken modulo 256
}

TEST(IsExcludedName, EmptyExclusionsMatchNothing) {
    EXPECT_FALSE(IsExcludedName("anything", ""));
    EXPECT_FALSE(IsExcludedName("", ""));
}

// A mistyped pattern keeps files: it matches every name, also through the exclusions text.
TEST(ExclusionPattern, InvalidPatternsMatchEveryName) {
    const std::string invalid[] = {
        "",    "*a",  "+a",   "?a", "^*a", "^+",   "a**",
        "a+?", "a?*", "[abc", "[",  "a[^", "[\\]", std::string(129, 'x'),
    };
    for (const std::string& p : invalid) {
        const ExclusionPattern pattern(p);
        EXPECT_FALSE(pattern.IsValid()) << p;
        EXPECT_TRUE(pattern.Search("")) << p;
        EXPECT_TRUE(pattern.Search(Sjis("名前.txt"))) << p;
    }
    EXPECT_TRUE(IsExcludedName("keep.txt", "zzz;;yyy"));
    EXPECT_TRUE(IsExcludedName("keep.txt", ";"));
    EXPECT_TRUE(IsExcludedName("keep.txt", "zzz;*"));
}

TEST(ExclusionPattern, EdgesOfValidPatterns) {
    const std::string valid[] = {
        "^", "$", "^$", "\\*", "a*b*", "[*]+", "$*", Sjis("ソ*"), std::string(128, 'x'),
    };
    for (const std::string& p : valid)
        EXPECT_TRUE(ExclusionPattern(p).IsValid()) << p;
    EXPECT_TRUE(ExclusionPattern(std::string(128, 'x')).Search(std::string(130, 'x')));
    EXPECT_FALSE(ExclusionPattern(std::string(128, 'x')).Search(std::string(127, 'x')));
}

TEST(ExclusionPattern, PathologicalPatternsFinishOnLongNames) {
    const std::string name(10000, 'a');
    EXPECT_FALSE(ExclusionPattern("a*a*a*a*a*a*b").Search(name));
    EXPECT_TRUE(ExclusionPattern("^a*a*a*a*a*a*a$").Search(name));
    EXPECT_FALSE(ExclusionPattern(".*.*.*.*.*.*.*.*b$").Search(name));
}

TEST(BareName, IsTheTextAfterTheLastSlash) {
    EXPECT_EQ(BareName("/home/user/a.txt"), "a.txt");
    EXPECT_EQ(BareName("a.txt"), "a.txt");
    EXPECT_EQ(BareName("/dir/"), "");
    EXPECT_EQ(BareName(Sjis("/表/ソ.txt")), Sjis("ソ.txt"));
}

} // namespace
} // namespace swh
