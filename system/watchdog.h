#pragma once

#include <QObject>
#include <QTimer>

// The board's hardware watchdog: it resets the board unless fed within the time-out, so a panel
// that hangs comes back by itself. Opened once at start, fed from the event loop every second,
// stopped in order (magic "V") only before a deliberate restart or update; a program that ends
// otherwise leaves it to reset the board.
class Watchdog : public QObject
{
    Q_OBJECT
public:
    static constexpr int kTimeoutSeconds = 15;
    static constexpr int kFeedIntervalMs = 1000;
    static const QString kDevice; // "/dev/watchdog"

    explicit Watchdog(QObject *parent = nullptr);
    // Stops feeding; the device stays open (the operating system closes it without "V").
    ~Watchdog() override;

    // Opens the device, sets the time-out, reads it back and starts feeding. Without a device
    // the watchdog stays off and everything else goes on.
    void start();
    // Stops feeding, writes "V" and closes; does nothing once closed or when never opened.
    void close();
    void feed();

    int descriptor() const { return m_wdt_fd; }
    // The time-out read back from the device, 0 while it is not open.
    int timeoutSeconds() const { return m_timeout; }
    bool isFeeding() const { return m_Timer_WatchDog.isActive(); }

private:
    QTimer m_Timer_WatchDog;
    int m_wdt_fd = -1;
    int m_timeout = 0;
};
