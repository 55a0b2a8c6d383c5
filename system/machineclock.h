#pragma once

#include <QString>

// The system clock: setting it from the clock page and reading the hardware clock back.
class MachineClock
{
public:
    enum Outcome
    {
        Refused,     // not a date and time of the screens' form: nothing ran
        Set,         // the clock was set and the record written
        NotRecorded, // the clock was set, the record file did not open
    };

    // "/home/rvk/qdt_test.txt": what was asked for and what the hardware clock said.
    static const QString kRecordFile;
    // The read-back blocks the event loop that feeds the watchdog: a hanging hwclock must give up
    // well before the watchdog's 15 s run out and reset the board over a diagnostic.
    static constexpr int kHwclockTimeoutMs = 10000;

    // The clock page sends "yyyy-M-d H:m:s", one or two digits per field after the year. Only
    // such a text naming a real date and time is ever put into a command line.
    static bool isValidTime(const QString &text);
    // "yyyy-MM-dd HH:mm:ss" now.
    static QString now();

    // Sets the system clock to text, reads the hardware clock back and records both.
    Outcome set(const QString &text);
    QString hardwareClock() const { return m_hardwareClock; }

private:
    QString m_hardwareClock;
};
