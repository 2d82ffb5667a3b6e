// Delete-time texts as any bytes: loading never fails, and building from what was loaded always
// gives a text with a five-character time.
#include "formats/ScheduleText.h"

#include <cstddef>
#include <cstdint>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    swh::ScheduleFields fields;
    swh::LoadScheduleText(fields, text);
    const std::string built = swh::BuildScheduleText(fields, swh::CalendarDate{2011, 8, 5});
    if (built.size() < 7 || built[2] != ':' || built[5] != ' ')
        __builtin_trap();
    swh::ScheduleFields again;
    swh::LoadScheduleText(again, built);
    if (again.HourText != fields.HourText || again.MinuteText != fields.MinuteText ||
        again.UseDate != fields.UseDate)
        __builtin_trap();
    return 0;
}
