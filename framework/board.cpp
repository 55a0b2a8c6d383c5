#include "board.h"

#include "paths.h"

#include <QDateTime>
#include <QDebug>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>

#include <cstdlib>

#include <fcntl.h>
#include <linux/watchdog.h>
#include <sys/ioctl.h>
#include <unistd.h>

namespace {
Board *g_override = nullptr;

Board::Result runProcess(const QString &program, const QStringList &arguments, int timeoutMs)
{
    Board::Result result;
    QProcess process;
    process.setProcessChannelMode(QProcess::SeparateChannels);
    process.start(program, arguments, QIODevice::ReadOnly);
    if (!process.waitForStarted(timeoutMs)) {
        result.exitCode = -1;
        return result;
    }
    if (!process.waitForFinished(timeoutMs)) {
        process.kill();
        process.waitForFinished(1000);
        result.timedOut = true;
        result.exitCode = -1;
        result.output = process.readAllStandardOutput();
        return result;
    }
    result.output = process.readAllStandardOutput();
    result.exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    return result;
}
} // namespace

Board &Board::instance()
{
    if (g_override)
        return *g_override;
#ifdef TAVRIO_PANEL_BUILD
    static PanelBoard board;
#else
    static SimulatedBoard board;
#endif
    return board;
}

void Board::setInstance(Board *board)
{
    g_override = board;
}

Board::Result Board::query(const QString &program, const QStringList &arguments, int timeoutMs)
{
    return runProcess(program, arguments, timeoutMs);
}

int Board::openWatchdog(const QString &)
{
    return -1;
}
int Board::setWatchdogTimeout(int, int)
{
    return -1;
}
int Board::watchdogTimeout(int)
{
    return -1;
}
bool Board::writeWatchdog(int, char)
{
    return false;
}
int Board::closeWatchdog(int)
{
    return -1;
}

// ---- panel -------------------------------------------------------------------------------------

int PanelBoard::system(const QString &commandLine)
{
    const int status = std::system(commandLine.toLocal8Bit().constData());
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

Board::Result PanelBoard::bash(const QString &commandLine, int timeoutMs)
{
    return runProcess(QStringLiteral("bash"), {QStringLiteral("-c"), commandLine}, timeoutMs);
}

bool PanelBoard::writeDevice(const QString &path, const QByteArray &value)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return false;
    return file.write(value) == value.size();
}

int PanelBoard::openWatchdog(const QString &devicePath)
{
    return ::open(QFile::encodeName(devicePath).constData(), O_WRONLY | O_CLOEXEC);
}

int PanelBoard::setWatchdogTimeout(int fd, int seconds)
{
    int timeout = seconds;
    return ::ioctl(fd, WDIOC_SETTIMEOUT, &timeout);
}

int PanelBoard::watchdogTimeout(int fd)
{
    int timeout = 0;
    return ::ioctl(fd, WDIOC_GETTIMEOUT, &timeout) == 0 ? timeout : -1;
}

bool PanelBoard::writeWatchdog(int fd, char byte)
{
    return ::write(fd, &byte, 1) == 1;
}

int PanelBoard::closeWatchdog(int fd)
{
    return ::close(fd);
}

// ---- simulated ---------------------------------------------------------------------------------

QString SimulatedBoard::root()
{
    return Paths::executableDir() + QStringLiteral("/board");
}

QString SimulatedBoard::journalPath()
{
    return Paths::executableDir() + QStringLiteral("/board-journal.log");
}

void SimulatedBoard::journal(const QString &line) const
{
    QFile file(journalPath());
    if (file.open(QIODevice::Append | QIODevice::Text)) {
        file.write(line.toUtf8());
        file.write("\n");
    }
    qInfo().noquote() << "board:" << line;
}

int SimulatedBoard::system(const QString &commandLine)
{
    journal(commandLine);
    return simulatedAnswer(commandLine).exitCode;
}

Board::Result SimulatedBoard::bash(const QString &commandLine, int)
{
    journal(commandLine);
    return simulatedAnswer(commandLine);
}

bool SimulatedBoard::writeDevice(const QString &path, const QByteArray &value)
{
    journal(QStringLiteral("%1 <- %2").arg(path, QString::fromUtf8(value)));
    return true;
}

QString SimulatedBoard::path(const QString &boardPath) const
{
    // Only the board's own folders are mapped; the project's folders are already real.
    static const QStringList mapped = {QStringLiteral("/home/rvk"), QStringLiteral("/mnt/disk"),
                                       QStringLiteral("/root"), QStringLiteral("/dev"),
                                       QStringLiteral("/sys")};
    for (const QString &prefix : mapped) {
        if (boardPath == prefix || boardPath.startsWith(prefix + '/'))
            return root() + boardPath;
    }
    return boardPath;
}

Board::Result SimulatedBoard::simulatedAnswer(const QString &commandLine) const
{
    Result result;
    if (commandLine.contains(QLatin1String("hwclock")))
        result.output = QDateTime::currentDateTime()
                            .toString(QStringLiteral("yyyy-MM-dd HH:mm:ss.zzz000+00:00"))
                            .toUtf8();
    return result;
}

int SimulatedBoard::openWatchdog(const QString &devicePath)
{
    // Like the real device, it admits one opener at a time.
    const bool opens = watchdog.present && !watchdog.open;
    journal(QStringLiteral("watchdog open %1: %2").arg(devicePath, opens ? "opened" : "failed"));
    if (!opens)
        return -1;
    watchdog.open = true;
    return Watchdog::kDescriptor;
}

int SimulatedBoard::setWatchdogTimeout(int fd, int seconds)
{
    if (!watchdog.open || fd != Watchdog::kDescriptor)
        return -1;
    watchdog.timeout = seconds;
    journal(QStringLiteral("watchdog timeout %1").arg(seconds));
    return 0;
}

int SimulatedBoard::watchdogTimeout(int fd)
{
    return watchdog.open && fd == Watchdog::kDescriptor ? watchdog.timeout : -1;
}

bool SimulatedBoard::writeWatchdog(int fd, char byte)
{
    if (!watchdog.open || fd != Watchdog::kDescriptor)
        return false;
    if (byte == 'V') {
        ++watchdog.magicCloses;
        journal(QStringLiteral("watchdog <- V"));
    } else {
        ++watchdog.feeds;
    }
    return true;
}

int SimulatedBoard::closeWatchdog(int fd)
{
    if (!watchdog.open || fd != Watchdog::kDescriptor)
        return -1;
    watchdog.open = false;
    journal(QStringLiteral("watchdog closed"));
    return 0;
}
