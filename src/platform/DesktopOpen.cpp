#include "platform/DesktopOpen.h"

#include <QDesktopServices>
#include <QUrl>

namespace swh {
namespace {

std::function<void(const std::string&)>& Opener() {
    static std::function<void(const std::string&)> opener;
    return opener;
}

} // namespace

void SetDesktopOpenerForTesting(std::function<void(const std::string&)> opener) {
    Opener() = std::move(opener);
}

void OpenWithDesktop(const std::string& hostPathOrUrl) {
    if (Opener()) {
        Opener()(hostPathOrUrl);
        return;
    }
    const QString text = QString::fromStdString(hostPathOrUrl);
    const QUrl url = text.startsWith(QLatin1Char('/')) ? QUrl::fromLocalFile(text) : QUrl(text);
    QDesktopServices::openUrl(url);
}

} // namespace swh
