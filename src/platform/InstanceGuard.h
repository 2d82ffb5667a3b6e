#pragma once
// One running instance per user: an exclusive flock on a lock file named after "ID#SWH3#EXE",
// held for the life of the process and released by the kernel if the process dies.
#include <string>

namespace swh {

class InstanceGuard {
public:
    enum class State {
        Acquired,       // this process is the only instance
        AlreadyRunning, // another process holds the lock
        Unguarded,      // the lock file could not be opened: run as if alone
    };

    InstanceGuard();
    ~InstanceGuard();
    InstanceGuard(const InstanceGuard&) = delete;
    InstanceGuard& operator=(const InstanceGuard&) = delete;

    State GetState() const { return state_; }

    // $XDG_RUNTIME_DIR/ID#SWH3#EXE.lock, else a per-user name in /tmp.
    static std::string LockFilePath();

private:
    int fd_ = -1;
    State state_ = State::Unguarded;
};

} // namespace swh
