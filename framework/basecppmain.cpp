#include "basecppmain.h"

#include "qmltool.h"

#include <QDebug>
#include <QQmlApplicationEngine>
#include <QQmlContext>

BaseCppMain::BaseCppMain(const QString &name) : BaseModule(name) {}

BaseCppMain::~BaseCppMain()
{
    release_all_memory();
}

void BaseCppMain::_create_keyring_obj()
{
    _cpp_tool = QmlTool::get_instance();
}

void BaseCppMain::regist_module_sub(QThread *thread, BaseModule *module)
{
    // Every module runs in the main thread; the thread argument is kept for the interface.
    Q_UNUSED(thread)
    m_modules.append(module);
    if (_engine)
        _engine->rootContext()->setContextProperty(module->module_name(), module);
}

void BaseCppMain::_start_thread()
{
    for (BaseModule *module : qAsConst(m_modules))
        module->init();
}

void BaseCppMain::release_all_memory()
{
    // Screens may still evaluate a binding before the event loop ends: they must find null,
    // not a deleted module.
    while (!m_modules.isEmpty()) {
        BaseModule *module = m_modules.takeLast();
        if (_engine)
            _engine->rootContext()->setContextProperty(module->module_name(), QVariant());
        delete module;
    }
}
