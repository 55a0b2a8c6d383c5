#include "controllersim.h"

#include <QCoreApplication>
#include <QSocketNotifier>
#include <QTimer>

#include <csignal>
#include <cstdio>
#include <unistd.h>

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    std::signal(SIGPIPE, SIG_IGN);

    ControllerSim::Options options;
    QStringList faults;
    const QStringList args = app.arguments();
    for (int i = 1; i < args.size(); ++i) {
        const QString &a = args.at(i);
        const QString next = i + 1 < args.size() ? args.at(i + 1) : QString();
        if (a == QLatin1String("--quiet")) {
            options.quiet = true;
        } else if (a == QLatin1String("--trace")) {
            options.trace = true;
        } else if (a == QLatin1String("--log-polls")) {
            options.logPolls = true;
        } else if (a == QLatin1String("--ack-delay")) {
            options.ackDelayMs = next.toInt();
            ++i;
        } else if (a == QLatin1String("--speed")) {
            options.speed = qMax(0.1, next.toDouble());
            ++i;
        } else if (a == QLatin1String("--fault")) {
            faults << next;
            ++i;
        } else {
            std::fprintf(stderr, "%s", ControllerSim::usage().toLocal8Bit().constData());
            return a == QLatin1String("--help") ? 0 : 2;
        }
    }

    ControllerSim sim(options);
    const QString path = sim.open();
    if (path.isEmpty()) {
        std::perror("pseudo-terminal");
        return 1;
    }
    // The first line is the device path, whatever else is printed: scripts read it.
    std::printf("%s\n", path.toLocal8Bit().constData());
    std::fflush(stdout);
    for (const QString &f : qAsConst(faults))
        sim.command(f);

    QSocketNotifier input(STDIN_FILENO, QSocketNotifier::Read);
    QObject::connect(&input, &QSocketNotifier::activated, [&] {
        char line[256];
        const ssize_t n = ::read(STDIN_FILENO, line, sizeof line - 1);
        if (n <= 0) {
            input.setEnabled(false); // no more commands; keep serving
            return;
        }
        line[n] = '\0';
        const QStringList commands = QString::fromLocal8Bit(line).split(QLatin1Char('\n'));
        for (const QString &c : commands) {
            const QString answer = sim.command(c);
            if (answer == QLatin1String("quit")) {
                QCoreApplication::quit();
                return;
            }
            if (!answer.isEmpty() && !options.quiet) {
                std::printf("%s\n", answer.toLocal8Bit().constData());
                std::fflush(stdout);
            }
            if (c.trimmed() == QLatin1String("hangup"))
                QTimer::singleShot(200, &app, &QCoreApplication::quit);
        }
    });
    return app.exec();
}
