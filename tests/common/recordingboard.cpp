#include "recordingboard.h"

RecordingBoard::RecordingBoard()
{
    Board::setInstance(this);
}

RecordingBoard::~RecordingBoard()
{
    Board::setInstance(nullptr);
}

Board::Result RecordingBoard::answer(const QString &commandLine) const
{
    Result result = simulatedAnswer(commandLine);
    for (auto it = exitCodes.cbegin(); it != exitCodes.cend(); ++it)
        if (commandLine.contains(it.key()))
            result.exitCode = it.value();
    for (auto it = outputs.cbegin(); it != outputs.cend(); ++it)
        if (commandLine.contains(it.key()))
            result.output = it.value();
    return result;
}

int RecordingBoard::system(const QString &commandLine)
{
    actions << commandLine;
    return answer(commandLine).exitCode;
}

Board::Result RecordingBoard::bash(const QString &commandLine, int)
{
    actions << commandLine;
    return answer(commandLine);
}

bool RecordingBoard::writeDevice(const QString &path, const QByteArray &value)
{
    actions << QStringLiteral("%1 <- %2").arg(path, QString::fromUtf8(value));
    for (const QString &failing : failingDevices)
        if (path.contains(failing))
            return false;
    return true;
}
