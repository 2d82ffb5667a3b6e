// The icon record, balloons and the tip: the engine's one channel to the user.
#include "engine/Cleaner.h"

#include "platform/Cp932.h"
#include "platform/QtText.h"
#include "platform/TrayIcon.h"

namespace {

// A cleaning asks for the same two balloons thousands of times; convert each text once.
const QString& Converted(const std::string& cp932) {
    struct Entry {
        std::string Cp932;
        QString Text;
    };
    static Entry recent[4];
    static unsigned nextSlot = 0;
    for (Entry& e : recent)
        if (e.Cp932 == cp932 && !e.Text.isNull())
            return e.Text;
    Entry& slot = recent[nextSlot++ % 4];
    slot.Cp932 = cp932;
    slot.Text = swh::QStringFromCp932(cp932);
    return slot.Text;
}

} // namespace

void TFormCleaner::ShowBalloonMessage(const std::string& title, const std::string& text) {
    if (SettingData_->ShowBaloon == 0)
        return;
    NotifyIconData.InfoTitle = swh::TruncateCp932(title, 63);
    NotifyIconData.Info = swh::TruncateCp932(text, 255);
    NotifyIconData.Timeout = 5000;
    NotifyIconData.InfoFlags = 1;
    Tray->ShowBalloon(Converted(NotifyIconData.InfoTitle), Converted(NotifyIconData.Info),
                      static_cast<int>(NotifyIconData.Timeout));
}

void TFormCleaner::SetTipText(const std::string& text) {
    NotifyIconData.Tip = swh::TruncateCp932(text, 127);
    Tray->SetTip(swh::QStringFromCp932(NotifyIconData.Tip));
}
