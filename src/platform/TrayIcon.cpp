#include "platform/TrayIcon.h"

#include <QCursor>
#include <QGuiApplication>
#include <QSystemTrayIcon>
#include <QTimer>
#include <cstdio>

namespace swh {
namespace {

TrayIcon::BalloonObserver& Observer() {
    static TrayIcon::BalloonObserver observer;
    return observer;
}

} // namespace

bool TrayIcon::HasNoDisplay() {
    const QString platform = QGuiApplication::platformName();
    return platform == QLatin1String("offscreen") || platform == QLatin1String("minimal");
}

namespace {

void WriteLine(const QString& line) {
    QString oneLine = line;
    oneLine.replace(QLatin1Char('\n'), QLatin1Char(' '));
    const QByteArray utf8 = oneLine.toUtf8();
    std::fprintf(stderr, "%s\n", utf8.constData());
    std::fflush(stderr);
}

} // namespace

void TrayIcon::SetBalloonObserverForTesting(BalloonObserver observer) {
    Observer() = std::move(observer);
}

bool TrayIcon::IsReachable() {
    return !HasNoDisplay() && QSystemTrayIcon::isSystemTrayAvailable();
}

TrayIcon::TrayIcon(const QIcon& icon, const QString& tip, QObject* parent)
    : QObject(parent), toStandardError_(HasNoDisplay()) {
    if (toStandardError_)
        return;
    tray_ = new QSystemTrayIcon(icon, this);
    tray_->setToolTip(tip);
    connect(tray_, &QSystemTrayIcon::activated, this, [this](QSystemTrayIcon::ActivationReason r) {
        if (r == QSystemTrayIcon::Trigger || r == QSystemTrayIcon::Context)
            emit Pressed(QCursor::pos());
    });
}

TrayIcon::~TrayIcon() = default;

void TrayIcon::Add() {
    if (tray_ != nullptr)
        tray_->show();
}

void TrayIcon::Remove() {
    if (tray_ != nullptr)
        tray_->hide();
}

void TrayIcon::SetIcon(const QIcon& icon) {
    if (tray_ != nullptr)
        tray_->setIcon(icon);
}

void TrayIcon::SetTip(const QString& tip) {
    if (tray_ != nullptr)
        tray_->setToolTip(tip);
    else
        WriteLine(QStringLiteral("[tip] ") + tip);
}

void TrayIcon::ShowBalloon(const QString& title, const QString& text, int timeoutMs) {
    if (toStandardError_ && !Observer()) {
        WriteLine(QStringLiteral("[") + title + QStringLiteral("] ") + text);
        return;
    }
    pendingTitle_ = title;
    pendingText_ = text;
    pendingTimeout_ = timeoutMs;
    if (!balloonPending_) {
        balloonPending_ = true;
        QTimer::singleShot(0, this, &TrayIcon::FlushBalloon);
    }
}

void TrayIcon::FlushBalloon() {
    balloonPending_ = false;
    if (Observer())
        Observer()(pendingTitle_, pendingText_);
    else if (tray_ != nullptr)
        tray_->showMessage(pendingTitle_, pendingText_, QSystemTrayIcon::Information,
                           pendingTimeout_);
}

} // namespace swh
