// Renders the panel's screens to PNG files: the real program (modules, window, translation and
// font) is started, each scene is set up by a short script run in the window's own context, and
// the window is grabbed.
//
//   tavrio-screenshots OUTDIR
//
// Needs a display that can be grabbed (scripts/screenshots runs it under Xvfb).

#include "acppmain.h"
#include "appresources.h"
#include "baseparameter.h"
#include "paths.h"
#include "qmltool.h"
#include "startup.h"

#include <QApplication>
#include <QDir>
#include <QDirIterator>
#include <QElapsedTimer>
#include <QImage>
#include <QQmlApplicationEngine>
#include <QQmlContext>
#include <QQmlEngine>
#include <QQmlExpression>
#include <QQuickWindow>
#include <QScreen>
#include <QTextCodec>
#include <QTimer>
#include <QTranslator>

#include <cstdio>

namespace {

// A page that does not load fails the run; other messages pass through.
int g_loadFailures = 0;
QtMessageHandler g_previousHandler = nullptr;

void watchMessages(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    if (message.contains(QLatin1String("cannot load")) ||
        message.contains(QLatin1String("cannot create")))
        ++g_loadFailures;
    g_previousHandler(type, context, message);
}

struct Scene
{
    const char *file;
    const char *script; // run in the main window's context before the grab
};

// Every scene starts from the work screen with no overlay, box or keyboard.
const char *kReset = R"(
    clear_childs(m_front); clear_childs(m_dialog);
    show_error(0); tEmergencyForm.visible = false; lock_language.visible = false;
    m_para.close_keyboard(); m_para.isShowFuncKeyBoard = false;
)";

const Scene kScenes[] = {
    {"work.png", "show_qml(workFrameUrl, m_root)"},
    {"application_menu.png",
     "cpp_para.set_para('m_nTabBarIndex', 1);"
     "show_qml('qrc:/VevOdara_new/Design/ApplicationDesigner.qml', m_root)"},
    {"application_materials.png",
     "cpp_para.set_para('m_nTabBarIndex', 0);"
     "show_qml('qrc:/VevOdara_new/Design/ApplicationDesigner.qml', m_root)"},
    {"error_E01.png", "show_qml(workFrameUrl, m_root); show_error(1)"},
    {"error_E05.png", "show_qml(workFrameUrl, m_root); show_error(5)"},
    {"emergency.png", "show_qml(workFrameUrl, m_root); tEmergencyForm.visible = true"},
    {"language_restart.png", "show_qml(workFrameUrl, m_root); lock_language.visible = true"},
    {"message_info.png", "show_qml(workFrameUrl, m_root);"
                         "cpp_para.set_para('m_strMessageInfo', qsTr('材质名称不能为空'));"
                         "add_qml('qrc:/Dialog/ShowMessageBox.qml', m_front)"},
    {"message_question.png",
     "show_qml(workFrameUrl, m_root);"
     "cpp_para.set_para('m_strMessageInfo', qsTr('将删除全部用户及设置,确定恢复出厂设置吗？'));"
     "cpp_para.set_para('m_strMessageCmd', '');"
     "add_qml('qrc:/Dialog/ShowMessageBox_question.qml', m_front)"},
    {"close_dialog.png",
     "show_qml(workFrameUrl, m_root); show_qml('qrc:/Dialog/CloseDialog.qml', m_dialog)"},
    {"keypad.png",
     "show_qml(workFrameUrl, m_root);"
     "var input = Qt.createQmlObject('import QtQuick 2.12; TextInput { visible: false; text: "
     "\"25\" }', m_root);"
     "m_para.targetInput = input; m_para.targetName = qsTr('温度补偿'); m_para.targetInputId = '1';"
     "m_para.isShowMoveKeyBoard = true"},
    {"text_keyboard.png",
     "clear_childs(m_root);"
     "Qt.createQmlObject('import QtQuick 2.12; import \"qrc:/Module\"; TextKeyboardPage { title: "
     "qsTr(\"编辑名称\"); initial_text: \"M1\" }', m_root)"},
    {"library.png", "show_qml('qrc:/screenshots/gallery.qml', m_root)"},
    {"text_keyboard_caps.png",
     "clear_childs(m_root);"
     "var page = Qt.createQmlObject('import QtQuick 2.12; import \"qrc:/Module\"; TextKeyboardPage "
     "{ title: qsTr(\"用户名称\"); title_width: 350 * dShowRatio_W; field_width: 251 * "
     "dShowRatio_W; initial_text: \"User\" }', m_root);"
     "page.keys.caps = true"},
};

