#include "engine/CleanerIcons.h"

// The icons are compiled into a static library; naming their initialiser keeps the linker from
// dropping them.
static void InitResources() {
    Q_INIT_RESOURCE(sorrelwickhaven);
}

static QIcon Load(const char* path) {
    static const bool initialised = (InitResources(), true);
    (void)initialised;
    return QIcon(QString::fromLatin1(path));
}

QIcon RunIcon() {
    return Load(":/icons/run.png");
}
QIcon StopIcon() {
    return Load(":/icons/stop.png");
}
