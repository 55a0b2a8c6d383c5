#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

// Every action on the board's operating system goes through here: shell command lines, writes to
// device and /sys files, the board's fixed folders. The panel build carries them out; every other
// build uses a simulated board that carries out nothing, appends one line per action to
// "board-journal.log" in the home folder and maps the fixed folders into the home folder, so each
// feature can be exercised on a PC without touching the machine it runs on.
class Board
{
public:
    struct Result
    {
        int exitCode = 0;
        QByteArray output;
        bool timedOut = false;
    };

    virtual ~Board() = default;

    static Board &instance();
    // Replaces the board (tests install a recording one); nullptr restores the build's default.
    // The caller keeps ownership.
    static void setInstance(Board *board);

    // A command line run through the shell ("system"); returns its exit status.
    virtual int system(const QString &commandLine) = 0;
    // A command line run with "bash -c", its standard output captured.
    virtual Result bash(const QString &commandLine, int timeoutMs = 30000) = 0;
    // A read-only query tool (nmcli and the like). It changes nothing on the machine, so every
    // build runs it for real, bounded by timeoutMs.
    virtual Result query(const QString &program, const QStringList &arguments, int timeoutMs);
    // Writes value to a device or /sys file; returns false when it could not be written.
    virtual bool writeDevice(const QString &path, const QByteArray &value) = 0;
    // Where a fixed board path ("/home/rvk/...", "/mnt/disk/...") is on this build.
    virtual QString path(const QString &boardPath) const = 0;
    virtual bool isSimulated() const = 0;

    // The hardware watchdog through the Linux watchdog interface. openWatchdog gives a
    // descriptor, -1 when the device does not open; setWatchdogTimeout and closeWatchdog return
    // what the calls return (0 on success); watchdogTimeout reads the time-out in force, -1 on
    // failure; writeWatchdog writes one byte (0 feeds, 'V' is the magic close character). A board
    // without a watchdog keeps these defaults: nothing opens.
    virtual int openWatchdog(const QString &devicePath);
    virtual int setWatchdogTimeout(int fd, int seconds);
    virtual int watchdogTimeout(int fd);
    virtual bool writeWatchdog(int fd, char byte);
    virtual int closeWatchdog(int fd);
};

// Runs everything for real: only the panel build uses it.
class PanelBoard : public Board
{
public:
    int system(const QString &commandLine) override;
    Result bash(const QString &commandLine, int timeoutMs) override;
    bool writeDevice(const QString &path, const QByteArray &value) override;
    QString path(const QString &boardPath) const override { return boardPath; }
    bool isSimulated() const override { return false; }
    int openWatchdog(const QString &devicePath) override;
    int setWatchdogTimeout(int fd, int seconds) override;
    int watchdogTimeout(int fd) override;
    bool writeWatchdog(int fd, char byte) override;
    int closeWatchdog(int fd) override;
};

// Journals every action and carries out none.
class SimulatedBoard : public Board
{
public:
    int system(const QString &commandLine) override;
    Result bash(const QString &commandLine, int timeoutMs) override;
    bool writeDevice(const QString &path, const QByteArray &value) override;
    QString path(const QString &boardPath) const override;
    bool isSimulated() const override { return true; }

    // A simulated watchdog: it opens once (unless absent), keeps the time-out it is given,
    // counts feeds without journaling each one, and journals opening, time-out and closing.
    struct Watchdog
    {
        static constexpr int kDescriptor = 100;
        bool present = true;
        bool open = false;
        int timeout = 0;
        int feeds = 0;
        int magicCloses = 0;
    };
    Watchdog watchdog;
    int openWatchdog(const QString &devicePath) override;
    int setWatchdogTimeout(int fd, int seconds) override;
    int watchdogTimeout(int fd) override;
    bool writeWatchdog(int fd, char byte) override;
    int closeWatchdog(int fd) override;

    // The folder under the home folder that stands for the board's root ("<home>/board").
    static QString root();
    static QString journalPath();

protected:
    // Appends one line to the journal and the log.
    void journal(const QString &line) const;
    // Answers that the simulated board gives to some read-back commands (the clock).
    virtual Result simulatedAnswer(const QString &commandLine) const;
};
