#include "paths.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

#ifndef TAVRIO_PROJECT_DIR
#define TAVRIO_PROJECT_DIR "."
#endif

namespace {
QString homeOverride()
{
    const QString home = qEnvironmentVariable("TAVRIO_HOME");
    return home.isEmpty() ? QString() : QDir::cleanPath(QDir(home).absolutePath());
}
} // namespace

namespace Paths {

QString projectDir()
{
    const QString home = homeOverride();
    return home.isEmpty() ? QDir::cleanPath(QStringLiteral(TAVRIO_PROJECT_DIR)) : home;
}

QString executableDir()
{
    const QString home = homeOverride();
    if (!home.isEmpty())
        return home;
    if (QCoreApplication::instance())
        return QCoreApplication::applicationDirPath();
    return QDir::currentPath();
}

QString dataFolder(const QString &name, const QString &besideName)
{
    const QString beside = executableDir() + "/" + (besideName.isEmpty() ? name : besideName);
    if (QFileInfo::exists(beside))
        return beside + "/";
    return QStringLiteral("%1/%2/").arg(projectDir(), name);
}

QString configDir()
{
    return dataFolder(QStringLiteral("Config"));
}

QString logDir()
{
    return executableDir() + QStringLiteral("/Log/");
}

QString join(const QString &a, const QString &b)
{
    if (a.isEmpty())
        return b;
    if (b.isEmpty())
        return a;
    const bool aSep = a.endsWith('/');
    const bool bSep = b.startsWith('/');
    if (aSep && bSep)
        return a + b.mid(1);
    if (aSep || bSep)
        return a + b;
    return a + '/' + b;
}

QString join(const QString &a, const QString &b, const QString &c)
{
    return join(join(a, b), c);
}

} // namespace Paths
