#pragma once

#include <QObject>
#include <QString>

class GlobalPara;
class QmlSignal;
class PrintLog;

// A long-lived module of the panel, addressed by its name. Commands sent to that name reach
// handle_cmd synchronously: when send_cmd returns, the receiver has handled the command.
class BaseModule : public QObject
{
    Q_OBJECT
public:
    explicit BaseModule(const QString &name, const QString &hint = QStringLiteral("null"),
                        QObject *parent = nullptr);
    ~BaseModule() override;

    QString module_name() const { return m_name; }

    virtual void init() {}
    virtual void handle_cmd(QString cmd) { Q_UNUSED(cmd) }

    // Hands cmd to the module called name; a name no module bears is dropped silently.
    static void deliver(const QString &name, const QString &cmd);
    static BaseModule *find(const QString &name);

    void send_cmd(const QString &name, const QString &cmd) { deliver(name, cmd); }
    BaseModule *get_module(const QString &name) const { return find(name); }
    BaseModule *get_module_base(const QString &name) const { return find(name); }

    // Global parameters (table "General" unless named).
    void set_ini_para(const QString &name, const QString &value,
                      const QString &table = QStringLiteral("General"));
    void set_para(const QString &name, const QString &value,
                  const QString &table = QStringLiteral("General"));
    QString try_get_ini_para(const QString &name, const QString &defaultValue) const;
    QString get_ini_para(const QString &name,
                         const QString &table = QStringLiteral("General")) const;
    void save_ini_para();

    // The module's own parameter file "<Config>/<module name>.ini".
    QString local_para_file() const;
    void set_local_para(const QString &name, const QString &value);
    QString get_local_para(const QString &name) const;
    // Another module's file "<Config>/<file>" (".ini" appended when missing).
    void set_module_para(const QString &file, const QString &name, const QString &value);

    // One key of the INI file path/folder/file.
    static QString path_fp_file(const QString &path, const QString &folder, const QString &file);
    void set_path_fp_para(const QString &path, const QString &folder, const QString &file,
                          const QString &key, const QString &value);
    QString try_get_path_fp_para(const QString &path, const QString &folder, const QString &file,
                                 const QString &key, const QString &defaultValue) const;

    void Msleep(int ms);
    void vlog(const QString &text) const;
    void dlog(const QString &text) const;
    void elog(const QString &text) const;
    void wlog(const QString &text) const;

    // Modal boxes: they return once answered. show_question_mesgbox returns 1 for agree.
    int show_info_mesgbox(const QString &title, const QString &info);
    int show_warning_mesgbox(const QString &title, const QString &info);
    int show_question_mesgbox(const QString &title, const QString &info, const QString &agree,
                              const QString &reject);

    GlobalPara *m_para;
    QmlSignal *m_trans;
    PrintLog *m_log;

private:
    QString m_name;
    QString m_hint;
};
