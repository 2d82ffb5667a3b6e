#pragma once
// The line reading shared by setting.ini and the list files, with the system's rules:
// - LF ends a line and a CR just before it is dropped, so CR LF and LF-only files read alike;
// - a line holds at most 511 bytes; a longer line ends the reading, it and all after it unused;
// - a last line without a line break is still read;
// - after a line has been read, one empty line directly after it is consumed with it.
#include <cstddef>
#include <memory>
#include <string>
#include <string_view>

namespace swh {

constexpr std::size_t MaxLineBytes = 511;

class LineReader {
public:
    // Reads the file at `hostPath`; IsOpen() is false when it cannot be opened.
    static LineReader FromFile(const std::string& hostPath);
    // Reads lines from bytes held by the caller, who keeps them alive while reading.
    static LineReader FromBytes(std::string_view bytes);

    LineReader(LineReader&&) noexcept;
    LineReader& operator=(LineReader&&) noexcept;
    ~LineReader();

    bool IsOpen() const;
    // Puts the next line into `line`; false at the end of the file or after an over-long line.
    bool Next(std::string& line);

private:
    struct Source;
    explicit LineReader(std::unique_ptr<Source> source);
    bool ReadRawLine(std::string& line);
    bool SkipOneEmptyLine();

    std::unique_ptr<Source> source_;
    bool stopped_ = false;
    bool pendingCr_ = false; // a lone CR read while looking for an empty line
};

} // namespace swh
