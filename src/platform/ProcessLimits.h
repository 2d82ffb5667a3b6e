#pragma once

namespace swh {

// Raises the soft limit of open files to the hard limit, so that only absurdly deep folder trees
// run out of the descriptors that the cleaning walk holds, one per level.
void RaiseOpenFileLimit();

} // namespace swh
