#pragma once

#include "basemodule.h"

#include <QList>
#include <QThread>

class QQmlApplicationEngine;
class QmlTool;

// The host of the panel's modules: registers them, runs their init, exposes each to the screens
// under its name and releases them. Every module lives in the main thread.
class BaseCppMain : public BaseModule
{
    Q_OBJECT
public:
    explicit BaseCppMain(const QString &name);
    ~BaseCppMain() override;

    virtual void init_all() = 0;
    virtual void create_all_obj() = 0;
    virtual void _init_window() = 0;

    // "default" creates T under its own name, anything else under that identifier.
    template <class T> T *regist_module(QThread *thread, const QString &id)
    {
        T *module = id == QLatin1String("default") ? new T() : new T(id);
        regist_module_sub(thread, module);
        return module;
    }
    void regist_module_sub(QThread *thread, BaseModule *module);
    QList<BaseModule *> modules() const { return m_modules; }

    void _create_keyring_obj();
    void _start_thread();
    void release_all_memory();

    QQmlApplicationEngine *_engine = nullptr;
    QmlTool *_cpp_tool = nullptr;

private:
    QList<BaseModule *> m_modules;
};
