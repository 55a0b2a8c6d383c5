#include "ptypeer.h"

#include <QSocketNotifier>
#include <QTimer>

#include <fcntl.h>
#include <termios.h>
#include <unistd.h>

PtyPeer::PtyPeer(QObject *parent) : QObject(parent)
{
    m_master = ::posix_openpt(O_RDWR | O_NOCTTY);
    if (m_master < 0)
        return;
    if (::grantpt(m_master) != 0 || ::unlockpt(m_master) != 0 || !::ptsname(m_master)) {
        ::close(m_master);
        m_master = -1;
        return;
    }
    m_path = QString::fromLocal8Bit(::ptsname(m_master));
    // Held open so that the master stays readable while the panel closes and reopens its end.
    m_slaveHold = ::open(::ptsname(m_master), O_RDWR | O_NOCTTY);
    termios t{};
    if (m_slaveHold >= 0 && ::tcgetattr(m_slaveHold, &t) == 0) {
        ::cfmakeraw(&t);
        ::tcsetattr(m_slaveHold, TCSANOW, &t);
    }
    ::fcntl(m_master, F_SETFL, ::fcntl(m_master, F_GETFL) | O_NONBLOCK);
    m_notifier = new QSocketNotifier(m_master, QSocketNotifier::Read, this);
    connect(m_notifier, &QSocketNotifier::activated, this, &PtyPeer::onReadable);
}

PtyPeer::~PtyPeer()
{
    hangUp();
}

void PtyPeer::hangUp()
{
    delete m_notifier;
    m_notifier = nullptr;
    if (m_slaveHold >= 0)
        ::close(m_slaveHold);
    m_slaveHold = -1;
    if (m_master >= 0)
        ::close(m_master);
    m_master = -1;
}

void PtyPeer::write(const QByteArray &bytes)
{
    if (m_master >= 0 &&
        ::write(m_master, bytes.constData(), static_cast<size_t>(bytes.size())) < 0)
        qWarning("peer write failed");
}

QList<QByteArray> PtyPeer::writes() const
{
    QList<QByteArray> result;
    for (const QByteArray &line : lines) {
        if (line != "$?")
            result << line;
    }
    return result;
}

void PtyPeer::onReadable()
{
    char buffer[1024];
    for (;;) {
        const ssize_t n = ::read(m_master, buffer, sizeof buffer);
        if (n <= 0)
            break;
        m_in.append(buffer, static_cast<int>(n));
    }
    int nl;
    while ((nl = m_in.indexOf('\n')) >= 0) {
        const QByteArray line = m_in.left(nl);
        m_in.remove(0, nl + 1);
        lines << line;
        if (line == "$?") {
            if (!statusAnswer.isEmpty())
                write(statusAnswer);
        } else if (autoAckMs == 0) {
            write("ik\n");
        } else if (autoAckMs > 0) {
            QTimer::singleShot(autoAckMs, this, [this] { write("ik\n"); });
        }
        emit lineReceived(line);
    }
}
