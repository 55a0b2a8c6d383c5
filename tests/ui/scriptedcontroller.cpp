#include "scriptedcontroller.h"

#include <QSocketNotifier>

#include <cerrno>
#include <fcntl.h>
#include <termios.h>
#include <unistd.h>

ScriptedController::ScriptedController(QObject *parent) : QObject(parent)
{
    // An idle press at room temperature; the status line always carries 13 fields, the error
    // code last because a zero there ends the decoding of the line.
    for (int reg : {99, 100, 101, 102, 103, 110, 120, 121, 122, 131, 132})
        m_registers.insert(reg, QStringLiteral("0"));
    m_registers[99] = QStringLiteral("250");
    m_registers[105] = QStringLiteral("804A00");
    m_registers[130] = QStringLiteral("0");
}

ScriptedController::~ScriptedController()
{
    delete m_notifier;
    if (m_slaveKeepAlive >= 0)
        ::close(m_slaveKeepAlive);
    if (m_master >= 0)
        ::close(m_master);
}

QString ScriptedController::open()
{
    m_master = ::posix_openpt(O_RDWR | O_NOCTTY | O_NONBLOCK);
    if (m_master < 0 || ::grantpt(m_master) != 0 || ::unlockpt(m_master) != 0)
        return QString();
    m_slavePath = QString::fromLocal8Bit(::ptsname(m_master));
    // Holding the panel's end open keeps the terminal alive while the panel closes and reopens
    // it; raw mode so nothing is echoed back to us.
    m_slaveKeepAlive = ::open(m_slavePath.toLocal8Bit().constData(), O_RDWR | O_NOCTTY);
    if (m_slaveKeepAlive >= 0) {
        termios tio;
        if (::tcgetattr(m_slaveKeepAlive, &tio) == 0) {
            ::cfmakeraw(&tio);
            ::tcsetattr(m_slaveKeepAlive, TCSANOW, &tio);
        }
    }
    m_notifier = new QSocketNotifier(m_master, QSocketNotifier::Read);
    connect(m_notifier, &QSocketNotifier::activated, this, &ScriptedController::readAvailable);
    return m_slavePath;
}

void ScriptedController::setRegister(int reg, const QString &value)
{
    m_registers[reg] = value;
}

void ScriptedController::readAvailable()
{
    char chunk[512];
    for (;;) {
        const ssize_t n = ::read(m_master, chunk, sizeof chunk);
        if (n <= 0)
            break;
        m_buffer.append(chunk, int(n));
    }
    int end;
    while ((end = m_buffer.indexOf('\n')) >= 0) {
        const QByteArray line = m_buffer.left(end);
        m_buffer.remove(0, end + 1);
        handleLine(line.trimmed());
    }
}

void ScriptedController::handleLine(const QByteArray &line)
{
    if (line.isEmpty())
        return;
    if (line == "$?") {
        const QByteArray status = statusLine();
        [[maybe_unused]] const auto written =
            ::write(m_master, status.constData(), size_t(status.size()));
        ++m_statusReplies;
        return;
    }
    const int star = line.lastIndexOf('*');
    const QByteArray body = star >= 0 ? line.left(star) : line;
    int sum = 0;
    for (const char c : body)
        sum ^= static_cast<unsigned char>(c);
    if (star < 0 || line.mid(star + 1).toInt() != sum)
        m_badFrames << QString::fromLatin1(line);
    // The link resends a line until it is acknowledged; a resend is the same write.
    m_writes << QString::fromLatin1(body);
    static const char ack[] = "ik\r\n";
    [[maybe_unused]] const auto written = ::write(m_master, ack, sizeof ack - 1);
}

QByteArray ScriptedController::statusLine() const
{
    QStringList fields;
    for (auto it = m_registers.constBegin(); it != m_registers.constEnd(); ++it) {
        if (it.key() != 130)
            fields << QStringLiteral("$%1=%2").arg(it.key()).arg(it.value());
    }
    fields << QStringLiteral("$130=%1").arg(m_registers.value(130));
    return fields.join(QStringLiteral("##")).toLatin1() + "\n";
}
