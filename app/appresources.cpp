#include "appresources.h"

#include <QtGlobal>

static void initTavrio() { Q_INIT_RESOURCE(Tavrio); }
static void initStandard() { Q_INIT_RESOURCE(standard); }

namespace AppResources {
void init()
{
    static bool done = false;
    if (done)
        return;
    done = true;
    initTavrio();
    initStandard();
}
} // namespace AppResources
