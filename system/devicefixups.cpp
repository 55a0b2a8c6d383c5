#include "devicefixups.h"

#include "board.h"
#include "systemlog.h"

#include <QFile>
#include <QFileInfo>

namespace DeviceFixups {

const QString kAudioMarker = QStringLiteral("/home/rvk/fixNoAudioOutput.txt");

QStringList errorLogs()
{
    return {QStringLiteral("/root/.xsession-errors"), QStringLiteral("/home/rvk/.xsession-errors")};
}

namespace {
void runLogged(const QString &commandLine)
{
    const int status = Board::instance().system(commandLine);
    if (status != 0)
        systemLog(QStringLiteral("命令启动失败，退出码：%1 (%2)").arg(status).arg(commandLine));
}
} // namespace

void fixNoAudioOutput()
{
    Board &board = Board::instance();
    const QString chownWatchdog = QStringLiteral("sudo chown rvk /dev/watchdog");
    const QFileInfo marker(board.path(kAudioMarker));
    if (marker.exists() && marker.isFile()) {
        runLogged(chownWatchdog);
        return;
    }
    QFile file(marker.filePath());
    if (!file.open(QIODevice::WriteOnly)) {
        systemLog(QStringLiteral("文件创建失败: %1").arg(file.errorString()));
        return;
    }
    file.close();
    runLogged(QStringLiteral("gpasswd -a rvk pulse-access"));
    runLogged(QStringLiteral("sudo sed -i  \"s/root/rvk/\" /etc/slim.conf"));
    runLogged(chownWatchdog);
    runLogged(QStringLiteral("sudo reboot"));
}

bool isOversizedErrorLog(qint64 bytes)
{
    return bytes / kMiB > kErrorLogLimitMiB;
}

void cleanErrorLogs()
{
    for (const QString &boardPath : errorLogs()) {
        const QString path = Board::instance().path(boardPath);
        const QFileInfo info(path);
        if (!info.exists()) {
            systemLog(boardPath + QStringLiteral(" File not exists"));
            continue;
        }
        systemLog(QStringLiteral("File : ") + boardPath);
        const qint64 bytes = info.size();
        const double mib = static_cast<double>(bytes / kMiB);
        systemLog(QStringLiteral("%1 bytes %2 MB").arg(bytes).arg(mib, 0, 'f', 2));
        if (!isOversizedErrorLog(bytes)) {
            systemLog(QStringLiteral("File size below 100MB"));
            continue;
        }
        QFile file(path);
        if (file.remove())
            systemLog(QStringLiteral("Successfully deleted"));
        else
            systemLog(QStringLiteral("Failed to delete: %1 Error: %2")
                          .arg(boardPath, file.errorString()));
    }
}

} // namespace DeviceFixups
