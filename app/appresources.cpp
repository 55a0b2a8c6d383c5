#include "appresources.h"

#include <QLoggingCategory>
#include <QtGlobal>

static void initTavrio()
{
    Q_INIT_RESOURCE(Tavrio);
}
static void initStandard()
{
    Q_INIT_RESOURCE(standard);
}

namespace AppResources {
void init()
{
    static bool done = false;
    if (done)
        return;
    done = true;
    initTavrio();
    initStandard();
    // The screens keep the Connections syntax of the panel's Qt 5.12; newer toolkits would warn
    // about it on every page.
    QLoggingCategory::setFilterRules(QStringLiteral("qt.qml.connections.warning=false"));
}
} // namespace AppResources