QImage grab(QQuickWindow *window)
{
    QImage image = window->grabWindow();
    if (image.isNull() && window->screen())
        image = window->screen()->grabWindow(window->winId()).toImage();
    return image;
}

void settle(int ms)
{
    QElapsedTimer timer;
    timer.start();
    while (timer.elapsed() < ms) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
        // destroy() of QML objects is deferred to the event loop, which this is not
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
}

bool run(QQmlApplicationEngine &engine, const QString &outDir)
{
    auto *window = qobject_cast<QQuickWindow *>(engine.rootObjects().value(0));
    if (!window) {
        std::fprintf(stderr, "screenshots: no window\n");
        return false;
    }
    QQmlContext *context = qmlContext(window);
    bool ok = true;
    auto evaluate = [&](const QString &script) {
        QQmlExpression expression(context, window, script);
        expression.evaluate();
        if (expression.hasError()) {
            std::fprintf(stderr, "screenshots: %s\n", qPrintable(expression.error().toString()));
            ok = false;
        }
    };
    auto save = [&](const QString &file) {
        const QImage image = grab(window);
        const QString path = QDir(outDir).filePath(file);
        if (image.isNull() || !image.save(path)) {
            std::fprintf(stderr, "screenshots: cannot grab %s\n", qPrintable(file));
            ok = false;
            return;
        }
        std::printf("%s\n", qPrintable(path));
    };

    settle(800); // start sequence and first page
    for (const Scene &scene : kScenes) {
        evaluate(QString::fromUtf8(kReset));
        settle(100);
        evaluate(QString::fromUtf8(scene.script));
        settle(500);
        save(QString::fromLatin1(scene.file));
    }

    // Every full page of the screens, as it opens; the parts of the two frames show in the
    // frames' scenes above.
    static const QStringList parts = {"VevOdaraWorkTopBar.qml",    "VevOdaraWork.qml",
                                      "VevOdaraWorkBottomBar.qml", "MainApp.qml",
                                      "ApplicationDesigner.qml",   "MaterialStatusBar.qml",
                                      "MaterialSelect.qml",        "Application.qml"};
    QStringList pages;
    QDirIterator it(QStringLiteral(":/VevOdara_new/Design"), {QStringLiteral("*.qml")}, QDir::Files,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        if (!parts.contains(QFileInfo(path).fileName()))
            pages.append(path);
    }
    pages.sort();
    for (const QString &path : pages) {
        QString rel = path.mid(QStringLiteral(":/VevOdara_new/Design/").size());
        rel.chop(4);
        evaluate(QString::fromUtf8(kReset));
        settle(100);
        evaluate(QStringLiteral("show_qml('qrc%1', m_root)").arg(path));
        settle(500);
        save(QStringLiteral("page_%1.png").arg(rel.replace('/', '_')));
    }

    // The framework's modal box: the asking code waits in its own event loop meanwhile.
    evaluate(QString::fromUtf8(kReset) + "show_qml(workFrameUrl, m_root)");
    QTimer::singleShot(600, [&] {
        save(QStringLiteral("modal_question.png"));
        QmlTool::get_instance()->answer_modal_box(0);
    });
    QmlTool::get_instance()->exec_modal_box(QmlTool::QuestionBox, QObject::tr("恢复出厂设置"),
                                            QObject::tr("请确认是否清空统计数据？"));
    return ok;
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    const QString outDir = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral(".");
    QDir().mkpath(outDir);
    g_previousHandler = qInstallMessageHandler(watchMessages);
    QTranslator translator;
    Startup::prepareApplication(app, translator);

    bool ok = false;
    {
        ACppMain cppMain;
        cppMain.init_all();
        // The application object keeps its engine to itself; reach it through the window.
        QQmlApplicationEngine *engine = nullptr;
        for (QWindow *w : QGuiApplication::topLevelWindows()) {
            if (auto *quick = qobject_cast<QQuickWindow *>(w)) {
                if ((engine = qobject_cast<QQmlApplicationEngine *>(qmlEngine(quick))))
                    break;
            }
        }
        ok = engine && run(*engine, outDir);
    }
    if (g_loadFailures > 0)
        std::fprintf(stderr, "screenshots: %d page(s) did not load\n", g_loadFailures);
    return ok && g_loadFailures == 0 ? 0 : 1;
}
