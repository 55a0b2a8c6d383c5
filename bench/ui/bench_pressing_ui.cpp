// Side-by-side benchmark of the panel's screens against the smallest Qt Quick program, in one
// run, offscreen with the software renderer:
//   1. process start to the first frame (of the work screen for the panel), median of N runs;
//   2. one show_qml of the work frame and of the application frame, median (in-process);
//   3. peak memory (VmHWM) and CPU after 60 s idle, the panel polling the controller simulator.
// Usage: bench_pressing_ui [runs] [idle seconds]
#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>

#include <algorithm>
#include <cstdio>
#include <unistd.h>

namespace {

QProcessEnvironment baseEnvironment()
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("QT_QPA_PLATFORM", "offscreen");
    env.insert("QT_QUICK_BACKEND", "software");
    env.insert("QT_LOGGING_RULES", "qt.qpa.*=false");
    return env;
}

bool copyTree(const QString &from, const QString &to)
{
    QDir source(from);
    if (!QDir().mkpath(to))
        return false;
    for (const QFileInfo &entry :
         source.entryInfoList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden)) {
        const QString target = to + '/' + entry.fileName();
        if (entry.isDir() ? !copyTree(entry.filePath(), target)
                          : !QFile::copy(entry.filePath(), target))
            return false;
    }
    return true;
}

// A controller simulator on a fresh pseudo-terminal.
struct Simulator
{
    QProcess process;
    QString port;
    bool start()
    {
        process.start(QStringLiteral(TAVRIO_SIM), {QStringLiteral("--quiet")});
        if (!process.waitForStarted(5000) || !process.waitForReadyRead(5000))
            return false;
        port = QString::fromLocal8Bit(process.readLine()).trimmed();
        return !port.isEmpty();
    }
    ~Simulator()
    {
        process.kill();
        process.waitForFinished(2000);
    }
};

// Starts program and returns the milliseconds until it printed "first-frame" (-1 on failure).
double timeToFirstFrame(const QString &program, const QProcessEnvironment &env)
{
    QProcess p;
    p.setProcessEnvironment(env);
    p.setProcessChannelMode(QProcess::SeparateChannels);
    QElapsedTimer clock;
    clock.start();
    p.start(program, {QStringLiteral("--first-frame")});
    double ms = -1;
    QByteArray out;
    while (clock.elapsed() < 30000 && p.waitForReadyRead(30000)) {
        out += p.readAllStandardOutput();
        if (out.contains("first-frame")) {
            ms = clock.nsecsElapsed() / 1e6;
            break;
        }
    }
    p.kill();
    p.waitForFinished(5000);
    return ms;
}

double median(QVector<double> v)
{
    std::sort(v.begin(), v.end());
    return v.isEmpty() ? -1 : v.at(v.size() / 2);
}

struct ProcStat
{
    double cpuSeconds = 0;
    double peakMiB = 0;
    double rssMiB = 0;
};

ProcStat readProc(qint64 pid)
{
    ProcStat s;
    QFile stat(QStringLiteral("/proc/%1/stat").arg(pid));
    if (stat.open(QIODevice::ReadOnly)) {
        const QByteArray text = stat.readAll();
        // Fields after the command name, which may hold blanks, start past the last ')'.
        const QList<QByteArray> f = text.mid(text.lastIndexOf(')') + 2).split(' ');
        const double ticks = ::sysconf(_SC_CLK_TCK);
        if (f.size() > 12)
            s.cpuSeconds = (f.at(11).toDouble() + f.at(12).toDouble()) / ticks;
    }
    QFile status(QStringLiteral("/proc/%1/status").arg(pid));
    if (status.open(QIODevice::ReadOnly)) {
        for (const QByteArray &line : status.readAll().split('\n')) {
            const QList<QByteArray> parts = line.simplified().split(' ');
            if (parts.size() >= 2 && parts.at(0) == "VmHWM:")
                s.peakMiB = parts.at(1).toDouble() / 1024.0;
            if (parts.size() >= 2 && parts.at(0) == "VmRSS:")
                s.rssMiB = parts.at(1).toDouble() / 1024.0;
        }
    }
    return s;
}

