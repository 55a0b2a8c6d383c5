#pragma once

#include <QMap>
#include <QString>
#include <QStringList>

class DataDeleter;

// The press's part of the technology library: one folder per user under MainMaterial/ with the
// eight material slots 0.ini to 7.ini, the account record info.ini and SelfMaterial/ with the
// user's own presets.
class MaterialLibrary
{
public:
    MaterialLibrary(const QString &techPath, const DataDeleter &deleter);

    static const QString kDefaultUser;     // "Guest"
    static const QString kDefaultPassword; // "927304"

    // A user or material name becomes a file or folder name as it is: it must not be empty nor
    // reach out of its folder.
    static bool isSafeName(const QString &name);
    // The nine keys of slot n (0..7) as created, and of a new self-material.
    static QMap<QString, QString> slotValues(int slot);
    static QMap<QString, QString> selfMaterialValues();

    QString mainMaterialPath() const; // ".../TechLibrary/MainMaterial"
    QString userFolder(const QString &user) const;

    // Creates the user or resets an existing user's slots and account record (self-materials
    // stay). False, doing nothing, for an unsafe name.
    bool addNewUser(const QString &user, const QString &password);
    // True also when there is no folder of the old name; false when the rename fails, a folder
    // of the new name exists, or a name is unsafe.
    bool modifyUser(const QString &user, const QString &newUser);
    QStringList userNames() const;

    // 0 once <materialpath>/<filename>.ini holds the new self-material values; -1 (nothing
    // written) for an unsafe name or a folder outside the data folders.
    int addNewSelfmaterial(const QString &materialpath, const QString &filename);
    // Renames a self-material file within its folder; false when the old file is missing, the
    // new one exists, or the new name leaves the folder.
    bool modifySelfmaterial(const QString &path, const QString &newPath);

    // Deletes every user folder; returns the users whose folder could not be deleted.
    QStringList deleteAllUsers();

    // Keeps whatever was created writable for every account of the panel's system.
    static void openPermissions();

private:
    QString m_techPath;
    const DataDeleter &m_deleter;
};
