// List files as any bytes: every record read must write back as a line the reader splits alike,
// unless the writer's own check says it would not.
#include "formats/ListFile.h"
#include "platform/LineReader.h"

#include <cstddef>
#include <cstdint>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    swh::LineReader reader = swh::LineReader::FromBytes(bytes);
    const std::vector<swh::ListItem> items = swh::ReadListFile(reader);
    for (const swh::ListItem& item : items) {
        if (swh::CheckListItem(item) != swh::ListItemFault::None)
            __builtin_trap(); // a record that was read always fits and has no comma to shift
        if (swh::SplitListLine(swh::JoinListLine(item)) != item)
            __builtin_trap();
    }
    return 0;
}
