#pragma once
// List files (".lst"): the two header lines, an empty line, then one line per item with its five
// CP932 fields joined by ",". There is no quoting: the fifth field is the rest of the line.
#include <string>
#include <vector>

namespace swh {

class LineReader;

struct ListItem {
    std::string Name;
    std::string FolderPath;
    std::string TimeKind;   // "間隔指定" or "日時指定"
    std::string DeleteTime; // the schedule text
    std::string Exclusions; // ";"-separated patterns

    bool operator==(const ListItem&) const = default;
};

// The item records in file order. A file that cannot be opened gives none; an item line over
// 511 bytes ends the reading, the records before it stand.
std::vector<ListItem> ReadListFile(const std::string& hostPath);
std::vector<ListItem> ReadListFile(LineReader& reader);

// Splits one item line: four fields up to the next comma each (empty when no comma is left),
// then the rest of the line.
ListItem SplitListLine(const std::string& line);
std::string JoinListLine(const ListItem& item);

// Why an item would not read back as it was written, if it would not.
enum class ListItemFault {
    None,
    CommaInField, // a comma in one of the first four fields would shift the fields
    LineTooLong,  // the line would exceed what the readers accept and end their reading
};
ListItemFault CheckListItem(const ListItem& item);

// The exact bytes of a list file holding `items`.
std::string ListFileText(const std::vector<ListItem>& items);

// Replaces the file atomically; false when it could not be written (the old file then stands).
bool WriteListFile(const std::string& hostPath, const std::vector<ListItem>& items);

} // namespace swh
