#pragma once
// The platform's conversion error: raised where a text cannot be read as a date and time. It is
// the one error that may escape a handler; the central catch shows its message and ends the
// handler there.
#include <stdexcept>
#include <string>

namespace swh {

class ConvertError : public std::runtime_error {
public:
    // `messageUtf8` is shown to the user as it stands.
    explicit ConvertError(const std::string& messageUtf8) : std::runtime_error(messageUtf8) {}
};

} // namespace swh
