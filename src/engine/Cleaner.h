#pragma once
// TFormCleaner: the resident form. It is never shown; it owns the tray icon, the runtime items
// loaded from the delete list, its own copy of the settings, and the cleaning of items with their
// logs. Member functions are spread over one file per concern: Cleaner.cpp (creation, settings),
// CleanerNotify.cpp (icon record, balloons), CleanerItems.cpp (runtime items), CleanerTick.cpp
// (the minute tick, due items, run-now), CleanerLog.cpp (delete and error logs), CleanerWalk.cpp
// (the cleaning walk), CleanerMenu.cpp (the tray menu, pause, resume, exit).
#include "formats/ListFile.h"
#include "formats/SettingData.h"
#include "platform/DateTime.h"

#include <QWidget>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>

class QMenu;
class QAction;
class QTimer;

namespace swh {
class Directory;
struct DirectoryEntry;
class ExclusionList;
class TrayIcon;
} // namespace swh

class TFormCleaner : public QWidget {
    Q_OBJECT
public:
    using ClassSettingData = swh::ClassSettingData;

    // One runtime item, a node of the circular doubly linked list whose sentinel is
    // ItemListHead. All texts are CP932 as the list file holds them.
    class ClassClearItem {
    public:
        ClassClearItem();
        ~ClassClearItem();
        ClassClearItem(const ClassClearItem&) = delete;
        ClassClearItem& operator=(const ClassClearItem&) = delete;

        std::string ItemName;
        std::string FolderPath;
        std::string TimeSpecKind;
        std::string Exclusions;
        std::uint32_t IntervalSeconds = 0;
        std::uint32_t RemainingSeconds = 0;
        swh::TDateTime DueDateTime = 0.0;
        std::string WeekdayText;
        ClassClearItem* Next;
        ClassClearItem* Prev;

        // Tests watch the order in which nodes are freed.
        static std::function<void(const ClassClearItem&)> OnDestroyForTesting;
    };

    // What the tray icon shows: its tip and the last balloon, CP932 like every stored text.
    struct ClassNotifyIconData {
        unsigned ID = 1;
        unsigned CallbackMessage = 1025;
        std::string Tip;       // at most 127 bytes
        std::string InfoTitle; // at most 63 bytes
        std::string Info;      // at most 255 bytes
        unsigned Timeout = 5000;
        unsigned InfoFlags = 1; // the information icon
    };

    explicit TFormCleaner(QWidget* parent = nullptr);
    ~TFormCleaner() override;

    ClassSettingData* SettingData() { return SettingData_.get(); }
    void ReadSettings();

    // Icon record and balloons.
    ClassNotifyIconData NotifyIconData;
    // Shows a balloon unless ShowBaloon is 0 at the moment of the call.
    void ShowBalloonMessage(const std::string& title, const std::string& text);
    void SetTipText(const std::string& text);

    // Runtime items.
    ClassClearItem* ItemListHead() { return &ItemListHead_; }
    // Appends a node per valid item line of the list file at the CP932 `path`; true when the
    // file held at least one item line, whatever became of it. Raises swh::ConvertError on an
    // unreadable date, leaving the nodes made before it.
    bool LoadItemList(const std::string& path);
    void AddItemFromLine(const swh::ListItem& fields);
    static std::uint32_t IntervalToSeconds(const std::string& text);
    static swh::TDateTime ParseDueDateTime(const std::string& text);
    void ClearItemList();
    void RemoveItem(ClassClearItem* item);

    // Logs beside the executable.
    void WriteLogHeaders(const ClassClearItem& item);
    void WriteDeleteLog(const std::string& entryName, const std::string& itemName, bool isFile);
    void WriteErrorLog(const std::string& entryName, const std::string& itemName, bool isFile);

    // Cleaning.
    void CleanItem(const ClassClearItem& item);
    void CleanFolder(const std::string& folder, const std::string& itemName,
                     const std::string& exclusions);
    static bool IsExcluded(const std::string& filePath, const std::string& exclusions);
    // A target folder that may be walked at all: absolute, and nothing a host path cannot hold.
    static bool IsWalkableFolderPath(const std::string& folder);

    // Runs just before the walk enters a sub-folder, with its host name; tests swap entries here.
    std::function<void(const std::string& hostName)> BeforeEnteringSubFolderForTesting;

    // The minute tick. TimerForCleaner fires it once a second while processing runs; it
    // evaluates the list at each change of the clock's minute and at every sixtieth tick.
    void TimerForCleanerTimer();
    // One evaluation pass. A `counter` of 60 moves every interval countdown on by a minute; a
    // one-time date item is removed from the list once it has run.
    void CheckDueItems(int counter);
    // Whether a date item is due in the clock's current minute: the same day and minute for a
    // one-time item, the time and a weekday name found in `text` for a weekly one ("[" in it).
    static bool IsDateItemDue(swh::TDateTime due, const std::string& text);
    // Run-now: cleans every item, timer or no timer; no countdown moves, nothing is removed.
    void CleanAllNow();
    // Kept for the life of the process, never reset by pause, resume, reload or run-now:
    // 1 to 60 after every tick, and the "nn" minute text of the previous tick.
    int TickCounter() const { return TickCounter_; }
    const std::string& LastMinuteText() const { return LastMinuteText_; }

    QTimer* TimerForCleaner = nullptr;

    // The tray menu and its commands.
    QMenu* PopupMenu = nullptr;
    // Opens the menu at the cursor; the tray icon calls it on a left or right press.
    void TrayIconNotify(const QPoint& cursor);
    // Pausing switches the timer off and shows the stop icon and tip; resuming the opposite.
    // Neither looks at the current state, so repeating one repeats the same result.
    void PauseCleaning();
    void ResumeCleaning();
    void ShowMainWindowClick();
    void CleanNowClick();
    void StopClick();
    void StartClick();
    void OpenDeleteLogClick();
    void OpenErrorLogClick();
    void ExitClick();

signals:
    void Closed();
    // The resident form knows the list editor only through these two requests.
    void ShowMainWindowRequested();
    void CloseMainWindowRequested();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void FormCreate();
    void CreatePopupMenu();
    void LoadDefaultList();
    void DeleteOneFile(const swh::Directory& folder, const swh::DirectoryEntry& entry,
                       const std::string& itemName, const swh::ExclusionList& exclusions);
    void RemoveSubFolder(const swh::Directory& parent, const std::string& hostName,
                         const std::string& itemName);
    void WriteLogLine(const char* folderName, bool enabled, bool separate,
                      const std::string& entryName, const std::string& itemName, bool isFile);

    std::unique_ptr<ClassSettingData> SettingData_;
    ClassClearItem ItemListHead_;
    int TickCounter_ = 0;
    std::string LastMinuteText_;
    bool FirstTickSeen_ = false;
    bool InTimerTick_ = false;
    swh::TrayIcon* Tray = nullptr;
};

extern TFormCleaner* FormCleaner;
