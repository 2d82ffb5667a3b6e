#include "platform/ErrorDisplay.h"

#include "platform/ApplicationTitle.h"
#include "platform/ConvertError.h"
#include "platform/MessageBox.h"

#include <new>

namespace swh {
namespace {

void ShowError(const char* messageUtf8) {
    ShowMessageBox(QString::fromUtf8(messageUtf8), QString::fromStdString(ApplicationTitle()),
                   MessageButtons::Ok);
}

} // namespace

bool RunHandler(const std::function<void()>& handler) {
    try {
        handler();
        return true;
    } catch (const ConvertError& error) {
        ShowError(error.what());
    } catch (const std::bad_alloc&) {
        ShowError("メモリが不足しています。");
    } catch (const std::exception& error) {
        // Not the platform's own error, but shown the same way rather than ending the program.
        ShowError(error.what());
    }
    return false;
}

} // namespace swh
