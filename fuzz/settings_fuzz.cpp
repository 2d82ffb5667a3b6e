// setting.ini as any bytes: the record reader and the start-up's own reader.
#include "formats/SettingsFile.h"
#include "platform/LineReader.h"
#include "startup/ReadShowMainWindow.h"

#include <cstddef>
#include <cstdint>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    swh::ClassSettingData record;
    swh::LineReader reader = swh::LineReader::FromBytes(bytes);
    swh::ReadSettings(reader, record);
    swh::LineReader startupReader = swh::LineReader::FromBytes(bytes);
    swh::ReadShowMainWindow(startupReader);
    // What the reader accepted must be written as one line per field.
    const std::string text = swh::SettingsText(record);
    if (text.size() < 100)
        __builtin_trap();
    return 0;
}
