#include "productionrecords.h"

#include "inifile.h"

#include <QDateTime>
#include <QDebug>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMap>

#include <algorithm>

namespace ProductionRecords {

namespace {
const QString kDateKey = QStringLiteral("yyyy/MM/dd");
}

QStringList trim(const QString &file, int maxDays)
{
    QMap<QString, QString> all = Ini::readAll(file);
    QStringList days;
    for (auto it = all.cbegin(); it != all.cend(); ++it) {
        if (QDate::fromString(it.key(), kDateKey).isValid())
            days << it.key();
    }
    if (days.size() <= maxDays)
        return {};
    // "yyyy/MM/dd" sorts as text in date order.
    std::sort(days.begin(), days.end());
    const int excess = days.size() - maxDays;
    qDebug().noquote() << QStringLiteral(
                              "发现 %1 条记录，超过最大限制 %2 条，将删除最旧的 %3 条记录。")
                              .arg(days.size())
                              .arg(maxDays)
                              .arg(excess);
    const QStringList removed = days.mid(0, excess);
    for (const QString &key : removed) {
        all.remove(key);
        qDebug().noquote() << QStringLiteral("已删除旧记录:") << key;
    }
    if (!Ini::replaceAll(file, all))
        qWarning() << "could not trim" << file;
    return removed;
}

bool createEmpty(const QString &file)
{
    if (QFileInfo::exists(file))
        return true;
    QFile f(file);
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return false;
    f.close();
    return true;
}

QStringList deleteAll(const QString &folder)
{
    QDir dir(folder);
    if (!dir.exists()) {
        qDebug().noquote() << QStringLiteral("文件夹不存在:") << folder;
        return {};
    }
    QStringList deleted;
    const QFileInfoList files =
        dir.entryInfoList({QStringLiteral("Production*")}, QDir::Files | QDir::Hidden);
    for (const QFileInfo &info : files) {
        if (QFile::remove(info.absoluteFilePath())) {
            deleted << info.absoluteFilePath();
            qDebug().noquote() << QStringLiteral("已删除文件:") << info.absoluteFilePath();
        }
    }
    return deleted;
}

QStringList removeStaleLocks(const QString &folder, const QString &baseName)
{
    QDir dir(folder);
    if (!dir.exists()) {
        qDebug().noquote() << QStringLiteral("文件夹不存在:") << folder;
        return {};
    }
    QStringList removed;
    const QStringList names = {baseName + QStringLiteral(".ini.lock"),
                               baseName + QStringLiteral(".ini.lock.rmlock")};
    for (const QString &name : names) {
        const QFileInfo info(dir.filePath(name));
        if (!info.exists())
            continue;
        const QDateTime modified = info.lastModified();
        qDebug().noquote() << QStringLiteral("发现锁文件:") << info.filePath();
        qDebug().noquote() << QStringLiteral("  文件大小:") << info.size()
                           << QStringLiteral("字节");
        qDebug().noquote() << QStringLiteral("  最后修改:")
                           << modified.toString(QStringLiteral("yyyy-MM-dd hh:mm:ss"));
        qDebug().noquote() << QStringLiteral("  存在时间:")
                           << modified.secsTo(QDateTime::currentDateTime()) << QStringLiteral("秒");
        // No program writes the record file at start, so any lock left is stale.
        if (QFile::remove(info.filePath())) {
            qDebug().noquote() << QStringLiteral("  已成功删除");
            removed << info.filePath();
        }
    }
    qDebug().noquote() << QStringLiteral("锁文件清理完成，共清理") << removed.size()
                       << QStringLiteral("个文件");
    return removed;
}

} // namespace ProductionRecords
