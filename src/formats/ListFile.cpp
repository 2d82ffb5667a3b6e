#include "formats/ListFile.h"

#include "formats/StoredHeader.h"
#include "platform/AtomicFile.h"
#include "platform/LineReader.h"

namespace swh {
namespace {

// Takes the text before the first comma of `rest` and leaves what follows the comma in `rest`;
// without a comma the field is empty and `rest` stays as it was. A comma is never the second
// byte of a CP932 character, so a plain byte search is exact.
std::string TakeField(std::string& rest) {
    const std::size_t comma = rest.find(',');
    if (comma == std::string::npos)
        return {};
    std::string field = rest.substr(0, comma);
    rest.erase(0, comma + 1);
    return field;
}

} // namespace

ListItem SplitListLine(const std::string& line) {
    std::string rest = line;
    ListItem item;
    item.Name = TakeField(rest);
    item.FolderPath = TakeField(rest);
    item.TimeKind = TakeField(rest);
    item.DeleteTime = TakeField(rest);
    item.Exclusions = std::move(rest);
    return item;
}

std::string JoinListLine(const ListItem& item) {
    return item.Name + "," + item.FolderPath + "," + item.TimeKind + "," + item.DeleteTime + "," +
           item.Exclusions;
}

ListItemFault CheckListItem(const ListItem& item) {
    for (const std::string* field :
         {&item.Name, &item.FolderPath, &item.TimeKind, &item.DeleteTime})
        if (field->find(',') != std::string::npos)
            return ListItemFault::CommaInField;
    if (JoinListLine(item).size() > MaxLineBytes)
        return ListItemFault::LineTooLong;
    return ListItemFault::None;
}

std::vector<ListItem> ReadListFile(LineReader& reader) {
    std::vector<ListItem> items;
    std::string line;
    for (int header = 0; header < 2; ++header)
        if (!reader.Next(line))
            return items;
    while (reader.Next(line))
        items.push_back(SplitListLine(line));
    return items;
}

std::vector<ListItem> ReadListFile(const std::string& hostPath) {
    LineReader reader = LineReader::FromFile(hostPath);
    if (!reader.IsOpen())
        return {};
    return ReadListFile(reader);
}

std::string ListFileText(const std::vector<ListItem>& items) {
    std::string text;
    text += StoredHeaderLine1;
    text += "\r\n";
    text += StoredHeaderLine2;
    text += "\r\n\r\n";
    for (const ListItem& item : items) {
        text += JoinListLine(item);
        text += "\r\n";
    }
    return text;
}

bool WriteListFile(const std::string& hostPath, const std::vector<ListItem>& items) {
    return WriteFileAtomically(hostPath, ListFileText(items));
}

} // namespace swh
