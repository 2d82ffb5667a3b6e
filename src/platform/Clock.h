#pragma once
// The local clock. Everything that asks for "now" asks here, so tests set the time instead of
// waiting for it.
#include "platform/DateTime.h"

#include <optional>

namespace swh {

TDateTime Now();

// Tests fix the clock at a moment and move it on; nullopt gives back the real clock.
void SetClockForTesting(std::optional<TDateTime> now);
void AdvanceClockForTesting(double seconds);

} // namespace swh
