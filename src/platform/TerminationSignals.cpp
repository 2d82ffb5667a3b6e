#include "platform/TerminationSignals.h"

#include <QSocketNotifier>
#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <unistd.h>

namespace swh {
namespace {

int signalPipe[2] = {-1, -1};
QSocketNotifier* signalNotifier = nullptr; // lives as long as the process

void OnSignal(int) {
    const int saved = errno;
    const char byte = 1;
    [[maybe_unused]] const ssize_t n = ::write(signalPipe[1], &byte, 1);
    errno = saved;
}

} // namespace

void CatchTerminationSignals(std::function<void()> onSignal) {
    if (signalPipe[0] >= 0 || ::pipe2(signalPipe, O_CLOEXEC | O_NONBLOCK) != 0)
        return;
    signalNotifier = new QSocketNotifier(signalPipe[0], QSocketNotifier::Read);
    auto* notifier = signalNotifier;
    QObject::connect(notifier, &QSocketNotifier::activated, notifier,
                     [callback = std::move(onSignal)] {
                         char buffer[64];
                         while (::read(signalPipe[0], buffer, sizeof buffer) > 0) {
                         }
                         callback();
                     });
    struct sigaction action {};
    action.sa_handler = OnSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    ::sigaction(SIGTERM, &action, nullptr);
    ::sigaction(SIGINT, &action, nullptr);
}

} // namespace swh
