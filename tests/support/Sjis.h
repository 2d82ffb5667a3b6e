#pragma once
// Test texts are written in UTF-8 and compared as the CP932 bytes that the system stores.
#include "platform/Cp932.h"

namespace swh::test {

inline std::string Sjis(std::string_view utf8) {
    return Cp932FromUtf8(utf8);
}

} // namespace swh::test
