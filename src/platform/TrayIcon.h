#pragma once
// The program's icon in the notification area, its tip and its balloons. Balloons are coalesced:
// a cleaning never yields, so only its last balloon could ever be seen; each request replaces the
// pending one, and the newest is put on screen once the running handler has returned. Without a
// display (the offscreen platform) every balloon and tip change is written to standard error as
// one line instead, so nothing is lost.
#include <QIcon>
#include <QObject>
#include <QPoint>
#include <QString>
#include <functional>

class QSystemTrayIcon;

namespace swh {

class TrayIcon : public QObject {
    Q_OBJECT
public:
    TrayIcon(const QIcon& icon, const QString& tip, QObject* parent = nullptr);
    ~TrayIcon() override;

    void Add();
    void Remove();
    void SetIcon(const QIcon& icon);
    void SetTip(const QString& tip);
    void ShowBalloon(const QString& title, const QString& text, int timeoutMs);

    // False on a desktop without a notification area, where the icon cannot be reached.
    static bool IsReachable();
    // True on the offscreen platform: the program runs as a headless cleaner.
    static bool HasNoDisplay();

    // True when balloons go to standard error rather than to a notification area.
    bool WritesToStandardError() const { return toStandardError_; }

    // Tests see each balloon that reaches the screen (after coalescing) instead of the desktop.
    using BalloonObserver = std::function<void(const QString& title, const QString& text)>;
    static void SetBalloonObserverForTesting(BalloonObserver observer);

signals:
    // A left or right press on the icon, with the cursor position.
    void Pressed(QPoint cursor);

private:
    void FlushBalloon();

    QSystemTrayIcon* tray_ = nullptr;
    bool toStandardError_ = false;
    bool balloonPending_ = false;
    QString pendingTitle_;
    QString pendingText_;
    int pendingTimeout_ = 5000;
};

} // namespace swh
