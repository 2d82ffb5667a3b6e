#include "startup/ReadShowMainWindow.h"

#include "platform/Cp932.h"
#include "platform/HostPath.h"
#include "platform/LineReader.h"

namespace swh {

bool ReadShowMainWindow(LineReader& reader) {
    std::string line;
    while (reader.Next(line)) {
        if (!ContainsText(line, "ShowMainWindow"))
            continue;
        const std::size_t equals = FindMark(line, '=');
        const std::string_view value = equals == std::string::npos
                                           ? std::string_view(line)
                                           : std::string_view(line).substr(equals + 1);
        return value != "0";
    }
    return true;
}

bool ReadShowMainWindow(const std::string& settingsHostPath) {
    if (!PathExists(settingsHostPath))
        return true;
    LineReader reader = LineReader::FromFile(settingsHostPath);
    if (!reader.IsOpen())
        return true;
    return ReadShowMainWindow(reader);
}

} // namespace swh
