// Cleaning an item: the depth-first walk below its target folder. Every step is relative to an
// open folder descriptor and never follows a link (see platform/Directory.h), so nothing outside
// the target folder can be reached, whatever the tree holds or how it changes meanwhile.
#include "engine/Cleaner.h"

#include "engine/EngineTexts.h"
#include "engine/ExclusionPattern.h"
#include "platform/Directory.h"
#include "platform/HostPath.h"

#include <vector>

namespace {

// One folder of the walk: its descriptor, its listing and how far the walk has got in it.
struct Frame {
    swh::Directory Folder;
    std::vector<swh::DirectoryEntry> Entries;
    std::size_t Next = 0;
    std::string HostName; // its name in the folder above; empty for the target folder
};

} // namespace

bool TFormCleaner::IsWalkableFolderPath(const std::string& folder) {
    return !folder.empty() && folder.front() == '/' && folder.find('\0') == std::string::npos;
}

bool TFormCleaner::IsExcluded(const std::string& filePath, const std::string& exclusions) {
    return swh::IsExcludedName(swh::BareName(filePath), exclusions);
}

void TFormCleaner::CleanItem(const ClassClearItem& item) {
    WriteLogHeaders(item);
    CleanFolder(item.FolderPath, item.ItemName, item.Exclusions);
}

void TFormCleaner::CleanFolder(const std::string& folder, const std::string& itemName,
                               const std::string& exclusions) {
    if (!IsWalkableFolderPath(folder))
        return;
    swh::Directory target = swh::Directory::Open(swh::HostPathFromCp932(folder));
    // The root folder is never emptied, as rm preserves it; by identity, so a link to it counts.
    if (!target.IsOpen() || target.IsFileSystemRoot())
        return;

    const swh::ExclusionList excluded(exclusions);
    std::vector<Frame> stack;
    stack.push_back(Frame{std::move(target), {}, 0, {}});
    if (!stack.back().Folder.ReadEntries(stack.back().Entries))
        return;

    while (!stack.empty()) {
        Frame& top = stack.back();
        if (top.Next == top.Entries.size()) {
            // The folder is done: close it, then remove it from the folder above.
            const std::string hostName = std::move(top.HostName);
            stack.pop_back();
            if (!stack.empty())
                RemoveSubFolder(stack.back().Folder, hostName, itemName);
            continue;
        }
        const swh::DirectoryEntry entry = top.Entries[top.Next++];
        if (entry.Kind != swh::EntryKind::Folder) {
            DeleteOneFile(top.Folder, entry, itemName, excluded);
            continue;
        }
        if (SettingData_->NotDeleteSubFolder != 0)
            continue;
        if (BeforeEnteringSubFolderForTesting)
            BeforeEnteringSubFolderForTesting(entry.HostName);

        swh::Directory child = top.Folder.OpenChild(entry.HostName);
        if (child.IsOpen() && child.IsMountPointBelow(top.Folder)) {
            // Another file system is not ours to empty: report it like a folder left standing.
            WriteErrorLog(swh::Cp932FromHostName(entry.HostName), itemName, false);
            continue;
        }
        Frame frame{std::move(child), {}, 0, entry.HostName};
        if (frame.Folder.IsOpen() && frame.Folder.ReadEntries(frame.Entries)) {
            stack.push_back(std::move(frame)); // `top` is not used after this
            continue;
        }
        // Not enterable (no permission, out of descriptors, swapped for a link): it can only
        // go when it is empty, and is reported when it does not.
        frame.Folder = swh::Directory();
        RemoveSubFolder(top.Folder, entry.HostName, itemName);
    }
}

void TFormCleaner::RemoveSubFolder(const swh::Directory& parent, const std::string& hostName,
                                   const std::string& itemName) {
    const std::string name = swh::Cp932FromHostName(hostName);
    if (parent.RemoveFolder(hostName))
        WriteDeleteLog(name, itemName, false);
    else
        WriteErrorLog(name, itemName, false);
}

void TFormCleaner::DeleteOneFile(const swh::Directory& folder, const swh::DirectoryEntry& entry,
                                 const std::string& itemName,
                                 const swh::ExclusionList& exclusions) {
    const std::string name = swh::Cp932FromHostName(entry.HostName);
    // Only a file that stays needs its write permission back, so the permission is given after
    // the decision instead of before it: a deleted file no longer has any permission to give.
    if (exclusions.Matches(name)) {
        folder.GiveOwnerWrite(entry.HostName);
        return;
    }
    if (folder.DeleteEntry(entry.HostName)) {
        ShowBalloonMessage(swh::texts::Confirmation(), swh::texts::Deleted());
        WriteDeleteLog(name, itemName, true);
    } else {
        folder.GiveOwnerWrite(entry.HostName);
        ShowBalloonMessage(swh::texts::Error(), swh::texts::NotDeleted());
        WriteErrorLog(name, itemName, true);
    }
}
