#include "acppmain.h"

#include "baseparameter.h"
#include "parammge.h"
#include "printlog.h"
#include "qmlsignal.h"
#include "qmltool.h"
#include "tavrio.h"
#include "vevodaramotion.h"

#include <QCoreApplication>
#include <QDebug>
#include <QProcess>
#include <QQmlApplicationEngine>
#include <QQmlContext>
#include <QThread>

namespace {
ACppMain::ProcessStarter g_starter;
}

void ACppMain::set_process_starter(ProcessStarter starter)
{
    g_starter = std::move(starter);
}

ACppMain::ACppMain(const QString &name) : BaseCppMain(name)
{
    _engine = new QQmlApplicationEngine();
    qDebug().noquote() << "ACppMain Construct --- ID" << name;
}

ACppMain::~ACppMain()
{
    // The screens go first: their bindings refer to the modules.
    delete _engine;
    _engine = nullptr;
    release_all_memory();
    qDebug() << "ACppMain Release";
}

void ACppMain::init_all()
{
    _create_keyring_obj();
    create_all_obj();
    _start_thread();
    _init_window();
}

void ACppMain::create_all_obj()
{
    QThread *main = QThread::currentThread();
    regist_module<Tavrio>(main, QStringLiteral("default"));
    regist_module<ParamMge>(main, QStringLiteral("default"));
    regist_module<VevOdaraMotion>(main, QStringLiteral("default"));
}

void ACppMain::_init_window()
{
    QQmlContext *context = _engine->rootContext();
    context->setContextProperty(QStringLiteral("SOFTWARE"), QStringLiteral("QZLaser"));
    context->setContextProperty(QStringLiteral("cpp_main"), this);
    context->setContextProperty(QStringLiteral("cpp_para"), GlobalPara::get_instance());
    context->setContextProperty(QStringLiteral("cpp_sql"), SqlPara::get_instance());
    context->setContextProperty(QStringLiteral("cpp_tool"), _cpp_tool);
    context->setContextProperty(QStringLiteral("cpp_signal"), m_trans);
    context->setContextProperty(QStringLiteral("cpp_log"), m_log);
    _engine->addImportPath(QStringLiteral("qrc:///"));
    _engine->load(QUrl(QStringLiteral("qrc:/main.qml")));
}

void ACppMain::reloadSoft()
{
    release_all_memory();
    set_ini_para(QStringLiteral("m_nNeedCheckDoubleExe"), QStringLiteral("0"),
                 QStringLiteral("General"));
    save_ini_para();
    const QString program = QCoreApplication::applicationFilePath();
    // The whole list as the toolkit reports it, program path first: the new instance receives
    // its own path as its first argument.
    const QStringList arguments = QCoreApplication::arguments();
    QCoreApplication::exit(0);
    const bool started =
        g_starter ? g_starter(program, arguments) : QProcess::startDetached(program, arguments);
    if (!started)
        qWarning() << "restart failed to start" << program;
}
