#include "platform/MessageBox.h"

#include <QMessageBox>
#include <QPushButton>

namespace swh {
namespace {

MessageBoxResponder& Responder() {
    static MessageBoxResponder responder;
    return responder;
}

} // namespace

void SetMessageBoxResponderForTesting(MessageBoxResponder responder) {
    Responder() = std::move(responder);
}

MessageResult ShowMessageBox(const QString& text, const QString& title, MessageButtons buttons) {
    if (Responder())
        return Responder()(MessageBoxRequest{text, title, buttons});

    QMessageBox box(QMessageBox::NoIcon, title, text);
    if (buttons == MessageButtons::Ok) {
        QPushButton* ok = box.addButton(QStringLiteral("OK"), QMessageBox::AcceptRole);
        box.setDefaultButton(ok);
        box.setEscapeButton(ok);
        box.exec();
        return MessageResult::Ok;
    }
    QPushButton* yes = box.addButton(QStringLiteral("はい(&Y)"), QMessageBox::YesRole);
    QPushButton* no = box.addButton(QStringLiteral("いいえ(&N)"), QMessageBox::NoRole);
    box.setDefaultButton(yes);
    box.setEscapeButton(no);
    box.exec();
    return box.clickedButton() == yes ? MessageResult::Yes : MessageResult::No;
}

} // namespace swh
