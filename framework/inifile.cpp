#include "inifile.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QStringList>

#include <cstdio>
#include <fcntl.h>
#include <unistd.h>

namespace {
void prepare(QSettings &settings)
{
    settings.setIniCodec("UTF-8");
}

bool ensureFolder(const QString &file)
{
    const QString folder = QFileInfo(file).absolutePath();
    return QDir().mkpath(folder);
}

// The rename is only durable once the folder entry itself is on the disk.
void syncFolder(const QString &folder)
{
    const int fd = ::open(QFile::encodeName(folder).constData(), O_RDONLY | O_DIRECTORY);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
}

// Temporaries of a writer that was cut off (power, kill) are removed once they are clearly old.
void removeStaleTemporaries(const QString &folder, const QString &fileName)
{
    const QDir dir(folder);
    const QStringList leftovers =
        dir.entryList({QStringLiteral(".%1.*.tmp*").arg(fileName)}, QDir::Files | QDir::Hidden);
    const QDateTime limit = QDateTime::currentDateTime().addSecs(-60);
    for (const QString &name : leftovers) {
        if (QFileInfo(dir.filePath(name)).lastModified() < limit)
            QFile::remove(dir.filePath(name));
    }
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
    // Whatever of the old file can be read is kept; the new values go on top. A sound file that
    // already holds every value is left as it is: no rewrite, no folder sync (the screens set
    // values such as a material's count index at every start).
    bool ok = false;
    QMap<QString, QString> all = readAll(file, &ok);
    bool changed = !ok;
    for (auto it = values.cbegin(); it != values.cend(); ++it) {
        auto old = all.find(it.key());
        if (old == all.end() || old.value() != it.value()) {
            all.insert(it.key(), it.value());
            changed = true;
        }
    }
    return changed ? replaceAll(file, all) : true;
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
    const QFileInfo target(file);
    const QString folder = target.absolutePath();
    removeStaleTemporaries(folder, target.fileName());

    // QSettings would write the file in place under a lock file; a cut during that write leaves
    // an empty lock that stalls the next writer for half a minute. Instead the complete new file
    // is written under a private hidden name (hidden, so folder listings never show it) and
    // renamed over the old one, which is atomic.
    static int serial = 0;
    const QString temporary = QStringLiteral("%1/.%2.%3-%4.tmp")
                                  .arg(folder, target.fileName())
                                  .arg(QCoreApplication::applicationPid())
                                  .arg(++serial);
    {
        QSettings settings(temporary, QSettings::IniFormat);
        prepare(settings);
        for (auto it = values.cbegin(); it != values.cend(); ++it)
            settings.setValue(it.key(), it.value());
        settings.sync();
        if (settings.status() != QSettings::NoError) {
            QFile::remove(temporary);
            return false;
        }
    }
    if (!QFileInfo(temporary).isFile()) { // nothing to write gives no file: make an empty one
        QFile empty(temporary);
        if (!empty.open(QIODevice::WriteOnly))
            return false;
    }
    if (::rename(QFile::encodeName(temporary).constData(), QFile::encodeName(file).constData()) !=
        0) {
        QFile::remove(temporary);
        return false;
    }
    syncFolder(folder);
    return true;
}

} // namespace Ini
