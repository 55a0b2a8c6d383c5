// The baseline of the panel's benchmarks: the smallest Qt Quick program, one window with one
// text. With --first-frame it prints "first-frame" when its first frame is on the screen.
#include <QGuiApplication>
#include <QQmlApplicationEngine>
#include <QQuickWindow>

#include <cstdio>

int main(int argc, char *argv[])
{
    QGuiApplication app(argc, argv);
    const bool reportFrame = app.arguments().contains(QStringLiteral("--first-frame"));
    QQmlApplicationEngine engine;
    engine.loadData("import QtQuick 2.12\n"
                    "import QtQuick.Window 2.12\n"
                    "Window { visible: true; width: 800; height: 480;\n"
                    "         Text { anchors.centerIn: parent; text: \"Tavrio\" } }\n");
    auto *window = qobject_cast<QQuickWindow *>(engine.rootObjects().value(0));
    if (!window)
        return 1;
    if (reportFrame) {
        QObject::connect(window, &QQuickWindow::frameSwapped, &app, [] {
            static bool done = false;
            if (done)
                return;
            done = true;
            std::printf("first-frame\n");
            std::fflush(stdout);
        });
    }
    return app.exec();
}
