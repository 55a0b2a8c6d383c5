#pragma once

#include "printlog.h"

#include <QString>

// The helpers of the system-service module log under the module's name, like the module itself.
inline void systemLog(const QString &text)
{
    PrintLog::get_instance()->vlog(QStringLiteral("tavrio: ") + text);
}
