#include "platform/ModalShow.h"

#include <QDialog>

namespace swh {
namespace {

ModalResponder& Responder() {
    static ModalResponder responder;
    return responder;
}

} // namespace

void SetModalResponderForTesting(ModalResponder responder) {
    Responder() = std::move(responder);
}

int ShowModal(QDialog& dialog) {
    if (Responder())
        return Responder()(dialog);
    return dialog.exec();
}

} // namespace swh
