// The delete log and the error log: one file per item (or per item and minute) in ClearLog/ and
// ErrorLog/ beside the executable, CP932 with CR LF, appended to and never rewritten.
#include "engine/Cleaner.h"

#include "platform/Clock.h"
#include "platform/ExecutableFolder.h"
#include "platform/FileOps.h"
#include "platform/HostPath.h"

#include <optional>

namespace {

constexpr const char* DeleteLogFolder = "ClearLog";
constexpr const char* ErrorLogFolder = "ErrorLog";
constexpr const char* Rule = "====================================";

// The log file of an item, or nothing when the item name cannot be a file name here: a "/" would
// put the file into another folder (or outside the log folder, with ".."), and a NUL byte would
// cut the name short. Such an item is cleaned all the same; it only has no log.
std::optional<std::string> LogFilePath(const char* folderName, const std::string& itemName,
                                       bool separate, const std::string& stamp) {
    if (itemName.find('/') != std::string::npos || itemName.find('\0') != std::string::npos)
        return std::nullopt;
    std::string path =
        swh::ExecutableFolder() + folderName + "/" + swh::HostPathFromCp932(itemName);
    if (separate)
        path += "#" + stamp;
    return path + ".log";
}

std::string Stamp(swh::TDateTime now) {
    return swh::FormatDateTime("yyyymmdd_hhmm", now);
}

} // namespace

void TFormCleaner::WriteLogHeaders(const ClassClearItem& item) {
    const std::string stamp = Stamp(swh::Now());
    const std::string header = std::string(Rule) + "\r\nItemName : " + item.ItemName +
                               "\r\nPath : " + item.FolderPath + "\r\n" + Rule + "\r\n";
    for (const auto& [folderName, separate] :
         {std::pair{DeleteLogFolder, SettingData_->SepDeleteLog != 0},
          std::pair{ErrorLogFolder, SettingData_->SepErrorLog != 0}}) {
        const std::string folder = swh::ExecutableFolder() + folderName;
        if (!swh::FolderExists(folder))
            swh::CreateFolder(folder);
        const auto path = LogFilePath(folderName, item.ItemName, separate, stamp);
        if (path && !swh::FileExists(*path))
            swh::AppendToFile(*path, header);
    }
}

void TFormCleaner::WriteDeleteLog(const std::string& entryName, const std::string& itemName,
                                  bool isFile) {
    WriteLogLine(DeleteLogFolder, SettingData_->MakeDeleteLog != 0, SettingData_->SepDeleteLog != 0,
                 entryName, itemName, isFile);
}

void TFormCleaner::WriteErrorLog(const std::string& entryName, const std::string& itemName,
                                 bool isFile) {
    WriteLogLine(ErrorLogFolder, SettingData_->MakeErrorLog != 0, SettingData_->SepErrorLog != 0,
                 entryName, itemName, isFile);
}

void TFormCleaner::WriteLogLine(const char* folderName, bool enabled, bool separate,
                                const std::string& entryName, const std::string& itemName,
                                bool isFile) {
    if (!enabled)
        return;
    const swh::TDateTime now = swh::Now();
    const auto path = LogFilePath(folderName, itemName, separate, Stamp(now));
    if (!path)
        return;
    swh::AppendToFile(*path, swh::FormatDateTime("yyyy/mm/dd hh:mm\t", now) +
                                 (isFile ? "[File] " : "[DIR] ") + entryName + "\r\n");
}
