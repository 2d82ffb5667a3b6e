#include "platform/Directory.h"

#include <cerrno>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>

namespace swh {

namespace {

constexpr int ChildFlags = O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC | O_NONBLOCK;

} // namespace

Directory::~Directory() {
    if (fd_ >= 0)
        ::close(fd_);
}

Directory::Directory(Directory&& other) noexcept
    : fd_(std::exchange(other.fd_, -1)), error_(other.error_) {}

Directory& Directory::operator=(Directory&& other) noexcept {
    if (this != &other) {
        if (fd_ >= 0)
            ::close(fd_);
        fd_ = std::exchange(other.fd_, -1);
        error_ = other.error_;
    }
    return *this;
}

Directory Directory::Open(const std::string& hostPath) {
    const int fd = ::open(hostPath.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    return Directory(fd, fd < 0 ? errno : 0);
}

Directory Directory::OpenChild(const std::string& name) const {
    if (fd_ < 0)
        return Directory(-1, EBADF);
    int fd;
    do
        fd = ::openat(fd_, name.c_str(), ChildFlags);
    while (fd < 0 && errno == EINTR);
    return Directory(fd, fd < 0 ? errno : 0);
}

bool Directory::IsFileSystemRoot() const {
    struct stat self {
    }, root{};
    return fd_ >= 0 && ::fstat(fd_, &self) == 0 && ::stat("/", &root) == 0 &&
           self.st_dev == root.st_dev && self.st_ino == root.st_ino;
}

bool Directory::IsMountPointBelow(const Directory& parent) const {
    struct statx self {};
    if (::statx(fd_, "", AT_EMPTY_PATH | AT_SYMLINK_NOFOLLOW, STATX_INO, &self) == 0 &&
        (self.stx_attributes_mask & STATX_ATTR_MOUNT_ROOT) != 0)
        return (self.stx_attributes & STATX_ATTR_MOUNT_ROOT) != 0;
    // Kernels without the mount-root attribute: another device means another file system.
    struct stat mine {
    }, theirs{};
    if (::fstat(fd_, &mine) != 0 || ::fstat(parent.fd_, &theirs) != 0)
        return true; // unknown: do not enter
    return mine.st_dev != theirs.st_dev;
}

bool Directory::ReadEntries(std::vector<DirectoryEntry>& entries) const {
    entries.clear();
    if (fd_ < 0)
        return false;
    // fdopendir takes over the descriptor it is given, so give it a copy.
    const int copy = ::fcntl(fd_, F_DUPFD_CLOEXEC, 0);
    if (copy < 0)
        return false;
    DIR* dir = ::fdopendir(copy);
    if (dir == nullptr) {
        ::close(copy);
        return false;
    }
    ::rewinddir(dir);
    errno = 0;
    while (const dirent* entry = ::readdir(dir)) {
        const char* name = entry->d_name;
        if (std::strcmp(name, ".") == 0 || std::strcmp(name, "..") == 0)
            continue;
        EntryKind kind;
        unsigned char type = entry->d_type;
        if (type == DT_UNKNOWN) {
            struct stat st {};
            if (::fstatat(fd_, name, &st, AT_SYMLINK_NOFOLLOW) != 0)
                continue; // gone since it was listed
            type = S_ISDIR(st.st_mode) ? DT_DIR : S_ISLNK(st.st_mode) ? DT_LNK : DT_REG;
        }
        kind = type == DT_DIR   ? EntryKind::Folder
               : type == DT_LNK ? EntryKind::Link
                                : EntryKind::Other;
        entries.push_back(DirectoryEntry{name, kind});
        errno = 0;
    }
    const bool ok = errno == 0;
    ::closedir(dir);
    return ok || !entries.empty();
}

bool Directory::DeleteEntry(const std::string& name) const {
    return fd_ >= 0 && ::unlinkat(fd_, name.c_str(), 0) == 0;
}

bool Directory::RemoveFolder(const std::string& name) const {
    return fd_ >= 0 && ::unlinkat(fd_, name.c_str(), AT_REMOVEDIR) == 0;
}

void Directory::GiveOwnerWrite(const std::string& name) const {
    if (fd_ < 0)
        return;
    // Pin the entry itself without following it, then change the pinned inode through /proc:
    // an entry swapped for a link in between is seen as a link and left alone.
    const int pinned = ::openat(fd_, name.c_str(), O_PATH | O_NOFOLLOW | O_CLOEXEC);
    if (pinned < 0)
        return;
    struct stat st {};
    if (::fstat(pinned, &st) == 0 && S_ISREG(st.st_mode) && (st.st_mode & S_IWUSR) == 0) {
        const std::string viaProc = "/proc/self/fd/" + std::to_string(pinned);
        ::chmod(viaProc.c_str(), (st.st_mode & 07777) | S_IWUSR);
    }
    ::close(pinned);
}

} // namespace swh
