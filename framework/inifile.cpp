#include "inifile.h"

#include <QDir>
#include <QFileInfo>
#include <QSettings>
#include <QStringList>

namespace {
void prepare(QSettings &settings) { settings.setIniCodec("UTF-8"); }

bool ensureFolder(const QString &file)
{
    const QString folder = QFileInfo(file).absolutePath();
    return QDir().mkpath(folder);
}
} // namespace

namespace Ini {

QString text(const QVariant &value)
{
    if (value.type() == QVariant::StringList)
        return value.toStringList().join(QLatin1Char(','));
    return value.toString();
}

QString read(const QString &file, const QString &key, const QString &defaultValue)
{
    if (!QFileInfo(file).isFile())
        return defaultValue;
    QSettings settings(file, QSettings::IniFormat);
    prepare(settings);
    const QVariant value = settings.value(key);
    return value.isValid() ? text(value) : defaultValue;
}

bool contains(const QString &file, const QString &key)
{
    if (!QFileInfo(file).isFile())
        return false;
    QSettings settings(file, QSettings::IniFormat);
    prepare(settings);
    return settings.contains(key);
}

bool write(const QString &file, const QString &key, const QString &value)
{
    QMap<QString, QString> one;
    one.insert(key, value);
    return write(file, one);
}

bool write(const QString &file, const QMap<QString, QString> &values)
{
    if (!ensureFolder(file))
        return false;
    QSettings settings(file, QSettings::IniFormat);
    prepare(settings);
    for (auto it = values.cbegin(); it != values.cend(); ++it)
        settings.setValue(it.key(), it.value());
    settings.sync();
    return settings.status() == QSettings::NoError;
}

QMap<QString, QString> readAll(const QString &file, bool *ok)
{
    QMap<QString, QString> values;
    if (!QFileInfo(file).isFile()) {
        if (ok)
            *ok = false;
        return values;
    }
    QSettings settings(file, QSettings::IniFormat);
    prepare(settings);
    const QStringList keys = settings.allKeys();
    for (const QString &key : keys)
        values.insert(key, text(settings.value(key)));
    if (ok)
        *ok = settings.status() == QSettings::NoError;
    return values;
}

bool replaceAll(const QString &file, const QMap<QString, QString> &values)
{
    if (!ensureFolder(file))
        return false;
    QSettings settings(file, QSettings::IniFormat);
    prepare(settings);
    settings.clear();
    for (auto it = values.cbegin(); it != values.cend(); ++it)
        settings.setValue(it.key(), it.value());
    settings.sync();
    return settings.status() == QSettings::NoError;
}

} // namespace Ini
