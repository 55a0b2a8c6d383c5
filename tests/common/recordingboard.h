#pragma once

#include "board.h"

#include <QMap>
#include <QStringList>

// A board that records every action in order and answers with preset exit codes and output. It
// installs itself for its lifetime.
class RecordingBoard : public SimulatedBoard
{
public:
    RecordingBoard();
    ~RecordingBoard() override;

    int system(const QString &commandLine) override;
    Result bash(const QString &commandLine, int timeoutMs) override;
    bool writeDevice(const QString &path, const QByteArray &value) override;

    // Actions as journaled: a command line, or "<path> <- <value>".
    QStringList actions;
    // Exit code and output for command lines containing the key.
    QMap<QString, int> exitCodes;
    QMap<QString, QByteArray> outputs;
    // Device writes fail for paths containing any of these.
    QStringList failingDevices;

private:
    Result answer(const QString &commandLine) const;
};
