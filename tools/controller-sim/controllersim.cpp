#include "controllersim.h"

#include <QSocketNotifier>
#include <QTextStream>
#include <QTimer>

#include <cerrno>
#include <cmath>
#include <cstdio>
#include <ctime>
#include <fcntl.h>
#include <termios.h>
#include <unistd.h>

namespace {
constexpr int kTickMs = 100;
constexpr int kMaxLine = 512;         // longer input without a line feed is noise: dropped
constexpr double kHeatPerSecond = 40; // 4 °C/s in tenths
constexpr double kCoolPerSecond = 8;  // 0.8 °C/s
constexpr int kLoadedCounts = 176000; // about 20 kg on the gauge

// The controller's own check of a written line, deliberately written apart from the panel's.
bool splitChecked(const QByteArray &line, QByteArray *body)
{
    const int star = line.lastIndexOf('*');
    if (star <= 0)
        return false;
    bool ok = false;
    const int claimed = line.mid(star + 1).toInt(&ok);
    if (!ok)
        return false;
    unsigned char x = 0;
    for (int i = 0; i < star; ++i)
        x = static_cast<unsigned char>(x ^ static_cast<unsigned char>(line.at(i)));
    *body = line.left(star);
    return claimed == x;
}
} // namespace

ControllerSim::ControllerSim(const Options &options, QObject *parent)
    : QObject(parent), m_opt(options)
{
    m_clock.start();
}

ControllerSim::~ControllerSim()
{
    if (m_master >= 0)
        ::close(m_master);
    if (m_slaveHold >= 0)
        ::close(m_slaveHold);
}

QString ControllerSim::usage()
{
    return QStringLiteral(
        "tavrio-controller-sim [--quiet] [--log-polls] [--trace] [--ack-delay MS] [--speed X] "
        "[--fault CMD]...\n"
        "Prints the pseudo-terminal's path on the first line, then serves it as the press's\n"
        "controller board. Commands on standard input (or --fault \"CMD\"):\n"
        "  drop-ack [N]      answer the next N written lines with nothing\n"
        "  split-ack [N]     send the next N acknowledgements as \"i\" and \"k\" 60 ms apart\n"
        "  ack-delay MS      delay every acknowledgement\n"
        "  garbage [N]       send N lines of garbage before the next status answers\n"
        "  nolf [N]          send N bytes without a line feed\n"
        "  double [N]        answer the next N status requests with two lines in one chunk\n"
        "  error N           report error code N (1 to 3; 0 clears)\n"
        "  estop on|off      emergency stop (work state 2)\n"
        "  gauge broken|ok   the strain gauge reads 0\n"
        "  piece             finish a piece now (counter + 1)\n"
        "  jump N            the piece counter jumps by N\n"
        "  silence on|off    answer nothing at all\n"
        "  hangup            close the line and leave\n"
        "  state             print the registers\n"
        "  quit\n");
}

QString ControllerSim::open()
{
    m_master = ::posix_openpt(O_RDWR | O_NOCTTY);
    if (m_master < 0 || ::grantpt(m_master) != 0 || ::unlockpt(m_master) != 0)
        return {};
    const char *name = ::ptsname(m_master);
    if (!name)
        return {};
    const QString path = QString::fromLocal8Bit(name);
    // Holding the slave open keeps the master readable while the panel closes and reopens.
    m_slaveHold = ::open(name, O_RDWR | O_NOCTTY);
    if (m_slaveHold >= 0) {
        termios t{};
        if (::tcgetattr(m_slaveHold, &t) == 0) {
            ::cfmakeraw(&t);
            ::tcsetattr(m_slaveHold, TCSANOW, &t);
        }
    }
    ::fcntl(m_master, F_SETFL, ::fcntl(m_master, F_GETFL) | O_NONBLOCK);
    m_notifier = new QSocketNotifier(m_master, QSocketNotifier::Read, this);
    connect(m_notifier, &QSocketNotifier::activated, this, &ControllerSim::onReadable);
    m_physics = new QTimer(this);
    connect(m_physics, &QTimer::timeout, this, &ControllerSim::step);
    m_physics->start(kTickMs);
    return path;
}

