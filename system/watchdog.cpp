#include "watchdog.h"

#include "board.h"
#include "systemlog.h"

const QString Watchdog::kDevice = QStringLiteral("/dev/watchdog");

Watchdog::Watchdog(QObject *parent) : QObject(parent)
{
    m_Timer_WatchDog.setInterval(kFeedIntervalMs);
    connect(&m_Timer_WatchDog, &QTimer::timeout, this, &Watchdog::feed);
}

Watchdog::~Watchdog()
{
    m_Timer_WatchDog.stop();
}

void Watchdog::start()
{
    if (m_wdt_fd != -1)
        return;
    Board &board = Board::instance();
    m_wdt_fd = board.openWatchdog(kDevice);
    if (m_wdt_fd == -1) {
        systemLog(kDevice + QStringLiteral("fail to open !"));
        return;
    }
    systemLog(kDevice + QStringLiteral(" is opened!"));
    if (board.setWatchdogTimeout(m_wdt_fd, kTimeoutSeconds) != 0)
        systemLog(
            QStringLiteral("watchdog refused the time-out of %1 seconds").arg(kTimeoutSeconds));
    // What the driver made of the request is what counts (some round or clamp it).
    m_timeout = qMax(0, board.watchdogTimeout(m_wdt_fd));
    systemLog(QStringLiteral("The timeout was is %1 seconds").arg(m_timeout));
    m_Timer_WatchDog.start();
}

void Watchdog::feed()
{
    if (m_wdt_fd != -1)
        Board::instance().writeWatchdog(m_wdt_fd, '\0');
}

void Watchdog::close()
{
    if (m_wdt_fd == -1)
        return;
    m_Timer_WatchDog.stop();
    Board &board = Board::instance();
    board.writeWatchdog(m_wdt_fd, 'V');
    const int result = board.closeWatchdog(m_wdt_fd);
    systemLog(QStringLiteral("==>watchdog closed: %1").arg(result));
    m_wdt_fd = -1;
    m_timeout = 0;
}
