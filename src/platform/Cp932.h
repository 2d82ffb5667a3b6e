#pragma once
// Shift-JIS (code page 932) text helpers. Every stored, compared or searched text of the system is
// a std::string of CP932 bytes; these helpers keep searches from ever matching the second byte of
// a double-byte character, and convert to and from the host's UTF-8 through glibc's iconv.
#include <cstddef>
#include <string>
#include <string_view>

namespace swh {

// True for a byte that starts a double-byte CP932 character (0x81-0x9F, 0xE0-0xFC).
constexpr bool IsLeadByte(unsigned char c) {
    return (c >= 0x81 && c <= 0x9F) || (c >= 0xE0 && c <= 0xFC);
}

// Position of the first `mark` at or after `from` that starts a character, or npos. A lead byte
// always takes the next byte with it, even an invalid one, so the scan never stalls or overruns.
std::size_t FindMark(std::string_view text, char mark, std::size_t from = 0);

// Position of the first occurrence of `needle` that starts on a character boundary, or npos.
std::size_t FindText(std::string_view text, std::string_view needle, std::size_t from = 0);

inline bool ContainsText(std::string_view text, std::string_view needle) {
    return FindText(text, needle) != std::string_view::npos;
}
inline bool ContainsMark(std::string_view text, char mark) {
    return FindMark(text, mark) != std::string_view::npos;
}

// Position of the last `mark` that starts a character, or npos.
std::size_t FindLastMark(std::string_view text, char mark);

// The longest prefix of `text` of at most `maxBytes` bytes that ends on a character boundary.
std::string_view TruncateCp932(std::string_view text, std::size_t maxBytes);

// CP932 to UTF-8. Bytes that are not valid CP932 become U+FFFD; the conversion never fails.
std::string Utf8FromCp932(std::string_view cp932);

// UTF-8 to CP932. Characters without a CP932 form, and invalid UTF-8, become "?".
std::string Cp932FromUtf8(std::string_view utf8);

// True when `utf8` converts to CP932 and back without loss.
bool HasCp932Form(std::string_view utf8);

} // namespace swh
