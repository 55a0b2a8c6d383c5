#include "basemodule.h"

#include "baseparameter.h"
#include "inifile.h"
#include "paths.h"
#include "printlog.h"
#include "qmlsignal.h"
#include "qmltool.h"

#include <QDebug>
#include <QHash>
#include <QThread>

namespace {
// The address book: every live module by name. A later module of a name already taken does not
// displace the first (it would silently steal its commands).
QHash<QString, BaseModule *> &registry()
{
    static QHash<QString, BaseModule *> modules;
    return modules;
}
} // namespace

BaseModule::BaseModule(const QString &name, const QString &hint, QObject *parent)
    : QObject(parent), m_para(GlobalPara::get_instance()), m_trans(QmlSignal::get_instance()),
      m_log(PrintLog::get_instance()), m_name(name), m_hint(hint)
{
    setObjectName(name);
    auto &modules = registry();
    if (modules.contains(name))
        qWarning() << "module name taken, not addressable twice:" << name;
    else
        modules.insert(name, this);
}

BaseModule::~BaseModule()
{
    auto &modules = registry();
    const auto it = modules.find(m_name);
    if (it != modules.end() && it.value() == this)
        modules.erase(it);
}

void BaseModule::deliver(const QString &name, const QString &cmd)
{
    BaseModule *module = find(name);
    if (module)
        module->handle_cmd(cmd);
}

BaseModule *BaseModule::find(const QString &name)
{
    return registry().value(name, nullptr);
}

void BaseModule::set_ini_para(const QString &name, const QString &value, const QString &table)
{
    m_para->set_table_para(table, name, value);
}

void BaseModule::set_para(const QString &name, const QString &value, const QString &table)
{
    m_para->set_table_para(table, name, value);
}

QString BaseModule::try_get_ini_para(const QString &name, const QString &defaultValue) const
{
    return m_para->try_get_para(name, defaultValue);
}

QString BaseModule::get_ini_para(const QString &name, const QString &table) const
{
    return m_para->try_get_table_para(table, name, QString());
}

void BaseModule::save_ini_para()
{
    m_para->save();
}

QString BaseModule::local_para_file() const
{
    return Paths::configDir() + m_name + ".ini";
}

void BaseModule::set_local_para(const QString &name, const QString &value)
{
    Ini::write(local_para_file(), name, value);
}

QString BaseModule::get_local_para(const QString &name) const
{
    return Ini::read(local_para_file(), name);
}

void BaseModule::set_module_para(const QString &file, const QString &name, const QString &value)
{
    const QString fileName = file.endsWith(QLatin1String(".ini")) ? file : file + ".ini";
    Ini::write(Paths::configDir() + fileName, name, value);
}

QString BaseModule::path_fp_file(const QString &path, const QString &folder, const QString &file)
{
    return Paths::join(path, folder, file);
}

void BaseModule::set_path_fp_para(const QString &path, const QString &folder, const QString &file,
                                  const QString &key, const QString &value)
{
    if (!Ini::write(path_fp_file(path, folder, file), key, value))
        qWarning() << "could not write" << key << "to" << path_fp_file(path, folder, file);
}

QString BaseModule::try_get_path_fp_para(const QString &path, const QString &folder,
                                         const QString &file, const QString &key,
                                         const QString &defaultValue) const
{
    return Ini::read(path_fp_file(path, folder, file), key, defaultValue);
}

void BaseModule::Msleep(int ms)
{
    if (ms > 0)
        QThread::msleep(static_cast<unsigned long>(ms));
}

void BaseModule::vlog(const QString &text) const
{
    m_log->vlog(m_name + ": " + text);
}
void BaseModule::dlog(const QString &text) const
{
    m_log->dlog(m_name + ": " + text);
}
void BaseModule::elog(const QString &text) const
{
    m_log->elog(m_name + ": " + text);
}
void BaseModule::wlog(const QString &text) const
{
    m_log->wlog(m_name + ": " + text);
}

int BaseModule::show_info_mesgbox(const QString &title, const QString &info)
{
    return QmlTool::get_instance()->exec_modal_box(QmlTool::InfoBox, title, info);
}

int BaseModule::show_warning_mesgbox(const QString &title, const QString &info)
{
    return QmlTool::get_instance()->exec_modal_box(QmlTool::WarningBox, title, info);
}

int BaseModule::show_question_mesgbox(const QString &title, const QString &info,
                                      const QString &agree, const QString &reject)
{
    return QmlTool::get_instance()->exec_modal_box(QmlTool::QuestionBox, title, info, agree,
                                                   reject);
}
