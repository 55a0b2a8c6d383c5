#include "board.h"

#include "paths.h"

#include <QDateTime>
#include <QDebug>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>

#include <cstdlib>

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

void Board::setInstance(Board *board) { g_override = board; }

Board::Result Board::query(const QString &program, const QStringList &arguments, int timeoutMs)
{
    return runProcess(program, arguments, timeoutMs);
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

// ---- simulated ---------------------------------------------------------------------------------

QString SimulatedBoard::root() { return Paths::executableDir() + QStringLiteral("/board"); }

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
