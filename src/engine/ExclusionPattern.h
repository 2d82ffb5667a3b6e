#pragma once
// The exclusion patterns of a cleaning item: a small regular-expression search over CP932 names,
// byte-exact and case-sensitive, in which a double-byte character is one character everywhere (as
// a literal, for ".", and for where a match may start). Pure C++: no Qt, no POSIX.
//
// Decisions that matter at the edges:
// - An invalid pattern matches every name, so a mistyped exclusion keeps files rather than
//   deleting them. Invalid are: an empty pattern, a pattern longer than kMaxPatternBytes, a
//   pattern that starts with "*", "+" or "?" (also right after a leading "^"), a "*", "+" or "?"
//   right after another one, and a "[" set without its "]".
// - Sets hold single-byte characters. A double-byte character of the name matches no set, not
//   even a negated one; a double-byte character written in a set is ignored (a range with one as
//   an end is dropped). "]" always ends a set, so "[]" matches nothing and "[^]" any single-byte
//   character; "\]" puts a "]" in. The escapes below work inside a set as well. A range written
//   backwards ("z-a") covers the same bytes as written forwards.
// - "\x" takes up to three hexadecimal digits and "\0".."\7" up to three octal digits; the value
//   is taken modulo 256. "\x" without a digit is a literal "x". A coded character is one byte and
//   matches only a single-byte character of the name (a lone lead byte at the end of a name).
// - Search answers whether any match exists, so it runs the pattern as a set of states over the
//   name: the answer is the one greedy backtracking gives, in time linear in the name's length.
#include <bitset>
#include <cstddef>
#include <cstdint>
#include <string_view>
#include <vector>

namespace swh {

// One compiled exclusion pattern.
class ExclusionPattern {
public:
    // The compiled store of the original held 128 bytes; a longer pattern is invalid.
    static constexpr std::size_t kMaxPatternBytes = 128;

    explicit ExclusionPattern(std::string_view pattern);

    // False for an invalid pattern, which Search treats as matching every name.
    bool IsValid() const { return valid_; }

    // True when the pattern matches anywhere in `name` (or the pattern is invalid).
    bool Search(std::string_view name) const;

private:
    enum class Kind : std::uint8_t { Literal, Any, Set };
    // "+" compiles to the element once and then with Star, so the search needs no counter.
    enum class Repeat : std::uint8_t { One, Star, Optional };

    struct Element {
        Kind kind = Kind::Literal;
        Repeat repeat = Repeat::One;
        std::uint8_t length = 1;    // bytes of a literal: 1, or 2 for a double-byte character
        std::uint8_t bytes[2] = {}; // the literal
        std::uint8_t set = 0;       // index into sets_ for Kind::Set
        bool negated = false;
    };

    bool Compile(std::string_view pattern);
    bool Matches(const Element& e, std::string_view name, std::size_t at, std::size_t len) const;

    bool valid_ = false;
    bool anchorStart_ = false;
    bool anchorEnd_ = false;
    std::vector<Element> elements_;
    std::vector<std::bitset<256>> sets_;
};

// The bare name of a host path: the text after its last "/", or the whole path without one.
std::string_view BareName(std::string_view path);

// The ";"-separated patterns of an item's exclusions, compiled once for a whole walk. Patterns are
// used exactly as stored: no trimming, and a trailing ";" adds no pattern. Empty exclusions match
// nothing.
class ExclusionList {
public:
    explicit ExclusionList(std::string_view exclusions);
    // True when one of the patterns matches `bareName`; they are tried left to right.
    bool Matches(std::string_view bareName) const;

private:
    std::vector<ExclusionPattern> patterns_;
};

// ExclusionList(exclusions).Matches(bareName), for a single name.
bool IsExcludedName(std::string_view bareName, std::string_view exclusions);

} // namespace swh
