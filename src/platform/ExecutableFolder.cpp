#include "platform/ExecutableFolder.h"

#include <climits>
#include <unistd.h>

namespace swh {
namespace {

std::optional<std::string>& TestFolder() {
    static std::optional<std::string> folder;
    return folder;
}

std::string ExecutablePath() {
    char buffer[PATH_MAX];
    const ssize_t n = ::readlink("/proc/self/exe", buffer, sizeof buffer - 1);
    if (n <= 0)
        return {};
    return std::string(buffer, static_cast<std::size_t>(n));
}

} // namespace

std::string ExecutableFolder() {
    if (TestFolder()) {
        std::string folder = *TestFolder();
        if (folder.empty() || folder.back() != '/')
            folder.push_back('/');
        return folder;
    }
    const std::string path = ExecutablePath();
    const auto slash = path.rfind('/');
    // Without /proc the folder is unknown; the current directory is the only place left.
    return slash == std::string::npos ? std::string("./") : path.substr(0, slash + 1);
}

std::string ExecutableFileName() {
    const std::string path = ExecutablePath();
    const auto slash = path.rfind('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

void SetExecutableFolderForTesting(std::optional<std::string> folder) {
    TestFolder() = std::move(folder);
}

} // namespace swh
