#include "engine/ExclusionPattern.h"

#include "platform/Cp932.h"

#include <array>
#include <utility>

namespace swh {

namespace {

// One character read from the pattern: a single byte, or both bytes of a double-byte character.
struct PatternChar {
    std::uint8_t bytes[2] = {};
    std::uint8_t length = 1;
    std::size_t next = 0; // where the pattern goes on after it
};

std::uint8_t Byte(std::string_view text, std::size_t i) {
    return static_cast<std::uint8_t>(text[i]);
}

bool IsAsciiLetter(std::uint8_t c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

int HexValue(std::uint8_t c) {
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

PatternChar Single(std::uint8_t c, std::size_t next) {
    PatternChar pc;
    pc.bytes[0] = c;
    pc.next = next;
    return pc;
}

// The character at `i`, taking a lead byte's partner with it. A lead byte that ends the pattern
// stands alone, as it does at the end of a name.
PatternChar ReadPlain(std::string_view p, std::size_t i) {
    if (IsLeadByte(Byte(p, i)) && i + 1 < p.size()) {
        PatternChar pc;
        pc.bytes[0] = Byte(p, i);
        pc.bytes[1] = Byte(p, i + 1);
        pc.length = 2;
        pc.next = i + 2;
        return pc;
    }
    return Single(Byte(p, i), i + 1);
}

// The character that the backslash at `i` stands for.
PatternChar ReadEscape(std::string_view p, std::size_t i) {
    const std::size_t at = i + 1;
    if (at >= p.size())
        return Single('\\', at); // a trailing backslash is itself
    const std::uint8_t c = Byte(p, at);
    if (IsLeadByte(c))
        return ReadPlain(p, at);
    switch (c | 0x20) { // letter escapes work in either case
    case 's':
        return Single(' ', at + 1);
    case 't':
        return Single('\t', at + 1);
    case 'n':
        return Single('\n', at + 1);
    case 'r':
        return Single('\r', at + 1);
    case 'f':
        return Single('\f', at + 1);
    case 'b':
        return Single(0x08, at + 1);
    case 'e':
        return Single(0x1B, at + 1);
    case 'x': {
        unsigned value = 0;
        std::size_t j = at + 1;
        for (; j < p.size() && j < at + 4 && HexValue(Byte(p, j)) >= 0; ++j)
            value = value * 16 + static_cast<unsigned>(HexValue(Byte(p, j)));
        if (j == at + 1)
            return Single(c, at + 1); // no digit: the letter itself
        return Single(static_cast<std::uint8_t>(value & 0xFF), j);
    }
    default:
        break;
    }
    if (c == '^' && at + 1 < p.size() && IsAsciiLetter(Byte(p, at + 1)))
        return Single(static_cast<std::uint8_t>(Byte(p, at + 1) & 0x1F), at + 2);
    if (c >= '0' && c <= '7') {
        unsigned value = 0;
        std::size_t j = at;
        for (; j < p.size() && j < at + 3 && Byte(p, j) >= '0' && Byte(p, j) <= '7'; ++j)
            value = value * 8 + static_cast<unsigned>(Byte(p, j) - '0');
        return Single(static_cast<std::uint8_t>(value & 0xFF), j);
    }
    return Single(c, at + 1);
}

PatternChar ReadChar(std::string_view p, std::size_t i) {
    return p[i] == '\\' ? ReadEscape(p, i) : ReadPlain(p, i);
}

// Reads the set that starts after the "[" at `i - 1`; returns where the pattern goes on after
// its "]", or npos when the set has no "]".
std::size_t ReadSet(std::string_view p, std::size_t i, std::bitset<256>& set, bool& negated) {
    negated = i < p.size() && p[i] == '^';
    if (negated)
        ++i;
    while (i < p.size()) {
        if (p[i] == ']')
            return i + 1;
        const PatternChar first = ReadChar(p, i);
        i = first.next;
        PatternChar last = first;
        if (i + 1 < p.size() && p[i] == '-' && p[i + 1] != ']') {
            last = ReadChar(p, i + 1);
            i = last.next;
        }
        // Names' double-byte characters never meet a set, so one written in it adds nothing.
        if (first.length != 1 || last.length != 1)
            continue;
        std::uint8_t lo = first.bytes[0];
        std::uint8_t hi = last.bytes[0];
        if (lo > hi)
            std::swap(lo, hi);
        for (unsigned c = lo; c <= hi; ++c)
            set.set(c);
    }
    return std::string_view::npos;
}

} // namespace

ExclusionPattern::ExclusionPattern(std::string_view pattern) {
    valid_ = Compile(pattern);
    if (!valid_) {
        elements_.clear();
        sets_.clear();
    }
}

bool ExclusionPattern::Compile(std::string_view p) {
    if (p.empty() || p.size() > kMaxPatternBytes)
        return false;
    std::size_t i = 0;
    if (p[0] == '^') {
        anchorStart_ = true;
        ++i;
    }
    bool afterRepeat = false;
    while (i < p.size()) {
        const char c = p[i];
        if (c == '*' || c == '+' || c == '?') {
            if (elements_.empty() || afterRepeat)
                return false;
            afterRepeat = true;
            ++i;
            if (c == '+') {
                elements_.push_back(elements_.back());
                elements_.back().repeat = Repeat::Star;
            } else {
                elements_.back().repeat = c == '*' ? Repeat::Star : Repeat::Optional;
            }
            continue;
        }
        afterRepeat = false;
        if (c == '$' && i + 1 == p.size()) {
            anchorEnd_ = true;
            break;
        }
        Element e;
        if (c == '.') {
            e.kind = Kind::Any;
            ++i;
        } else if (c == '[') {
            e.kind = Kind::Set;
            e.set = static_cast<std::uint8_t>(sets_.size());
            sets_.emplace_back();
            i = ReadSet(p, i + 1, sets_.back(), e.negated);
            if (i == std::string_view::npos)
                return false;
        } else {
            const PatternChar pc = ReadChar(p, i);
            e.length = pc.length;
            e.bytes[0] = pc.bytes[0];
            e.bytes[1] = pc.bytes[1];
            i = pc.next;
        }
        elements_.push_back(e);
    }
    // Every element costs at least one byte of the pattern ("+" two for its two), so the search's
    // fixed state arrays always suffice.
    return elements_.size() <= kMaxPatternBytes;
}

bool ExclusionPattern::Matches(const Element& e, std::string_view name, std::size_t at,
                               std::size_t len) const {
    const std::uint8_t c = Byte(name, at);
    switch (e.kind) {
    case Kind::Any:
        return len == 2 || c != '\n';
    case Kind::Set:
        return len == 1 && sets_[e.set].test(c) != e.negated;
    case Kind::Literal:
        return len == e.length && c == e.bytes[0] && (len == 1 || Byte(name, at + 1) == e.bytes[1]);
    }
    return false;
}

bool ExclusionPattern::Search(std::string_view name) const {
    if (!valid_)
        return true;
    // State j means "the elements before j have matched"; state m means the whole pattern has.
    const std::size_t m = elements_.size();
    std::array<bool, kMaxPatternBytes + 1> current{};
    std::array<bool, kMaxPatternBytes + 1> next{};
    std::size_t pos = 0;
    for (;;) {
        if (!anchorStart_ || pos == 0)
            current[0] = true; // a match may start at every character
        for (std::size_t j = 0; j < m; ++j) {
            if (current[j] && elements_[j].repeat != Repeat::One)
                current[j + 1] = true;
        }
        if (current[m] && (!anchorEnd_ || pos == name.size()))
            return true;
        if (pos >= name.size())
            return false;
        const std::size_t len =
            IsLeadByte(Byte(name, pos)) && pos + 1 < name.size() ? std::size_t{2} : std::size_t{1};
        next.fill(false);
        bool alive = false;
        for (std::size_t j = 0; j < m; ++j) {
            if (!current[j] || !Matches(elements_[j], name, pos, len))
                continue;
            next[elements_[j].repeat == Repeat::Star ? j : j + 1] = true;
            alive = true;
        }
        if (!alive && anchorStart_)
            return false;
        current = next;
        pos += len;
    }
}

std::string_view BareName(std::string_view path) {
    const std::size_t slash = FindLastMark(path, '/');
    return slash == std::string_view::npos ? path : path.substr(slash + 1);
}

ExclusionList::ExclusionList(std::string_view exclusions) {
    std::string_view rest = exclusions;
    while (!rest.empty()) {
        // ";" is found only where a character starts, as the pattern reader sees characters.
        const std::size_t semicolon = FindMark(rest, ';');
        std::string_view pattern = rest;
        if (semicolon == std::string_view::npos) {
            rest = {};
        } else {
            pattern = rest.substr(0, semicolon);
            rest = rest.substr(semicolon + 1);
        }
        patterns_.emplace_back(pattern);
    }
}

bool ExclusionList::Matches(std::string_view bareName) const {
    for (const ExclusionPattern& pattern : patterns_)
        if (pattern.Search(bareName))
            return true;
    return false;
}

bool IsExcludedName(std::string_view bareName, std::string_view exclusions) {
    return ExclusionList(exclusions).Matches(bareName);
}

} // namespace swh
