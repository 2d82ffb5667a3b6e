#include "platform/ProcessLimits.h"
#include "startup/Startup.h"

#include <QApplication>

int main(int argc, char** argv) {
    swh::RaiseOpenFileLimit();
    swh::UseOffscreenWithoutDisplay();
    QApplication app(argc, argv);
    return swh::RunStartup();
}
