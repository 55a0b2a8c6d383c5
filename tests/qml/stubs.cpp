#include "stubs.h"

QString StubPara::try_get_para(const QString &name, const QVariant &defaultValue) const
{
    return m_values.contains(name) ? m_values.value(name).toString() : defaultValue.toString();
}

QString StubPara::get_para(const QString &name) const
{
    return m_values.value(name).toString();
}

void StubPara::set_para(const QString &name, const QVariant &value)
{
    m_values[name] = value.toString();
    m_writes.append(name + '=' + value.toString());
}

void StubPara::reset()
{
    m_values.clear();
    m_writes.clear();
    m_sleeps.clear();
}

void StubTool::send_cmd(const QString &name, const QString &cmd)
{
    m_commands.append(name + '|' + cmd);
}

void StubTool::reset()
{
    m_commands.clear();
    m_answers.clear();
    m_box.clear();
    emit modal_box_changed();
}

void StubTool::show_box(const QVariantMap &box)
{
    m_box = box;
    emit modal_box_changed();
}

void StubParamMge::set_path_fp_para(const QString &path, const QString &folder, const QString &file,
                                    const QString &para, const QString &value)
{
    m_calls.append(QStringList{path, folder, file, para, value}.join('|'));
}
