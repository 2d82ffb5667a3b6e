#include "platform/LineReader.h"

#include <cerrno>
#include <fcntl.h>
#include <unistd.h>
#include <vector>

namespace swh {

// A byte source with one-byte look-ahead: either a file read in blocks or bytes in memory.
struct LineReader::Source {
    int fd = -1;
    bool isOpen = false;
    std::string_view memory;
    std::vector<char> buffer;
    std::size_t pos = 0;
    std::size_t end = 0;

    ~Source() {
        if (fd >= 0)
            ::close(fd);
    }

    bool Fill() {
        if (pos < end)
            return true;
        if (fd < 0)
            return false;
        for (;;) {
            const ssize_t n = ::read(fd, buffer.data(), buffer.size());
            if (n < 0 && errno == EINTR)
                continue;
            if (n <= 0) {
                // A read error ends the file like its end does: what was read stands.
                ::close(fd);
                fd = -1;
                return false;
            }
            pos = 0;
            end = static_cast<std::size_t>(n);
            return true;
        }
    }
    int Peek() {
        if (!Fill())
            return -1;
        return static_cast<unsigned char>(fd >= 0 ? buffer[pos] : memory[pos]);
    }
    void Advance() { ++pos; }
};

LineReader::LineReader(std::unique_ptr<Source> source) : source_(std::move(source)) {}
LineReader::LineReader(LineReader&&) noexcept = default;
LineReader& LineReader::operator=(LineReader&&) noexcept = default;
LineReader::~LineReader() = default;

LineReader LineReader::FromFile(const std::string& hostPath) {
    auto source = std::make_unique<Source>();
    source->fd = ::open(hostPath.c_str(), O_RDONLY | O_CLOEXEC);
    if (source->fd >= 0) {
        source->isOpen = true;
        source->buffer.resize(64 * 1024);
    }
    return LineReader(std::move(source));
}

LineReader LineReader::FromBytes(std::string_view bytes) {
    auto source = std::make_unique<Source>();
    source->isOpen = true;
    source->memory = bytes;
    source->end = bytes.size();
    return LineReader(std::move(source));
}

bool LineReader::IsOpen() const {
    return source_->isOpen;
}

// Reads up to the next LF. False at the end of input with nothing read, or when the line
// exceeds MaxLineBytes, which stops the reader for good.
bool LineReader::ReadRawLine(std::string& line) {
    line.clear();
    if (pendingCr_) {
        line.push_back('\r');
        pendingCr_ = false;
    }
    int c = source_->Peek();
    if (c < 0 && line.empty())
        return false;
    for (; c >= 0; c = source_->Peek()) {
        source_->Advance();
        if (c == '\n') {
            if (!line.empty() && line.back() == '\r')
                line.pop_back();
            return true;
        }
        line.push_back(static_cast<char>(c));
        // One byte of slack for a CR that a following LF would drop.
        if (line.size() > MaxLineBytes + 1 ||
            (line.size() == MaxLineBytes + 1 && line.back() != '\r')) {
            stopped_ = true;
            return false;
        }
    }
    if (line.size() > MaxLineBytes) {
        stopped_ = true;
        return false;
    }
    return true;
}

bool LineReader::SkipOneEmptyLine() {
    int c = source_->Peek();
    if (c == '\n') {
        source_->Advance();
        return true;
    }
    if (c != '\r')
        return false;
    // A CR alone is text, not an empty line; only CR LF is. Looking past the CR needs the
    // byte after it, which the one-byte look-ahead does not have, so read and keep it.
    source_->Advance();
    if (source_->Peek() == '\n') {
        source_->Advance();
        return true;
    }
    pendingCr_ = true;
    return false;
}

bool LineReader::Next(std::string& line) {
    if (stopped_ || !source_->isOpen)
        return false;
    if (!ReadRawLine(line))
        return false;
    SkipOneEmptyLine();
    return true;
}

} // namespace swh
