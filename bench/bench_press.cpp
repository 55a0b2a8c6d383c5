// Heat-press link figures, each beside a baseline measured in the same run:
//  1. status lines decoded into hub signals per second, beside a naive split-based decoder;
//  2. latency from the controller simulator writing a status line to the hub signal, beside the
//     latency to the port's first read notification (the transport alone);
//  3. CPU of the real panel process while idle and polling the simulator, beside the same
//     panel with no controller attached (port closed, nothing polled).
// "--quick" runs each part briefly (the test suite checks that the benchmark works).

#include "baseparameter.h"
#include "qmlsignal.h"
#include "vevodaraserial.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QProcess>
#include <QTemporaryDir>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <ctime>
#include <unistd.h>

namespace {
bool g_quick = false;

qint64 monotonicNs()
{
    timespec now{};
    ::clock_gettime(CLOCK_MONOTONIC, &now);
    return static_cast<qint64>(now.tv_sec) * 1000000000LL + now.tv_nsec;
}

QString statusText(int i)
{
    return QStringLiteral("$99=%1##$100=1800##$101=0##$102=15##$103=12##$105=80A1B2##$110=0##"
                          "$120=251##$121=450##$122=0##$135=0##$140=0##$130=0\n")
        .arg(1700 + i % 100);
}

// What a first attempt would write: split everything, convert every piece.
double naiveDecode(const QString &chunk)
{
    double sum = 0;
    const QStringList lines = chunk.split('\n');
    if (lines.size() < 2)
        return 0;
    const QStringList fields = lines.at(lines.size() - 2).split(QStringLiteral("##"));
    if (fields.size() != 13)
        return 0;
    for (const QString &field : fields) {
        const QStringList parts = field.mid(1).split('=');
        if (parts.size() == 2)
            sum += parts.at(0).toInt() + parts.at(1).toDouble();
    }
    return sum;
}

void decodeThroughput()
{
    const int n = g_quick ? 20000 : 400000;
    QVector<QString> lines;
    for (int i = 0; i < 100; ++i)
        lines << statusText(i);

    VevOdaraSerial link(QStringLiteral("bench-link"));
    link.init();
    link.m_nRun = 0;
    double received = 0;
    QObject scope; // ends the connection with this function
    QObject::connect(QmlSignal::get_instance(), &QmlSignal::update_cur_act_temperature, &scope,
                     [&](double t) { received += t; });
    QElapsedTimer clock;
    clock.start();
    for (int i = 0; i < n; ++i)
        link.handleReceived(lines.at(i % lines.size()));
    const double panelSeconds = clock.nsecsElapsed() / 1e9;

    double sink = 0;
    clock.restart();
    for (int i = 0; i < n; ++i)
        sink += naiveDecode(lines.at(i % lines.size()));
    const double naiveSeconds = clock.nsecsElapsed() / 1e9;
    if (received <= 0 || sink <= 0)
        std::printf("decode: nothing decoded\n");
    std::printf("decode: panel %.0f lines/s (into hub signals), naive split decoder %.0f lines/s\n",
                n / panelSeconds, n / naiveSeconds);
}

double median(QVector<double> v)
{
    if (v.isEmpty())
        return -1;
    std::sort(v.begin(), v.end());
    return v.at(v.size() / 2);
}

void latency(const QString &simPath)
{
    QProcess sim;
    sim.start(simPath, {QStringLiteral("--quiet"), QStringLiteral("--trace")});
    if (!sim.waitForStarted() || !sim.waitForReadyRead(5000)) {
        std::printf("latency: simulator did not start\n");
        return;
    }
    const QByteArray device = sim.readLine().trimmed();
    qputenv("TAVRIO_SERIAL_PORT", device);

    VevOdaraSerial link(QStringLiteral("bench-latency"));
    link.init();
    QVector<qint64> notified, decoded;
    QObject scope; // ends the connections with this function
    // Connected before the link's own handler, so it runs first on each notification.
    QObject::connect(link.serial, &QSerialPort::readyRead, &scope,
                     [&] { notified << monotonicNs(); });
    QObject::connect(QmlSignal::get_instance(), &QmlSignal::update_cur_act_temperature, &scope,
                     [&](double) { decoded << monotonicNs(); });
    if (link.OpenSerial() != 0) {
        std::printf("latency: port did not open\n");
        return;
    }
    link.enqueue({});
    link.StartSetTimer(); // straight to polling
    const int samples = g_quick ? 10 : 100;
    QElapsedTimer guard;
    guard.start();
    while (decoded.size() < samples + 2 && guard.elapsed() < 60000)
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
    link.CloseSerial();

    QVector<qint64> written;
    QByteArray out = sim.readAllStandardOutput();
    for (const QByteArray &line : out.split('\n')) {
        if (line.startsWith("status "))
            written << line.mid(7).toLongLong();
    }
    sim.kill();
    sim.waitForFinished();

    // Pair each decode with the latest status write before it.
    QVector<double> toSignal, toNotify;
    for (qint64 t : qAsConst(decoded)) {
        qint64 w = -1;
        for (qint64 x : qAsConst(written))
            if (x <= t)
                w = x;
        if (w > 0)
            toSignal << (t - w) / 1e6;
    }
    for (qint64 t : qAsConst(notified)) {
        qint64 w = -1;
        for (qint64 x : qAsConst(written))
            if (x <= t)
                w = x;
        if (w > 0)
            toNotify << (t - w) / 1e6;
    }
    std::printf("latency: status write -> hub signal median %.2f ms (max %.2f, %d samples); "
                "-> port notification median %.2f ms\n",
                median(toSignal),
                toSignal.isEmpty() ? -1.0 : *std::max_element(toSignal.begin(), toSignal.end()),
                int(toSignal.size()), median(toNotify));
    qunsetenv("TAVRIO_SERIAL_PORT");
}

double cpuSeconds(qint64 pid)
{
    QFile stat(QStringLiteral("/proc/%1/stat").arg(pid));
    if (!stat.open(QIODevice::ReadOnly))
        return -1;
    const QByteArray text = stat.readAll();
    const QList<QByteArray> fields = text.mid(text.lastIndexOf(')') + 2).split(' ');
    // utime and stime are fields 14 and 15 of the file, 12 and 13 after the name.
    return (fields.value(11).toDouble() + fields.value(12).toDouble()) / ::sysconf(_SC_CLK_TCK);
}

double panelCpu(const QString &panelPath, const QString &seed, const QString &device)
{
    QTemporaryDir home;
    QProcess::execute(QStringLiteral("cp"), {QStringLiteral("-r"), seed + "/.", home.path()});
    QProcess panel;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("TAVRIO_HOME"), home.path());
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    env.insert(QStringLiteral("QT_QUICK_BACKEND"), QStringLiteral("software"));
    env.insert(QStringLiteral("TAVRIO_SERIAL_PORT"),
               device.isEmpty() ? home.path() + "/no-controller" : device);
    panel.setProcessEnvironment(env);
    panel.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    panel.setStandardOutputFile(QProcess::nullDevice());
    panel.start(panelPath, QStringList());
    if (!panel.waitForStarted())
        return -1;
    const int warmMs = g_quick ? 2000 : 5000;
    const int spanMs = g_quick ? 2000 : 20000;
    panel.waitForFinished(warmMs);
    const double before = cpuSeconds(panel.processId());
    QElapsedTimer clock;
    clock.start();
    panel.waitForFinished(spanMs);
    const double used = cpuSeconds(panel.processId()) - before;
    const double percent = 100.0 * used / (clock.elapsed() / 1000.0);
    panel.terminate();
    panel.waitForFinished(10000);
    return percent;
}

