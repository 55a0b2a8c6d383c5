#pragma once

#include <QString>
#include <QStringList>

// Replaces the installed translation files with their namesakes from the USB stick. Files of the
// stick that the panel does not already have are left alone: a stick cannot add files to the
// program's folder, only renew the existing translations.
class LanguagePack
{
public:
    enum Outcome
    {
        NoStick, // the stick has no language folder: nothing happened
        Updated,
        Failed,
    };

    static const QString kStickFolder;     // "/mnt/disk/Language"
    static const QString kInstalledFolder; // "/home/rvk/Public/QZLaser/Language/"

    // A name that stays inside the folder it is joined to: no path parts, not "." or "..".
    static bool isPlainFileName(const QString &name);

    Outcome update();
    // The names replaced by the last update, in order.
    QStringList replaced() const { return m_replaced; }

private:
    bool replace(const QString &source, const QString &target);
    QStringList m_replaced;
};
