#include "acppmain.h"
#include "baseparameter.h"
#include "printlog.h"
#include "startup.h"

#include <QApplication>
#include <QSocketNotifier>
#include <QTranslator>

#include <csignal>
#include <sys/socket.h>
#include <unistd.h>

namespace {
int g_signalPipe[2] = {-1, -1};

void onTerminate(int)
{
    const char byte = 1;
    [[maybe_unused]] const auto written = ::write(g_signalPipe[1], &byte, 1);
}

// SIGTERM and SIGINT end the event loop in order, so the parameters are saved and the watchdog
// is closed as on any other exit.
void quitOnTerminate(QCoreApplication &app)
{
    if (::socketpair(AF_UNIX, SOCK_STREAM, 0, g_signalPipe) != 0)
        return;
    auto *notifier = new QSocketNotifier(g_signalPipe[0], QSocketNotifier::Read, &app);
    QObject::connect(notifier, &QSocketNotifier::activated, &app, [&app] {
        char byte;
        [[maybe_unused]] const auto read = ::read(g_signalPipe[0], &byte, 1);
        app.quit();
    });
    struct sigaction action = {};
    action.sa_handler = onTerminate;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    sigaction(SIGTERM, &action, nullptr);
    sigaction(SIGINT, &action, nullptr);
}
} // namespace

int main(int argc, char *argv[])
{
    // No high-DPI scaling: the screens scale themselves and expect the window in physical pixels
    // of the 800 x 480 panel.
    QApplication app(argc, argv);
    PrintLog::install_message_handler();
    quitOnTerminate(app);
    QTranslator translator;
    Startup::prepareApplication(app, translator);

    int code = 0;
    {
        ACppMain cppMain;
        cppMain.init_all();
        code = app.exec();
    }
    GlobalPara::get_instance()->save();
    return code;
}