void waitMs(int ms)
{
    QElapsedTimer t;
    t.start();
    while (t.elapsed() < ms) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
        QThread::msleep(20);
    }
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const int runs = qMax(1, app.arguments().value(1, QStringLiteral("11")).toInt());
    const int idleSeconds = qMax(15, app.arguments().value(2, QStringLiteral("60")).toInt());

    // Each panel run gets its own copy of the default data.
    auto panelEnv = [](QTemporaryDir &home, const QString &port) {
        copyTree(QStringLiteral(TAVRIO_SEED), home.path());
        QProcessEnvironment env = baseEnvironment();
        env.insert("TAVRIO_HOME", home.path());
        env.insert("TAVRIO_SERIAL_PORT", port);
        return env;
    };

    // 1. Start to first frame, the two programs alternating so that both see the same machine.
    QVector<double> minimal, panel;
    for (int i = 0; i < runs; ++i) {
        minimal << timeToFirstFrame(QStringLiteral(TAVRIO_MINIMAL), baseEnvironment());
        Simulator sim;
        QTemporaryDir home;
        if (!sim.start())
            return 2;
        panel << timeToFirstFrame(QStringLiteral(TAVRIO_PANEL_FRAMES), panelEnv(home, sim.port));
    }
    const double minimalStart = median(minimal), panelStart = median(panel);
    std::printf("start to first frame, median of %d (ms): minimal %.1f  panel %.1f  ratio %.2f  "
                "(bar 2.00)\n",
                runs, minimalStart, panelStart, panelStart / minimalStart);
    std::fflush(stdout);

    // 2. Building the two frames.
    {
        Simulator sim;
        QTemporaryDir home;
        if (!sim.start())
            return 2;
        QProcess p;
        p.setProcessEnvironment(panelEnv(home, sim.port));
        p.start(QStringLiteral(TAVRIO_PANEL_FRAMES),
                {QStringLiteral("--first-frame"), QStringLiteral("--build-times"),
                 QString::number(qMax(21, runs))});
        p.waitForFinished(120000);
        for (const QByteArray &line : p.readAllStandardOutput().split('\n')) {
            if (line.startsWith("build-"))
                std::printf("%s (bar 50)\n", line.constData());
        }
        std::fflush(stdout);
    }

    // 3. Idle against the simulator: both programs run side by side.
    {
        Simulator sim;
        QTemporaryDir home;
        if (!sim.start())
            return 2;
        QProcess minimalProcess, panelProcess;
        minimalProcess.setProcessEnvironment(baseEnvironment());
        panelProcess.setProcessEnvironment(panelEnv(home, sim.port));
        minimalProcess.setStandardOutputFile(QProcess::nullDevice());
        panelProcess.setStandardOutputFile(QProcess::nullDevice());
        panelProcess.setStandardErrorFile(QProcess::nullDevice());
        minimalProcess.start(QStringLiteral(TAVRIO_MINIMAL), QStringList());
        panelProcess.start(QStringLiteral(TAVRIO_EXECUTABLE), QStringList());
        if (!minimalProcess.waitForStarted() || !panelProcess.waitForStarted())
            return 3;
        // CPU is measured over the idle window after start-up has settled.
        waitMs(10000);
        const ProcStat m0 = readProc(minimalProcess.processId());
        const ProcStat p0 = readProc(panelProcess.processId());
        waitMs((idleSeconds - 10) * 1000);
        const ProcStat m1 = readProc(minimalProcess.processId());
        const ProcStat p1 = readProc(panelProcess.processId());
        const double window = idleSeconds - 10;
        std::printf("after %d s idle: peak RSS (MiB) minimal %.1f  panel %.1f  difference %.1f "
                    "(bar 40.0)\n",
                    idleSeconds, m1.peakMiB, p1.peakMiB, p1.peakMiB - m1.peakMiB);
        std::printf("idle CPU over the last %.0f s (%% of one core): minimal %.2f  panel %.2f "
                    "(bar 2.00)\n",
                    window, 100.0 * (m1.cpuSeconds - m0.cpuSeconds) / window,
                    100.0 * (p1.cpuSeconds - p0.cpuSeconds) / window);
        std::fflush(stdout);
        panelProcess.terminate();
        minimalProcess.kill();
        panelProcess.waitForFinished(10000);
        minimalProcess.waitForFinished(5000);
    }
    return 0;
}
