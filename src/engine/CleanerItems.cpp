// Runtime items: the circular list built from a list file, with its validation and warnings.
#include "engine/Cleaner.h"

#include "engine/EngineTexts.h"
#include "formats/ScheduleText.h"
#include "platform/Clock.h"
#include "platform/Cp932.h"
#include "platform/HostPath.h"

std::function<void(const TFormCleaner::ClassClearItem&)>
    TFormCleaner::ClassClearItem::OnDestroyForTesting;

TFormCleaner::ClassClearItem::ClassClearItem() : Next(this), Prev(this) {}

TFormCleaner::ClassClearItem::~ClassClearItem() {
    if (OnDestroyForTesting)
        OnDestroyForTesting(*this);
}

bool TFormCleaner::LoadItemList(const std::string& path) {
    ItemListHead_.Next = ItemListHead_.Prev = &ItemListHead_;
    std::size_t lines = 0;
    for (const swh::ListItem& fields : swh::ReadListFile(swh::HostPathFromCp932(path))) {
        ++lines;
        AddItemFromLine(fields);
    }
    return lines > 0;
}

void TFormCleaner::AddItemFromLine(const swh::ListItem& fields) {
    bool valid = false;
    std::uint32_t interval = 0;
    swh::TDateTime due = 0.0;
    std::string weekdayText;

    if (fields.TimeKind == swh::IntervalKindText()) {
        interval = IntervalToSeconds(fields.DeleteTime);
        valid = interval != 0;
    } else if (fields.TimeKind == swh::DateKindText()) {
        if (swh::ContainsMark(fields.DeleteTime, '<')) {
            due = ParseDueDateTime(fields.DeleteTime);
            if (due < swh::Now()) {
                ShowBalloonMessage(swh::texts::Attention(), swh::texts::DueDatePassed());
                return;
            }
            valid = true;
        }
        if (swh::ContainsMark(fields.DeleteTime, '[')) {
            weekdayText = fields.DeleteTime;
            valid = true;
        }
    }
    // A folder that could only be walked from somewhere unintended is no item at all.
    if (!valid || !IsWalkableFolderPath(fields.FolderPath)) {
        ShowBalloonMessage(swh::texts::Error(), swh::texts::InvalidItem());
        return;
    }

    auto* node = new ClassClearItem;
    node->ItemName = fields.Name;
    node->FolderPath = fields.FolderPath;
    node->TimeSpecKind = fields.TimeKind;
    node->IntervalSeconds = interval;
    node->RemainingSeconds = interval;
    node->DueDateTime = due;
    node->WeekdayText = std::move(weekdayText);
    node->Exclusions = fields.Exclusions;
    node->Next = &ItemListHead_;
    node->Prev = ItemListHead_.Prev;
    ItemListHead_.Prev->Next = node;
    ItemListHead_.Prev = node;
}

std::uint32_t TFormCleaner::IntervalToSeconds(const std::string& text) {
    for (const swh::IntervalLabel& label : swh::IntervalLabels())
        if (label.Label == text)
            return static_cast<std::uint32_t>(label.Seconds);
    return 0;
}

swh::TDateTime TFormCleaner::ParseDueDateTime(const std::string& text) {
    const std::size_t lt = swh::FindMark(text, '<');
    const std::size_t gt = swh::FindMark(text, '>');
    const std::size_t before = lt == std::string::npos ? 0 : lt;
    std::string date;
    if (lt != std::string::npos && gt != std::string::npos && gt > lt)
        date = text.substr(lt + 1, gt - lt - 1);
    else if (lt == std::string::npos && gt != std::string::npos)
        date = text.substr(0, gt); // "<" missing: the part before ">" counts from the start
    return swh::StrToDateTime(date + " " + text.substr(0, before));
}

void TFormCleaner::ClearItemList() {
    ClassClearItem* node = ItemListHead_.Prev;
    while (node != &ItemListHead_) {
        ClassClearItem* previous = node->Prev;
        delete node;
        node = previous;
    }
    ItemListHead_.Next = ItemListHead_.Prev = &ItemListHead_;
}

void TFormCleaner::RemoveItem(ClassClearItem* item) {
    if (item == nullptr || item == &ItemListHead_)
        return;
    item->Prev->Next = item->Next;
    item->Next->Prev = item->Prev;
    delete item;
}
