#include "platform/HostPath.h"

#include "platform/Cp932.h"

#include <sys/stat.h>

namespace swh {

std::string HostPathFromCp932(std::string_view cp932Path) {
    return Utf8FromCp932(cp932Path);
}

std::string Cp932FromHostName(std::string_view hostName) {
    return Cp932FromUtf8(hostName);
}

bool PathExists(const std::string& hostPath) {
    struct stat st {};
    return ::lstat(hostPath.c_str(), &st) == 0;
}

} // namespace swh
