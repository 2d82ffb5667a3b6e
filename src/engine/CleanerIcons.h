#pragma once
// The two pictures of the tray icon: the program's own (running) and the paused one.
#include <QIcon>

QIcon RunIcon();
QIcon StopIcon();
