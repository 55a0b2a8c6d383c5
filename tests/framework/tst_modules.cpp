#include "basecppmain.h"
#include "basemodule.h"
#include "commandstring.h"
#include "qmltool.h"
#include "testhome.h"

#include <QQmlApplicationEngine>
#include <QQmlContext>
#include <QQuickItem>
#include <QQuickWindow>
#include <QtTest>

namespace {
QStringList g_log; // "<module>:<command>" in the order received

class Recorder : public BaseModule
{
public:
    explicit Recorder(const QString &name = "recorder") : BaseModule(name) {}
    void init() override { g_log << module_name() + ":init"; }
    void handle_cmd(QString cmd) override
    {
        g_log << module_name() + ":" + cmd;
        // A module may answer by sending on: delivery is synchronous, so the answer lands
        // before the sender's send_cmd returns.
        if (cmd == "Qml##ping")
            send_cmd("second", module_name() + "##pong");
    }
};

class Host : public BaseCppMain
{
public:
    Host() : BaseCppMain("cpp_main") { _engine = new QQmlApplicationEngine(); }
    ~Host() override
    {
        delete _engine;
        _engine = nullptr;
        release_all_memory();
    }
    void init_all() override
    {
        _create_keyring_obj();
        create_all_obj();
        _start_thread();
    }
    void create_all_obj() override
    {
        regist_module<Recorder>(QThread::currentThread(), "default");
        regist_module<Recorder>(QThread::currentThread(), "second");
    }
    void _init_window() override {}
};
} // namespace

class TestModules : public QObject
{
    Q_OBJECT
private slots:
    void init() { g_log.clear(); }
    void registrationInitAndDelivery();
    void unknownNamesAreDropped();
    void releasedModulesAreGone();
    void modalBoxes();
    void modalBoxAnsweredOnScreen();
};

void TestModules::registrationInitAndDelivery()
{
    TestHome home;
    Host host;
    host.init_all();
    QCOMPARE(g_log, QStringList({"recorder:init", "second:init"}));
    g_log.clear();

    BaseModule::deliver("recorder", "Qml##ping");
    g_log << "returned";
    QCOMPARE(g_log, QStringList({"recorder:Qml##ping", "second:recorder##pong", "returned"}));

    // Each registered module is a context object under its name.
    QCOMPARE(host._engine->rootContext()->contextProperty("second").value<QObject *>(),
             static_cast<QObject *>(BaseModule::find("second")));
    QVERIFY(host.get_module("recorder"));
}

void TestModules::unknownNamesAreDropped()
{
    TestHome home;
    Recorder recorder;
    QmlTool::get_instance()->send_cmd("Recorder", "Qml##x"); // names are case-sensitive
    QmlTool::get_instance()->send_cmd("nobody", "Qml##x");
    QmlTool::get_instance()->send_cmd("recorder", "Qml##x");
    QCOMPARE(g_log, QStringList({"recorder:Qml##x"}));
}

void TestModules::releasedModulesAreGone()
{
    TestHome home;
    Host host;
    host.init_all();
    host.release_all_memory();
    QVERIFY(!BaseModule::find("recorder"));
    QVERIFY(!host._engine->rootContext()->contextProperty("recorder").value<QObject *>());
    BaseModule::deliver("recorder", "Qml##x"); // nothing to crash into
}

void TestModules::modalBoxes()
{
    TestHome home;
    Recorder module;
    QList<QmlTool::BoxRequest> seen;
    int answer = 1;
    QmlTool::set_modal_box_answerer([&](const QmlTool::BoxRequest &r) {
        seen << r;
        return answer;
    });
    QCOMPARE(module.show_question_mesgbox("T", "I", "Yes", "No"), 1);
    answer = 0;
    QCOMPARE(module.show_question_mesgbox("T", "I", "Yes", "No"), 0);
    answer = 7; // anything but 1 rejects
    QCOMPARE(module.show_question_mesgbox("T", "I", "Yes", "No"), 0);
    module.show_warning_mesgbox("W", "careful");
    QCOMPARE(seen.size(), 4);
    QCOMPARE(seen.last().kind, QmlTool::WarningBox);
    QCOMPARE(seen.first().agree, QString("Yes"));
    QmlTool::set_modal_box_answerer(nullptr);

    // Nobody to draw or answer it: rejected at once instead of hanging.
    QCOMPARE(module.show_question_mesgbox("T", "I", "Yes", "No"), 0);
}

void TestModules::modalBoxAnsweredOnScreen()
{
    // The box as the panel shows it: a QML overlay bound to cpp_tool; a click answers it and
    // the waiting C++ call returns.
    TestHome home;
    Recorder module;
    QQmlApplicationEngine engine;
    engine.rootContext()->setContextProperty("cpp_tool", QmlTool::get_instance());
    engine.loadData(R"(
        import QtQuick 2.12
        import QtQuick.Window 2.12
        Window {
            width: 800; height: 480; visible: true
            property var box: cpp_tool.modal_box
            Rectangle {
                objectName: "agree"; visible: box.title !== undefined
                width: 100; height: 50
                MouseArea { anchors.fill: parent; onClicked: cpp_tool.answer_modal_box(1) }
            }
        })");
    auto *window = qobject_cast<QQuickWindow *>(engine.rootObjects().value(0));
    QVERIFY(window);
    QVERIFY(QTest::qWaitForWindowExposed(window));
    auto *agree = window->findChild<QQuickItem *>("agree");
    QVERIFY(agree);
    QVERIFY(!agree->isVisible());

    bool clicked = false;
    QTimer::singleShot(50, [&] {
        clicked = agree->isVisible();
        QTest::mouseClick(window, Qt::LeftButton, {}, QPoint(20, 20));
    });
    QCOMPARE(module.show_question_mesgbox("Delete?", "sure", "Yes", "No"), 1);
    QVERIFY(clicked);
    QTRY_VERIFY(!agree->isVisible());
}

QTEST_MAIN(TestModules)
#include "tst_modules.moc"
