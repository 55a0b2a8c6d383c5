#include "folderqueries.h"

#include <QDebug>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSet>

#include <algorithm>

namespace {

QStringList listing(const QString &path, QDir::Filters filters)
{
    if (path.isEmpty())
        return {};
    QDir dir(path);
    if (!dir.exists())
        return {};
    // QDir sorts by locale-aware rules; the screens rely on plain case-sensitive order.
    QStringList names = dir.entryList(filters | QDir::NoDotAndDotDot, QDir::NoSort);
    std::sort(names.begin(), names.end(), [](const QString &a, const QString &b) {
        return QString::compare(a, b, Qt::CaseSensitive) < 0;
    });
    return names;
}

} // namespace

namespace FolderQueries {

QStringList fileListing(const QString &path)
{
    return listing(path, QDir::Files | QDir::Readable);
}

QStringList folderListing(const QString &path)
{
    return listing(path, QDir::Dirs);
}

QStringList filesEndingWith(const QString &path, const QString &filter)
{
    const QStringList all = fileListing(path);
    if (filter == QLatin1String("*"))
        return all;
    QStringList kept;
    for (const QString &name : all) {
        if (name.endsWith(filter, Qt::CaseSensitive))
            kept << name;
    }
    return kept;
}

QStringList fileBaseNames(const QString &path, const QString &filter)
{
    QStringList names = filesEndingWith(path, filter);
    for (QString &name : names) {
        const int dot = name.lastIndexOf('.');
        if (dot >= 0)
            name.truncate(dot);
    }
    return names;
}

QStringList filesAndFolders(const QString &path, const QString &filter, int nAndDir)
{
    QStringList result;
    if (nAndDir == 1) {
        for (const QString &folder : folderListing(path))
            result << folder + QStringLiteral(".floder");
    }
    const QStringList files = fileListing(path);
    if (filter == QLatin1String("*"))
        return result + files;
    const QStringList suffixes = filter.split('#');
    for (const QString &name : files) {
        for (const QString &suffix : suffixes) {
            if (!suffix.isEmpty() && name.endsWith(suffix, Qt::CaseSensitive)) {
                result << name;
                break;
            }
        }
    }
    return result;
}

QStringList glueFilter(const QStringList &names, int glueMachType)
{
    enum
    {
        KeepPoint,
        KeepLine,
        RemovePoint,
        RemoveLine1,
        NoFilter
    } rule;
    switch (glueMachType) {
    case 0:
    case 1:
    case 11:
    case 13:
        rule = KeepPoint;
        break;
    case 2:
    case 3:
    case 7:
        rule = KeepLine;
        break;
    case 4:
    case 8:
        rule = RemovePoint;
        break;
    case 6:
    case 10:
        rule = NoFilter;
        break;
    default: // 5, 9, 12, 14 to 16 and every value out of range
        rule = RemoveLine1;
        break;
    }
    QStringList kept;
    for (const QString &name : names) {
        const bool keep = rule == NoFilter ||
                          (rule == KeepPoint && name == QLatin1String("Point")) ||
                          (rule == KeepLine && name == QLatin1String("Line")) ||
                          (rule == RemovePoint && name != QLatin1String("Point")) ||
                          (rule == RemoveLine1 && name != QLatin1String("Line_1"));
        if (keep)
            kept << name;
    }
    return kept;
}

QString folderNumber(const QString &title)
{
    const int dot = title.indexOf('.');
    return dot < 0 ? title : title.left(dot);
}

int checkFileExist(const QString &filepath)
{
    return !filepath.isEmpty() && QFileInfo::exists(filepath) ? 1 : 0;
}

int checkDirExist(const QString &dirpath, int nmkdir)
{
    if (dirpath.isEmpty())
        return 0;
    if (nmkdir == 1 && !QFileInfo(dirpath).isDir()) {
        const bool made = QDir().mkdir(dirpath);
        qDebug() << "mkdir:" << made;
    }
    return QFileInfo(dirpath).isDir() ? 1 : 0;
}

QVariantList toVariantList(const QStringList &list)
{
    QVariantList values;
    values.reserve(list.size());
    for (const QString &text : list)
        values << text;
    return values;
}

} // namespace FolderQueries

// ---- deletion ----------------------------------------------------------------------------------

void DataDeleter::setFolders(const QStringList &dataFolders, const QStringList &keptFolders)
{
    m_dataFolders.clear();
    m_keptFolders.clear();
    for (const QString &folder : dataFolders) {
        const QString resolved = resolve(folder);
        if (!resolved.isEmpty())
            m_dataFolders << resolved;
    }
    for (const QString &folder : keptFolders) {
        const QString resolved = resolve(folder);
        if (!resolved.isEmpty())
            m_keptFolders << resolved;
    }
    m_keptFolders += m_dataFolders;
}

QString DataDeleter::resolve(const QString &path)
{
    if (path.isEmpty())
        return {};
    const QString cleaned = QDir::cleanPath(QFileInfo(path).absoluteFilePath());
    if (cleaned == QLatin1String("/"))
        return cleaned;
    // The entry itself is not followed: removing a link removes the link, not its target.
    const QFileInfo entry(cleaned);
    const QString parent = QFileInfo(entry.absolutePath()).canonicalFilePath();
    if (parent.isEmpty())
        return {};
    return QDir::cleanPath(parent + '/' + entry.fileName());
}

bool DataDeleter::inside(const QString &resolved) const
{
    for (const QString &root : m_dataFolders) {
        if (resolved.startsWith(root + '/'))
            return true;
    }
    return false;
}

QString DataDeleter::permitted(const QString &path) const
{
    const QString resolved = resolve(path);
    if (resolved.isEmpty() || !inside(resolved) || m_keptFolders.contains(resolved))
        return {};
    return resolved;
}

bool DataDeleter::deleteFile(const QString &strPath) const
{
    if (strPath.isEmpty())
        return false;
    const QFileInfo info(strPath);
    if (!info.exists() && !info.isSymLink())
        return false;
    const QString target = permitted(strPath);
    if (target.isEmpty()) {
        qWarning() << "refused to delete outside the data folders or a library root:" << strPath;
        return false;
    }
    const QFileInfo resolved(target);
    if (resolved.isDir() && !resolved.isSymLink()) {
        QDir(target).removeRecursively();
        qDebug() << "删除文件夹" << strPath;
    } else {
        QFile::remove(target);
        qDebug() << "删除文件" << strPath;
    }
    return true;
}

bool DataDeleter::clearDir(const QString &path) const
{
    if (path.isEmpty() || !QFileInfo(path).isDir())
        return false;
    const QString target = permitted(path);
    if (target.isEmpty()) {
        qWarning() << "refused to empty a library root or a folder outside the data:" << path;
        return false;
    }
    return clearResolved(target);
}

bool DataDeleter::clearResolved(const QString &resolved) const
{
    QDir dir(resolved);
    const QFileInfoList entries =
        dir.entryInfoList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::System);
    for (const QFileInfo &entry : entries) {
        if (entry.isDir() && !entry.isSymLink()) {
            clearResolved(entry.absoluteFilePath());
            dir.rmdir(entry.fileName());
        } else {
            QFile::remove(entry.absoluteFilePath());
        }
    }
    return true;
}
