// The panel started exactly as its own main() starts it, with two measuring hooks:
//   --first-frame      print "first-frame" once a frame showing the work screen, wallpaper
//                      included, is on the screen
//   --build-times N    then build the work frame and the application frame N times each and
//                      print the median time of one show_qml call of each, in milliseconds
//   --phases           print how long each start-up step took
#include "acppmain.h"
#include "baseparameter.h"
#include "printlog.h"
#include "startup.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QQmlApplicationEngine>
#include <QQmlContext>
#include <QQmlExpression>
#include <QQuickItem>
#include <QQuickWindow>
#include <QTimer>
#include <QTranslator>

#include <algorithm>
#include <cstdio>

namespace {
QQuickItem *findItem(QQuickItem *root, const QString &name)
{
    if (!root || root->objectName() == name)
        return root;
    const auto children = root->childItems();
    for (QQuickItem *child : children) {
        if (QQuickItem *found = findItem(child, name))
            return found;
    }
    return nullptr;
}

// The work screen is on the screen with its wallpaper decoded, not a frame before.
bool workScreenComplete(QQuickItem *root)
{
    QQuickItem *background = findItem(root, QStringLiteral("frameBackground"));
    return findItem(root, QStringLiteral("workDestTemp")) && background &&
           background->property("status").toInt() == 1 /* Image.Ready */;
}

double median(QVector<double> v)
{
    std::sort(v.begin(), v.end());
    return v.isEmpty() ? 0 : v.at(v.size() / 2);
}

// Times one show_qml of url in the window's page area; the page it replaces is torn down
// before the clock starts.
double timeShow(QQuickWindow *window, const QString &url)
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
    QQmlExpression show(qmlContext(window), window,
                        QStringLiteral("show_qml(\"%1\", m_root)").arg(url));
    QElapsedTimer clock;
    clock.start();
    show.evaluate();
    const double ms = clock.nsecsElapsed() / 1e6;
    if (show.hasError())
        std::fprintf(stderr, "%s\n", qPrintable(show.error().toString()));
    return ms;
}
} // namespace

int main(int argc, char *argv[])
{
    QElapsedTimer sinceStart;
    sinceStart.start();
    QApplication app(argc, argv);
    PrintLog::install_message_handler();
    QTranslator translator;
    Startup::prepareApplication(app, translator);
    const QStringList args = app.arguments();
    const int buildRuns =
        args.contains(QStringLiteral("--build-times"))
            ? args.value(args.indexOf(QStringLiteral("--build-times")) + 1).toInt()
            : 0;

    const bool phases = args.contains(QStringLiteral("--phases"));
    auto phase = [&](const char *name) {
        if (phases)
            std::printf("phase %-10s %7.1f ms\n", name, sinceStart.nsecsElapsed() / 1e6);
    };
    phase("toolkit");
    // The steps of ACppMain::init_all, one by one.
    ACppMain cppMain;
    cppMain._create_keyring_obj();
    cppMain.create_all_obj();
    phase("modules");
    cppMain._start_thread();
    phase("init");
    cppMain._init_window();
    phase("window");
    auto *window = qobject_cast<QQuickWindow *>(cppMain._engine->rootObjects().value(0));
    if (!window)
        return 1;

    bool reported = false;
    QObject::connect(window, &QQuickWindow::frameSwapped, &app, [&] {
        if (reported || !workScreenComplete(window->contentItem()))
            return;
        reported = true;
        phase("frame");
        std::printf("first-frame\n");
        std::fflush(stdout);
        if (buildRuns <= 0)
            return;
        QTimer::singleShot(0, &app, [&] {
            QVector<double> work, application;
            for (int i = 0; i < buildRuns; ++i) {
                work << timeShow(window, QStringLiteral("qrc:/VevOdara_new/VevOdaraDesigner.qml"));
                application << timeShow(
                    window, QStringLiteral("qrc:/VevOdara_new/Design/ApplicationDesigner.qml"));
            }
            std::printf("build-work-ms %.2f\nbuild-application-ms %.2f\n", median(work),
                        median(application));
            std::fflush(stdout);
            app.quit();
        });
    });
    const int code = app.exec();
    GlobalPara::get_instance()->save();
    return code;
}
