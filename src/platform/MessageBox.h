#pragma once
// Every message box of the program goes through here: no icon, Japanese button captions, owned
// by no visible window. Tests answer boxes through a responder instead of clicking.
#include <QString>
#include <functional>

namespace swh {

enum class MessageButtons { Ok, YesNo };
enum class MessageResult { Ok, Yes, No };

struct MessageBoxRequest {
    QString Text;
    QString Title;
    MessageButtons Buttons;
};

MessageResult ShowMessageBox(const QString& text, const QString& title, MessageButtons buttons);

// While set, boxes are not shown: the responder sees each request and gives the answer.
using MessageBoxResponder = std::function<MessageResult(const MessageBoxRequest&)>;
void SetMessageBoxResponderForTesting(MessageBoxResponder responder);

} // namespace swh