void idleCpu(const QString &panelPath, const QString &simPath, const QString &seed)
{
    QProcess sim;
    sim.start(simPath, {QStringLiteral("--quiet")});
    if (!sim.waitForStarted() || !sim.waitForReadyRead(5000)) {
        std::printf("cpu: simulator did not start\n");
        return;
    }
    const QString device = QString::fromLocal8Bit(sim.readLine().trimmed());
    const double polling = panelCpu(panelPath, seed, device);
    sim.kill();
    sim.waitForFinished();
    const double unplugged = panelCpu(panelPath, seed, QString());
    std::printf("cpu: panel idle and polling the simulator %.2f %% of one core; panel with no "
                "controller %.2f %%\n",
                polling, unplugged);
}
} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    g_quick = app.arguments().contains(QStringLiteral("--quick"));
    QTemporaryDir home;
    qputenv("TAVRIO_HOME", home.path().toLocal8Bit());
    qputenv("QT_LOGGING_RULES", "*.debug=false;*.info=false;*.warning=false");
    GlobalPara::get_instance()->init_parameters(home.path() + "/Config");

    decodeThroughput();
    latency(QStringLiteral(TAVRIO_SIM));
    idleCpu(QStringLiteral(TAVRIO_EXECUTABLE), QStringLiteral(TAVRIO_SIM),
            QStringLiteral(TAVRIO_SEED_DIR));
    return 0;
}
