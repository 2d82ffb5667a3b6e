#include "platform/FileOps.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace swh {

bool AppendToFile(const std::string& hostPath, std::string_view bytes) {
    const int fd = ::open(hostPath.c_str(), O_WRONLY | O_APPEND | O_CREAT | O_CLOEXEC, 0666);
    if (fd < 0)
        return false;
    bool ok = true;
    while (!bytes.empty()) {
        const ssize_t n = ::write(fd, bytes.data(), bytes.size());
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0) {
            ok = false;
            break;
        }
        bytes.remove_prefix(static_cast<std::size_t>(n));
    }
    return (::close(fd) == 0) && ok;
}

bool CreateFolder(const std::string& hostPath) {
    return ::mkdir(hostPath.c_str(), 0777) == 0;
}

bool FileExists(const std::string& hostPath) {
    struct stat st {};
    return ::stat(hostPath.c_str(), &st) == 0 && !S_ISDIR(st.st_mode);
}

bool FolderExists(const std::string& hostPath) {
    struct stat st {};
    return ::stat(hostPath.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

} // namespace swh
