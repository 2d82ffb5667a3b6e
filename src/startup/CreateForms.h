#pragma once
// Creates the seven windows once, in the order that makes the first one the application's main
// window: closing that window ends the event loop.
class QWidget;

namespace swh {

// With `showMainWindow` the list editor comes first, else the resident form. Returns the first.
QWidget* CreateForms(bool showMainWindow);
// Deletes every window that CreateForms made, once the event loop has ended.
void DestroyForms();

} // namespace swh
