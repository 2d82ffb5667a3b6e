// The minute tick: when the item list is looked at (at each change of the clock's minute and at
// every sixtieth tick), which items are due then, what becomes of an item after its run, and
// run-now.
#include "engine/Cleaner.h"

#include "formats/ScheduleText.h"
#include "platform/Clock.h"
#include "platform/Cp932.h"
#include "platform/ErrorDisplay.h"

#include <QScopedValueRollback>

#include <algorithm>
#include <array>
#include <string_view>

namespace {

// The bare weekday names that a weekly text is searched for, Sunday first like DayOfWeek.
const std::array<std::string, 7>& WeekdayNames() {
    static const std::array<std::string, 7> names = {
        swh::Cp932FromUtf8("日"), swh::Cp932FromUtf8("月"), swh::Cp932FromUtf8("火"),
        swh::Cp932FromUtf8("水"), swh::Cp932FromUtf8("木"), swh::Cp932FromUtf8("金"),
        swh::Cp932FromUtf8("土")};
    return names;
}

} // namespace

void TFormCleaner::TimerForCleanerTimer() {
    // A box shown while cleaning runs a nested loop in which the timer goes on firing. Such a
    // tick is dropped like a late one: two evaluations must never walk the list at once, since
    // each may free the node the other stands on.
    if (InTimerTick_)
        return;
    const QScopedValueRollback<bool> inTick(InTimerTick_, true);

    swh::RunHandler([this] {
        const std::string cur = swh::FormatDateTime("nn", swh::Now());
        if (!FirstTickSeen_) {
            LastMinuteText_ = cur;
            FirstTickSeen_ = true;
        }
        const int counter = TickCounter_;
        const bool evaluate = counter == 60 || cur != LastMinuteText_;

        // The tick's own state moves on before the evaluation, so that an error raised while
        // cleaning ends this tick only: the next tick goes on from the right count instead of
        // evaluating the same moment again, once a second, with a new error box each time.
        if (counter == 60)
            TickCounter_ = 0;
        LastMinuteText_ = cur;
        ++TickCounter_;

        if (evaluate)
            CheckDueItems(counter);
    });
}

void TFormCleaner::CheckDueItems(int counter) {
    ClassClearItem* node = ItemListHead_.Next;
    while (node != &ItemListHead_) {
        // A one-time item is freed below; the walk goes on from the node after it.
        ClassClearItem* const next = node->Next;

        if (node->TimeSpecKind == swh::IntervalKindText()) {
            // Never below zero: a countdown left at 0 (its run was cut short by an error) would
            // otherwise wrap round to a run some hundred years away.
            if (counter == 60)
                node->RemainingSeconds -= std::min<std::uint32_t>(node->RemainingSeconds, 60);
            if (node->RemainingSeconds == 0) {
                CleanItem(*node);
                node->RemainingSeconds = node->IntervalSeconds;
            }
        } else if (node->TimeSpecKind == swh::DateKindText() &&
                   IsDateItemDue(node->DueDateTime, node->WeekdayText)) {
            CleanItem(*node);
            if (!swh::ContainsMark(node->WeekdayText, '['))
                RemoveItem(node);
        }
        node = next;
    }
}

bool TFormCleaner::IsDateItemDue(swh::TDateTime due, const std::string& text) {
    const swh::TDateTime now = swh::Now();
    if (!swh::ContainsMark(text, '['))
        return swh::FormatDateTime("yyyy/mm/dd hh:mm", now) ==
               swh::FormatDateTime("yyyy/mm/dd hh:mm", due);
    // Weekly: the time is the text's first five bytes, and the day is found by its bare name
    // anywhere in the text, not by the bracketed mark.
    return swh::FormatDateTime("hh:mm", now) == std::string_view(text).substr(0, 5) &&
           swh::ContainsText(text, WeekdayNames()[swh::DayOfWeek(now)]);
}

void TFormCleaner::CleanAllNow() {
    ClassClearItem* node = ItemListHead_.Next;
    while (node != &ItemListHead_) {
        ClassClearItem* const next = node->Next;
        CleanItem(*node);
        node = next;
    }
}
