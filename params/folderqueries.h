#pragma once

#include <QString>
#include <QStringList>
#include <QVariantList>

// The listings and checks behind the screens' lists. Two listing rules hold everywhere: files
// (links to files included) or folders (links to folders included, no "." and ".."), hidden
// entries left out, names only, sorted case-sensitively. A missing folder lists as empty; a
// relative path is taken from the working folder.
namespace FolderQueries {

QStringList fileListing(const QString &path);
QStringList folderListing(const QString &path);

// Files of path whose name ends with filter (case-sensitive); "*" keeps them all.
QStringList filesEndingWith(const QString &path, const QString &filter);
// As filesEndingWith, each name without its last suffix.
QStringList fileBaseNames(const QString &path, const QString &filter);
// With nAndDir 1 the folders first, each with ".floder" appended; then the files whose name ends
// with one of the "#"-separated parts of filter ("*" keeps them all).
QStringList filesAndFolders(const QString &path, const QString &filter, int nAndDir);

// The glue machine kinds show only the dispensing parameters they have.
QStringList glueFilter(const QStringList &names, int glueMachType);

// The part of title before its first "." (all of it without one).
QString folderNumber(const QString &title);

int checkFileExist(const QString &filepath);
// nmkdir 1 creates a missing folder (one level).
int checkDirExist(const QString &dirpath, int nmkdir);

QVariantList toVariantList(const QStringList &list);

} // namespace FolderQueries

// Deletion inside the program's data folders only. A page that builds a path from an empty or
// odd name must not be able to wipe a root of the library or anything outside the data, so paths
// are resolved (symbolic links of the parent folders, "." and "..") before they are checked, and
// the resolved path is what gets removed.
class DataDeleter
{
public:
    // dataFolders: the trees that may be touched; keptFolders: folders inside them that may be
    // be neither emptied nor removed (the roots of the library).
    void setFolders(const QStringList &dataFolders, const QStringList &keptFolders);

    // The resolved path when it lies strictly inside a data folder and is none of the kept ones;
    // otherwise an empty text.
    QString permitted(const QString &path) const;

    // False, doing nothing, for an empty path, nothing there, or a path not permitted; otherwise
    // removes the file or the whole folder and returns true (also when the removal failed, as
    // the callers expect).
    bool deleteFile(const QString &strPath) const;
    // Empties a folder and keeps it; hidden entries stay. False for an empty path, a missing
    // folder, a kept folder or a folder outside the data.
    bool clearDir(const QString &path) const;

private:
    static QString resolve(const QString &path);
    bool inside(const QString &resolved) const;
    bool clearResolved(const QString &resolved) const;

    QStringList m_dataFolders; // resolved, no trailing separator
    QStringList m_keptFolders;
};
