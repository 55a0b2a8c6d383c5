#include "languagepack.h"

#include "board.h"
#include "systemlog.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <unistd.h>

const QString LanguagePack::kStickFolder = QStringLiteral("/mnt/disk/Language");
const QString LanguagePack::kInstalledFolder = QStringLiteral("/home/rvk/Public/QZLaser/Language/");

bool LanguagePack::isPlainFileName(const QString &name)
{
    return !name.isEmpty() && name != QLatin1String(".") && name != QLatin1String("..") &&
           !name.contains(QLatin1Char('/')) && !name.contains(QLatin1Char('\\')) &&
           !name.contains(QChar(0));
}

LanguagePack::Outcome LanguagePack::update()
{
    m_replaced.clear();
    Board &board = Board::instance();
    const QDir stick(board.path(kStickFolder));
    if (!QFileInfo(stick.path()).isDir())
        return NoStick;
    const QString installed = board.path(kInstalledFolder);

    bool failed = false;
    // Regular files only: a link on the stick could point anywhere, a folder is not a translation.
    const QFileInfoList entries =
        stick.entryInfoList(QDir::Files | QDir::NoSymLinks | QDir::NoDotAndDotDot, QDir::Unsorted);
    for (const QFileInfo &entry : entries) {
        const QString name = entry.fileName();
        systemLog(name);
        if (!isPlainFileName(name) || name.startsWith(QLatin1Char('.')) || !entry.isFile() ||
            entry.isSymLink())
            continue;
        const QString target = installed + name;
        if (!QFileInfo::exists(target))
            continue;
        if (!replace(entry.filePath(), target)) {
            failed = true;
            break;
        }
        m_replaced << name;
    }

    const int status = board.system(QStringLiteral("chmod 777 ") + kInstalledFolder.chopped(1) +
                                    QStringLiteral(" -R"));
    systemLog(QStringLiteral("chomd Language: %1").arg(status));
    if (failed) {
        systemLog(QStringLiteral("update language error,please contact develop"));
        return Failed;
    }
    systemLog(QStringLiteral("update language success,please reboot"));
    return Updated;
}

bool LanguagePack::replace(const QString &source, const QString &target)
{
    QFile old(target);
    if (!old.remove()) {
        systemLog(QStringLiteral("could not remove %1: %2").arg(target, old.errorString()));
        return false;
    }
    if (!QFile::copy(source, target)) {
        systemLog(QStringLiteral("could not copy %1 to %2").arg(source, target));
        return false;
    }
    // The panel is switched off right after an update: the copy must be on the storage by then.
    QFile copy(target);
    if (copy.open(QIODevice::ReadWrite)) {
        copy.flush();
        ::fsync(copy.handle());
        copy.close();
    }
    return true;
}
