#include "resources/UiResources.h"

#include <QtGlobal>

// Q_INIT_RESOURCE must be used outside of any namespace.
static void InitZeltResources() {
    Q_INIT_RESOURCE(zelt);
}

namespace zelt {

void EnsureUiResources() {
    static const bool registered = (InitZeltResources(), true);
    (void)registered;
}

} // namespace zelt
