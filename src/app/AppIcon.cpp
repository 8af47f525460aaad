#include "app/AppIcon.h"

#include <QString>

// Resources compiled into a static library must be registered by hand.
static void RegisterResources() {
    Q_INIT_RESOURCE(resources);
}

namespace orvan {

void EnsureResources() {
    static const bool registered = (RegisterResources(), true);
    (void)registered;
}

QIcon ApplicationIcon() {
    EnsureResources();
    QIcon icon;
    for (const int size : {16, 24, 32, 48, 64, 128, 256})
        icon.addFile(QString(":/icons/orvan2a-%1.png").arg(size), QSize(size, size));
    return icon;
}

}  // namespace orvan
