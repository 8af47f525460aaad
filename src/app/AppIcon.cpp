#include "app/AppIcon.h"

// Resources compiled into a static library must be registered by hand.
static void RegisterResources() {
    Q_INIT_RESOURCE(resources);
}

namespace orvan {

QIcon ApplicationIcon() {
    static const bool registered = (RegisterResources(), true);
    (void)registered;
    return QIcon(":/icons/orvan2a.svg");
}

}  // namespace orvan
