#pragma once
// Every modal showing of a form goes through here, so tests can script the dialog instead of
// waiting on a nested loop.
#include <functional>

class QDialog;

namespace swh {

// Shows `dialog` modally and returns its result code.
int ShowModal(QDialog& dialog);

// While set, the dialog is not run: the responder acts on it and returns the result code.
using ModalResponder = std::function<int(QDialog&)>;
void SetModalResponderForTesting(ModalResponder responder);

} // namespace swh
