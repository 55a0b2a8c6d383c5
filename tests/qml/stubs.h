#pragma once

#include <QObject>
#include <QStringList>
#include <QVariantMap>

// Stand-ins for the context objects of the screens: they keep what the screens write and send,
// so a test can read it back.

// cpp_para: an in-memory parameter table with a log of every write.
class StubPara : public QObject
{
    Q_OBJECT
public:
    using QObject::QObject;
    Q_INVOKABLE QString try_get_para(const QString &name, const QVariant &defaultValue) const;
    Q_INVOKABLE QString get_para(const QString &name) const;
    Q_INVOKABLE void set_para(const QString &name, const QVariant &value);
    Q_INVOKABLE void msleep(int ms) { m_sleeps.append(ms); }

    // test side
    Q_INVOKABLE void reset();
    Q_INVOKABLE void put(const QString &name, const QString &value) { m_values[name] = value; }
    Q_INVOKABLE bool has(const QString &name) const { return m_values.contains(name); }
    Q_INVOKABLE QStringList writes() const { return m_writes; } // "name=value"
    Q_INVOKABLE QVariantList sleeps() const { return m_sleeps; }

private:
    QVariantMap m_values;
    QStringList m_writes;
    QVariantList m_sleeps;
};

// cpp_tool: records the command strings ("module|command").
class StubTool : public QObject
{
    Q_OBJECT
    Q_PROPERTY(QVariantMap modal_box READ modal_box NOTIFY modal_box_changed)
public:
    using QObject::QObject;
    Q_INVOKABLE void send_cmd(const QString &name, const QString &cmd);
    Q_INVOKABLE void answer_modal_box(int result) { m_answers.append(result); }
    QVariantMap modal_box() const { return m_box; }

    Q_INVOKABLE void reset();
    Q_INVOKABLE QStringList commands() const { return m_commands; }
    Q_INVOKABLE void show_box(const QVariantMap &box);
    Q_INVOKABLE QVariantList answers() const { return m_answers; }

signals:
    void modal_box_changed();

private:
    QStringList m_commands;
    QVariantMap m_box;
    QVariantList m_answers;
};

// param_mge: the configuration folder and the material-file writes of the start sequence.
class StubParamMge : public QObject
{
    Q_OBJECT
public:
    using QObject::QObject;
    Q_INVOKABLE QString get_config_path() const { return QStringLiteral("/cfg/"); }
    Q_INVOKABLE void set_path_fp_para(const QString &path, const QString &folder,
                                      const QString &file, const QString &para,
                                      const QString &value);
    // No material files here: every key reads as its default.
    Q_INVOKABLE QString try_get_path_fp_para(const QString &, const QString &, const QString &,
                                             const QString &, const QString &value) const
    {
        return value;
    }
    Q_INVOKABLE void reset() { m_calls.clear(); }
    Q_INVOKABLE QStringList calls() const { return m_calls; } // "path|folder|file|para|value"

private:
    QStringList m_calls;
};
