#pragma once
// A folder held open by its descriptor. Everything the cleaning walk does happens relative to
// such a handle: entering a sub-folder never follows a link, classifying an entry never follows
// a link, deleting acts on the name inside this very folder. So a folder swapped for a link while
// the walk is inside its parent cannot redirect the walk, and no long path is ever built.
#include <string>
#include <vector>

namespace swh {

enum class EntryKind {
    Folder,
    Link,  // a symbolic link, whatever it points to: removed itself, never followed
    Other, // a regular file, or a pipe, socket or device node: deleted by its name
};

struct DirectoryEntry {
    std::string HostName; // the name exactly as the file system gave it
    EntryKind Kind;
};

class Directory {
public:
    Directory() = default;
    ~Directory();
    Directory(Directory&& other) noexcept;
    Directory& operator=(Directory&& other) noexcept;
    Directory(const Directory&) = delete;
    Directory& operator=(const Directory&) = delete;

    // Opens a target folder by its path. Links in the path itself are followed: the user named it.
    static Directory Open(const std::string& hostPath);
    // Opens the sub-folder `name` of this folder; never follows a link (an entry swapped for a
    // link fails to open).
    Directory OpenChild(const std::string& name) const;

    bool IsOpen() const { return fd_ >= 0; }
    // errno of the failed open, 0 when open.
    int Error() const { return error_; }

    // True when this is the root folder "/", by device and inode, so a link to it counts too.
    bool IsFileSystemRoot() const;
    // True when this folder is the root of a mount (another file system, or a bind mount of the
    // same one) and so must not be entered from `parent`.
    bool IsMountPointBelow(const Directory& parent) const;

    // Lists the entries but "." and ".."; false when the folder cannot be read.
    bool ReadEntries(std::vector<DirectoryEntry>& entries) const;

    // Deletes the non-folder entry `name`; false when it is still there.
    bool DeleteEntry(const std::string& name) const;
    // Removes the empty sub-folder `name`; false when it cannot be removed (not empty, a mount
    // point, a link, no permission).
    bool RemoveFolder(const std::string& name) const;
    // Gives the regular file `name` its owner's write permission; links and others are left alone.
    void GiveOwnerWrite(const std::string& name) const;

private:
    explicit Directory(int fd, int error) : fd_(fd), error_(error) {}
    int fd_ = -1;
    int error_ = 0;
};

} // namespace swh