void ControllerSim::say(const QString &text) const
{
    if (m_opt.quiet)
        return;
    std::printf("%s\n", text.toLocal8Bit().constData());
    std::fflush(stdout);
}

void ControllerSim::send(const QByteArray &bytes)
{
    if (m_master < 0)
        return;
    qint64 done = 0;
    while (done < bytes.size()) {
        const ssize_t n =
            ::write(m_master, bytes.constData() + done, static_cast<size_t>(bytes.size() - done));
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return; // the panel is not reading; a real line would lose it too
        }
        done += n;
    }
}

void ControllerSim::onReadable()
{
    char buffer[512];
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
        handleLine(line);
    }
    if (m_in.size() > kMaxLine)
        m_in.clear();
}

void ControllerSim::handleLine(const QByteArray &raw)
{
    const QByteArray line = raw.trimmed();
    if (line.isEmpty())
        return;
    if (line == "$?") {
        if (m_opt.logPolls)
            say(QStringLiteral("rx $?"));
        sendStatus();
        return;
    }
    QByteArray body;
    if (!splitChecked(line, &body)) {
        say(QStringLiteral("rx-bad ") + QString::fromLatin1(line));
        if (!m_silent)
            send("err checksum\n");
        return;
    }
    say(QStringLiteral("rx ") + QString::fromLatin1(body));
    handleWrite(body);
    acknowledge();
}

void ControllerSim::acknowledge()
{
    if (m_silent)
        return;
    if (m_dropAcks > 0) {
        --m_dropAcks;
        say(QStringLiteral("fault: acknowledgement dropped"));
        return;
    }
    const bool split = m_splitAcks > 0;
    if (split)
        --m_splitAcks;
    auto deliver = [this, split] {
        if (split) {
            send("i");
            QTimer::singleShot(60, this, [this] { send("k\n"); });
        } else {
            send("ik\n");
        }
    };
    if (m_opt.ackDelayMs > 0)
        QTimer::singleShot(m_opt.ackDelayMs, this, deliver);
    else
        deliver();
}

void ControllerSim::handleWrite(const QByteArray &body)
{
    if (body == "M190") {
        if (!m_estop) {
            m_state = 1;
            m_remaining = m_time;
            m_remainingExact = m_time;
            m_load = kLoadedCounts;
        }
        return;
    }
    if (body == "M200") {
        m_state = m_estop ? 2 : 0;
        m_remaining = 0;
        m_load = 0;
        return;
    }
    if (!body.startsWith('$'))
        return;
    const int eq = body.indexOf('=');
    if (eq < 0)
        return;
    const int reg = body.mid(1, eq - 1).toInt();
    const QByteArray value = body.mid(eq + 1);
    switch (reg) {
    case 100:
        m_dest = static_cast<int>(value.toDouble());
        m_sleeping = false;
        break;
    case 102:
        m_time = value.toInt();
        break;
    case 122:
        m_counter = value.toInt();
        break;
    case 135:
        m_sleeping = value.toInt() == 1;
        break;
    default:
        break; // 106-111 change nothing the simulation shows
    }
}

QByteArray ControllerSim::statusLine()
{
    const int reading =
        m_gaugeBroken ? 0 : m_tare + m_load + static_cast<int>(m_rng.bounded(400)) - 200;
    QByteArray line;
    line += "$99=" + QByteArray::number(qRound(m_act));
    line += "##$100=" + QByteArray::number(m_dest);
    line += "##$101=" + QByteArray::number(m_destPress);
    line += "##$102=" + QByteArray::number(m_time);
    line += "##$103=" + QByteArray::number(m_remaining);
    line += "##$105=" + QByteArray::number(reading, 16).toUpper();
    line += "##$110=" + QByteArray::number(m_estop ? 2 : m_state);
    line += "##$120=" + QByteArray::number(qRound(m_ambient));
    line += "##$121=" + QByteArray::number(qRound(m_humidity));
    line += "##$122=" + QByteArray::number(m_counter);
    line += "##$135=" + QByteArray::number(m_sleeping ? 1 : 0);
    line += "##$140=0";
    line += "##$130=" + QByteArray::number(m_error);
    return line + '\n';
}

