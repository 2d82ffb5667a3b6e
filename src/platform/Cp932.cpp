#include "platform/Cp932.h"

#include <algorithm>
#include <cerrno>
#include <iconv.h>

namespace swh {

std::size_t FindMark(std::string_view text, char mark, std::size_t from) {
    std::size_t i = 0;
    while (i < text.size()) {
        const auto c = static_cast<unsigned char>(text[i]);
        if (i >= from && text[i] == mark)
            return i;
        i += IsLeadByte(c) ? 2 : 1;
    }
    return std::string_view::npos;
}

std::size_t FindText(std::string_view text, std::string_view needle, std::size_t from) {
    if (needle.empty())
        return from <= text.size() ? from : std::string_view::npos;
    std::size_t i = 0;
    while (i < text.size()) {
        if (i >= from && text.compare(i, needle.size(), needle) == 0)
            return i;
        i += IsLeadByte(static_cast<unsigned char>(text[i])) ? 2 : 1;
    }
    return std::string_view::npos;
}

std::size_t FindLastMark(std::string_view text, char mark) {
    std::size_t found = std::string_view::npos;
    for (std::size_t i = 0; i < text.size();) {
        if (text[i] == mark)
            found = i;
        i += IsLeadByte(static_cast<unsigned char>(text[i])) ? 2 : 1;
    }
    return found;
}

std::string_view TruncateCp932(std::string_view text, std::size_t maxBytes) {
    if (text.size() <= maxBytes)
        return text;
    std::size_t end = 0;
    for (std::size_t i = 0; i < text.size();) {
        const std::size_t next = i + (IsLeadByte(static_cast<unsigned char>(text[i])) ? 2 : 1);
        if (next > maxBytes)
            break;
        end = i = next;
    }
    return text.substr(0, end);
}

namespace {

// One converter per direction, opened on first use: iconv_open loads a gconv module and is far
// too slow to repeat for every file name of a cleaning walk. The program has one GUI thread;
// thread_local keeps the helpers safe for tests and tools that use threads all the same.
class Converter {
public:
    Converter(const char* to, const char* from) : handle_(iconv_open(to, from)) {}
    ~Converter() {
        if (handle_ != reinterpret_cast<iconv_t>(-1))
            iconv_close(handle_);
    }
    Converter(const Converter&) = delete;
    Converter& operator=(const Converter&) = delete;

    // Converts `input`; an invalid or unconvertible sequence of `skip` bytes is replaced.
    std::string Run(std::string_view input, std::string_view replacement, std::size_t skip) {
        std::string out;
        if (handle_ == reinterpret_cast<iconv_t>(-1)) {
            out.assign(input.size() ? replacement : std::string_view{});
            return out;
        }
        iconv(handle_, nullptr, nullptr, nullptr, nullptr);
        out.resize(input.size() * 3 / 2 + 16);
        char* in = const_cast<char*>(input.data());
        std::size_t inLeft = input.size();
        std::size_t used = 0;
        while (inLeft > 0) {
            char* dst = out.data() + used;
            std::size_t dstLeft = out.size() - used;
            const std::size_t r = iconv(handle_, &in, &inLeft, &dst, &dstLeft);
            used = out.size() - dstLeft;
            if (r != static_cast<std::size_t>(-1))
                break;
            if (errno == E2BIG) {
                out.resize(out.size() * 2 + 16);
                continue;
            }
            // EILSEQ or EINVAL: replace the offending sequence and go on after it.
            const std::size_t step = std::min(inLeft, SequenceLength(in, inLeft, skip));
            in += step;
            inLeft -= step;
            out.replace(used, 0, replacement);
            used += replacement.size();
            if (out.size() < used + 16)
                out.resize(used + 16 + inLeft * 2);
            iconv(handle_, nullptr, nullptr, nullptr, nullptr);
        }
        out.resize(used);
        return out;
    }

private:
    // For UTF-8 input (skip 0) the whole offending character is skipped, so one unmappable
    // character gives one replacement; for CP932 input a fixed number of bytes is skipped.
    static std::size_t SequenceLength(const char* p, std::size_t left, std::size_t skip) {
        if (skip != 0)
            return skip;
        const auto c = static_cast<unsigned char>(p[0]);
        std::size_t n = c >= 0xF0 ? 4 : c >= 0xE0 ? 3 : c >= 0xC0 ? 2 : 1;
        if (n > left)
            return 1;
        for (std::size_t k = 1; k < n; ++k)
            if ((static_cast<unsigned char>(p[k]) & 0xC0) != 0x80)
                return 1;
        return n;
    }

    iconv_t handle_;
};

Converter& ToUtf8() {
    thread_local Converter c("UTF-8", "CP932");
    return c;
}
Converter& ToCp932() {
    thread_local Converter c("CP932", "UTF-8");
    return c;
}

bool IsAscii(std::string_view text) {
    for (char ch : text)
        if (static_cast<unsigned char>(ch) >= 0x80)
            return false;
    return true;
}

} // namespace

std::string Utf8FromCp932(std::string_view cp932) {
    if (IsAscii(cp932))
        return std::string(cp932);
    // A bad lead byte is dropped alone, so the byte after it is read afresh.
    return ToUtf8().Run(cp932, "\xEF\xBF\xBD", 1);
}

std::string Cp932FromUtf8(std::string_view utf8) {
    if (IsAscii(utf8))
        return std::string(utf8);
    return ToCp932().Run(utf8, "?", 0);
}

bool HasCp932Form(std::string_view utf8) {
    if (IsAscii(utf8))
        return true;
    return Utf8FromCp932(Cp932FromUtf8(utf8)) == utf8;
}

} // namespace swh
