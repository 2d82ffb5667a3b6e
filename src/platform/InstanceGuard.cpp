#include "platform/InstanceGuard.h"

#include <cerrno>
#include <cstdlib>
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

namespace swh {

std::string InstanceGuard::LockFilePath() {
    const char* runtime = std::getenv("XDG_RUNTIME_DIR");
    if (runtime != nullptr && runtime[0] == '/')
        return std::string(runtime) + "/ID#SWH3#EXE.lock";
    return "/tmp/ID#SWH3#EXE-" + std::to_string(::getuid()) + ".lock";
}

InstanceGuard::InstanceGuard() {
    // O_NOFOLLOW: a link planted under the shared /tmp name must not redirect the open.
    fd_ = ::open(LockFilePath().c_str(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0600);
    if (fd_ < 0)
        return;
    int r;
    do
        r = ::flock(fd_, LOCK_EX | LOCK_NB);
    while (r != 0 && errno == EINTR);
    if (r == 0)
        state_ = State::Acquired;
    else if (errno == EWOULDBLOCK)
        state_ = State::AlreadyRunning;
}

InstanceGuard::~InstanceGuard() {
    if (fd_ >= 0)
        ::close(fd_); // closing the descriptor releases the lock
}

} // namespace swh
