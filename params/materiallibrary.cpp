#include "materiallibrary.h"

#include "board.h"
#include "folderqueries.h"
#include "inifile.h"

#include <QDateTime>
#include <QDebug>
#include <QDir>
#include <QFile>
#include <QFileInfo>

const QString MaterialLibrary::kDefaultUser = QStringLiteral("Guest");
const QString MaterialLibrary::kDefaultPassword = QStringLiteral("927304");

namespace {

struct SlotDefault
{
    int temperature;
    int seconds;
    int press;
};

// Slots 0..7: main screen, DTF, MDF, HTV, cloth, crystal, metal plate, slate.
const SlotDefault kSlots[8] = {{100, 60, 30}, {160, 15, 30},  {180, 120, 30}, {160, 15, 30},
                               {180, 60, 30}, {180, 240, 30}, {180, 60, 30},  {190, 480, 30}};

QMap<QString, QString> materialValues(int temperature, int timer, int timer1, int timer2, int press)
{
    return {{QStringLiteral("m_nDestTemperature"), QString::number(temperature)},
            {QStringLiteral("m_nDestTimer"), QString::number(timer)},
            {QStringLiteral("m_nDestTimer1"), QString::number(timer1)},
            {QStringLiteral("m_nDestTimer2"), QString::number(timer2)},
            {QStringLiteral("m_nDestTimer3"), QStringLiteral("0")},
            {QStringLiteral("m_nDestTimer4"), QStringLiteral("0")},
            {QStringLiteral("m_nDestPress"), QString::number(press)},
            {QStringLiteral("m_nSegmentCount"), QStringLiteral("2")},
            {QStringLiteral("m_nCurCountIndex"), QStringLiteral("0")}};
}

void touch(const QString &file)
{
    if (QFileInfo::exists(file))
        return;
    QFile f(file);
    if (f.open(QIODevice::WriteOnly))
        f.close();
}

} // namespace

MaterialLibrary::MaterialLibrary(const QString &techPath, const DataDeleter &deleter)
    : m_techPath(techPath), m_deleter(deleter)
{}

bool MaterialLibrary::isSafeName(const QString &name)
{
    return !name.isEmpty() && !name.contains('/') && !name.contains(QLatin1String("..")) &&
           name != QLatin1String(".");
}

QMap<QString, QString> MaterialLibrary::slotValues(int slot)
{
    const SlotDefault &d = kSlots[qBound(0, slot, 7)];
    return materialValues(d.temperature, d.seconds, d.seconds, d.seconds, d.press);
}

QMap<QString, QString> MaterialLibrary::selfMaterialValues()
{
    return materialValues(100, 60, 60, 0, 30);
}

QString MaterialLibrary::mainMaterialPath() const
{
    return m_techPath + QStringLiteral("MainMaterial");
}

QString MaterialLibrary::userFolder(const QString &user) const
{
    return mainMaterialPath() + '/' + user;
}

void MaterialLibrary::openPermissions()
{
    Board &board = Board::instance();
    board.system(QStringLiteral("chmod 777 %1 -R")
                     .arg(board.path(QStringLiteral(
                         "/home/rvk/Public/QZLaser/Config/TechLibrary/MainMaterial"))));
}

bool MaterialLibrary::addNewUser(const QString &user, const QString &password)
{
    if (!isSafeName(user)) {
        qWarning() << "refused user name" << user;
        return false;
    }
    const QString folder = userFolder(user);
    if (!QFileInfo(folder).isDir()) {
        if (QDir().mkdir(folder))
            qDebug() << "dirUserpath=" << folder;
        QDir().mkdir(folder + QStringLiteral("/SelfMaterial"));
    }
    openPermissions();

    // The folder is not checked: like the panel always did, the files are written anyway and a
    // failure shows as a missing user in the list.
    for (int slot = 0; slot < 8; ++slot) {
        const QString file = QStringLiteral("%1/%2.ini").arg(folder).arg(slot);
        touch(file);
        Ini::write(file, slotValues(slot));
    }
    const QString info = folder + QStringLiteral("/info.ini");
    touch(info);
    Ini::write(info, {{QStringLiteral("m_sPassWord"), password},
                      {QStringLiteral("m_sCteateTime"), QDateTime::currentDateTime().toString(
                                                            QStringLiteral("yyyy-MM-dd HH:mm:ss"))},
                      {QStringLiteral("m_sSelName"), QStringLiteral("Default")}});
    qDebug() << "创建用户文件完成，"
             << " dirUserpath=" << folder << " strUserPwd" << info;
    return true;
}

bool MaterialLibrary::modifyUser(const QString &user, const QString &newUser)
{
    qDebug() << "原命名：" << user << "新命名：" << newUser;
    bool result = false;
    if (!isSafeName(user) || !isSafeName(newUser)) {
        qWarning() << "refused user rename" << user << newUser;
    } else if (!QFileInfo(userFolder(user)).isDir()) {
        result = true;
    } else {
        result = !QFileInfo::exists(userFolder(newUser)) &&
                 QDir().rename(userFolder(user), userFolder(newUser));
    }
    openPermissions();
    return result;
}

QStringList MaterialLibrary::userNames() const
{
    return FolderQueries::folderListing(mainMaterialPath());
}

int MaterialLibrary::addNewSelfmaterial(const QString &materialpath, const QString &filename)
{
    const QString path = materialpath + '/' + filename + QStringLiteral(".ini");
    qDebug() << "path=" << path << "materialpath=" << materialpath << "filename=" << filename;
    if (!isSafeName(filename) || m_deleter.permitted(path).isEmpty()) {
        qWarning() << "refused self-material" << path;
        return -1;
    }
    touch(path);
    openPermissions();
    Ini::write(path, selfMaterialValues());
    return 0;
}

bool MaterialLibrary::modifySelfmaterial(const QString &path, const QString &newPath)
{
    qDebug() << "原路径名：" << path << "新路径名：" << newPath;
    bool result = false;
    const QFileInfo from(path);
    const QFileInfo to(newPath);
    const bool sameFolder =
        QDir::cleanPath(from.absolutePath()) == QDir::cleanPath(to.absolutePath());
    if (!sameFolder || !isSafeName(to.completeBaseName()) || !isSafeName(to.fileName()) ||
        m_deleter.permitted(path).isEmpty()) {
        qWarning() << "refused self-material rename" << path << newPath;
    } else if (from.isFile() && !to.exists()) {
        result = QFile::rename(path, newPath);
    }
    openPermissions();
    return result;
}

QStringList MaterialLibrary::deleteAllUsers()
{
    QStringList failed;
    for (const QString &user : userNames()) {
        if (!m_deleter.deleteFile(userFolder(user)))
            failed << user;
    }
    return failed;
}