void ControllerSim::sendStatus()
{
    if (m_silent)
        return;
    QByteArray chunk;
    while (m_garbage > 0) {
        --m_garbage;
        for (int i = 0; i < 40; ++i)
            chunk += static_cast<char>(m_rng.bounded(33, 127));
        chunk += '\n';
    }
    if (m_noLineFeed > 0) {
        for (int i = 0; i < m_noLineFeed; ++i)
            chunk += static_cast<char>('A' + m_rng.bounded(26));
        m_noLineFeed = 0;
        send(chunk);
        return;
    }
    if (m_doubleStatus > 0) {
        --m_doubleStatus;
        chunk += statusLine();
    }
    chunk += statusLine();
    timespec now{};
    ::clock_gettime(CLOCK_MONOTONIC, &now);
    send(chunk);
    if (m_opt.trace) {
        std::printf("status %lld\n",
                    static_cast<long long>(now.tv_sec) * 1000000000LL + now.tv_nsec);
        std::fflush(stdout);
    }
}

void ControllerSim::step()
{
    const double dt = kTickMs / 1000.0 * m_opt.speed;
    const double target = m_sleeping ? m_ambient : static_cast<double>(m_dest);
    if (m_act < target)
        m_act = std::min(target, m_act + kHeatPerSecond * dt);
    else
        m_act = std::max(std::max(target, m_ambient), m_act - kCoolPerSecond * dt);
    m_ambient += (m_rng.generateDouble() - 0.5) * 0.4;
    m_ambient = qBound(200.0, m_ambient, 300.0);
    m_humidity += (m_rng.generateDouble() - 0.5) * 1.0;
    m_humidity = qBound(300.0, m_humidity, 700.0);
    if (m_state == 1) {
        m_remainingExact -= dt;
        m_remaining = std::max(0, static_cast<int>(std::ceil(m_remainingExact)));
        if (m_remainingExact <= 0)
            finishCycle();
    }
}

void ControllerSim::finishCycle()
{
    m_state = 0;
    m_remaining = 0;
    m_load = 0;
    ++m_counter;
    say(QStringLiteral("piece %1").arg(m_counter));
}

void ControllerSim::hangUp()
{
    say(QStringLiteral("hangup"));
    delete m_notifier;
    m_notifier = nullptr;
    if (m_master >= 0)
        ::close(m_master);
    m_master = -1;
    if (m_slaveHold >= 0)
        ::close(m_slaveHold);
    m_slaveHold = -1;
}

QString ControllerSim::command(const QString &text)
{
    const QString simple = text.simplified();
    if (simple.isEmpty())
        return {};
    const QStringList words = simple.split(QLatin1Char(' '));
    const QString verb = words.at(0);
    const QString arg = words.value(1);
    const int n = arg.isEmpty() ? 1 : arg.toInt();
    const bool on = arg != QLatin1String("off") && arg != QLatin1String("ok");
    if (verb == QLatin1String("drop-ack"))
        m_dropAcks = n;
    else if (verb == QLatin1String("split-ack"))
        m_splitAcks = n;
    else if (verb == QLatin1String("ack-delay"))
        m_opt.ackDelayMs = arg.toInt();
    else if (verb == QLatin1String("garbage"))
        m_garbage = n;
    else if (verb == QLatin1String("nolf"))
        m_noLineFeed = arg.isEmpty() ? 2000 : n;
    else if (verb == QLatin1String("double"))
        m_doubleStatus = n;
    else if (verb == QLatin1String("error"))
        m_error = arg.toInt();
    else if (verb == QLatin1String("estop"))
        m_estop = on;
    else if (verb == QLatin1String("gauge"))
        m_gaugeBroken = on;
    else if (verb == QLatin1String("piece"))
        finishCycle();
    else if (verb == QLatin1String("jump"))
        m_counter += n;
    else if (verb == QLatin1String("silence"))
        m_silent = on;
    else if (verb == QLatin1String("hangup"))
        hangUp();
    else if (verb == QLatin1String("state"))
        return QString::fromLatin1(statusLine()).trimmed();
    else if (verb == QLatin1String("quit"))
        return QStringLiteral("quit");
    else
        return QStringLiteral("unknown command: ") + verb;
    return QStringLiteral("ok ") + text.simplified();
}
