#pragma once

#include <QHash>
#include <QObject>
#include <QString>
#include <QTimer>
#include <QVariant>

// The global parameter store: named text values in tables, table "General" shared by every
// module and screen at once. It lives in memory and is written to "<folder>/global.ini" shortly
// after a change (within a second) and whenever the program leaves in order, so a flurry of
// writes from a screen costs one file write.
class BaseParameter : public QObject
{
    Q_OBJECT
public:
    static constexpr const char *kGeneral = "General";
    static constexpr int kSaveDelayMs = 250;

    explicit BaseParameter(QObject *parent = nullptr);
    ~BaseParameter() override;

    // Opens the store kept in folder (created if missing). Unwritten changes of a store opened
    // before are saved first.
    Q_INVOKABLE void init_parameters(const QString &folder);
    QString folder() const { return m_folder; }
    QString file_path() const;

    Q_INVOKABLE QString try_get_para(const QString &name, const QVariant &defaultValue) const;
    Q_INVOKABLE QString get_para(const QString &name) const;
    Q_INVOKABLE void set_para(const QString &name, const QVariant &value);

    QString try_get_table_para(const QString &table, const QString &name,
                               const QString &defaultValue) const;
    void set_table_para(const QString &table, const QString &name, const QString &value);
    bool contains(const QString &name, const QString &table = QString::fromLatin1(kGeneral)) const;

    // Writes pending changes now; returns false when the file could not be written.
    Q_INVOKABLE bool save();
    bool has_unsaved_changes() const { return m_dirty; }

    Q_INVOKABLE void msleep(int ms);

signals:
    void para_changed(const QString &table, const QString &name);

private:
    void load();
    void scheduleSave();

    QString m_folder;
    QHash<QString, QHash<QString, QString>> m_tables;
    bool m_dirty = false;
    QTimer m_saveTimer;
};

class GlobalPara : public BaseParameter
{
    Q_OBJECT
public:
    static GlobalPara *get_instance();

private:
    using BaseParameter::BaseParameter;
};

// The SQL parameter object of the framework. The panel keeps nothing in it; it exists so that the
// screens find the context object they expect.
class SqlPara : public QObject
{
    Q_OBJECT
public:
    static SqlPara *get_instance();

private:
    using QObject::QObject;
};
