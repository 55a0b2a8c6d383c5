#include "baseparameter.h"

#include "inifile.h"

#include <QCoreApplication>
#include <QDebug>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QThread>

BaseParameter::BaseParameter(QObject *parent) : QObject(parent)
{
    m_saveTimer.setSingleShot(true);
    m_saveTimer.setInterval(kSaveDelayMs);
    connect(&m_saveTimer, &QTimer::timeout, this, [this] { save(); });
}

BaseParameter::~BaseParameter()
{
    save();
}

void BaseParameter::init_parameters(const QString &folder)
{
    if (!m_folder.isEmpty())
        save();
    m_folder = QDir::cleanPath(folder);
    QDir().mkpath(m_folder);
    load();
}

QString BaseParameter::file_path() const
{
    return m_folder.isEmpty() ? QString() : m_folder + QStringLiteral("/global.ini");
}

void BaseParameter::load()
{
    m_tables.clear();
    m_dirty = false;
    const QString path = file_path();
    if (!QFileInfo(path).isFile())
        return;
    bool ok = false;
    const QMap<QString, QString> all = Ini::readAll(path, &ok);
    if (!ok) {
        // Keep the damaged file for a service engineer and start from the defaults.
        qWarning() << "parameter store unreadable, starting from defaults:" << path;
        QFile::remove(path + ".bad");
        QFile::rename(path, path + ".bad");
        return;
    }
    for (auto it = all.cbegin(); it != all.cend(); ++it) {
        const int slash = it.key().indexOf('/');
        if (slash < 0)
            m_tables[QString::fromLatin1(kGeneral)].insert(it.key(), it.value());
        else
            m_tables[it.key().left(slash)].insert(it.key().mid(slash + 1), it.value());
    }
}

QString BaseParameter::try_get_para(const QString &name, const QVariant &defaultValue) const
{
    return try_get_table_para(QString::fromLatin1(kGeneral), name, defaultValue.toString());
}

QString BaseParameter::get_para(const QString &name) const
{
    return try_get_table_para(QString::fromLatin1(kGeneral), name, QString());
}

void BaseParameter::set_para(const QString &name, const QVariant &value)
{
    set_table_para(QString::fromLatin1(kGeneral), name, value.toString());
}

QString BaseParameter::try_get_table_para(const QString &table, const QString &name,
                                          const QString &defaultValue) const
{
    const auto t = m_tables.constFind(table.isEmpty() ? QString::fromLatin1(kGeneral) : table);
    if (t == m_tables.cend())
        return defaultValue;
    const auto v = t->constFind(name);
    return v == t->cend() ? defaultValue : *v;
}

void BaseParameter::set_table_para(const QString &table, const QString &name, const QString &value)
{
    if (name.isEmpty())
        return;
    const QString t = table.isEmpty() ? QString::fromLatin1(kGeneral) : table;
    auto &entries = m_tables[t];
    const auto it = entries.constFind(name);
    if (it != entries.cend() && *it == value)
        return;
    entries.insert(name, value);
    scheduleSave();
    emit para_changed(t, name);
}

bool BaseParameter::contains(const QString &name, const QString &table) const
{
    const auto t = m_tables.constFind(table);
    return t != m_tables.cend() && t->contains(name);
}

void BaseParameter::scheduleSave()
{
    m_dirty = true;
    if (m_folder.isEmpty())
        return;
    // Without an event loop (start-up, tools) the timer would never fire: write at once.
    if (!QCoreApplication::instance() || thread() != QThread::currentThread()) {
        save();
        return;
    }
    if (!m_saveTimer.isActive())
        m_saveTimer.start();
}

bool BaseParameter::save()
{
    m_saveTimer.stop();
    if (!m_dirty || m_folder.isEmpty())
        return true;
    QMap<QString, QString> all;
    for (auto t = m_tables.cbegin(); t != m_tables.cend(); ++t) {
        const bool general = t.key() == QLatin1String(kGeneral);
        for (auto v = t->cbegin(); v != t->cend(); ++v)
            all.insert(general ? v.key() : t.key() + '/' + v.key(), v.value());
    }
    if (!Ini::replaceAll(file_path(), all)) {
        qWarning() << "parameter store could not be written:" << file_path();
        return false;
    }
    m_dirty = false;
    return true;
}

void BaseParameter::msleep(int ms)
{
    if (ms > 0)
        QThread::msleep(static_cast<unsigned long>(ms));
}

GlobalPara *GlobalPara::get_instance()
{
    static GlobalPara *instance = [] {
        auto *p = new GlobalPara();
        // Saved on an orderly exit: the application object outlives no static, so hook its end.
        if (QCoreApplication::instance())
            QObject::connect(QCoreApplication::instance(), &QCoreApplication::aboutToQuit, p,
                             [p] { p->save(); });
        return p;
    }();
    return instance;
}

SqlPara *SqlPara::get_instance()
{
    static SqlPara instance;
    return &instance;
}
