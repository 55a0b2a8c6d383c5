#pragma once

#include <QObject>
#include <QString>

// The log of the panel (context object "cpp_log"). Lines go to the debug stream and to
// "<home>/Log/tavrio.log", which is rotated once it passes a size bound so that a panel running
// for years never fills its storage.
class PrintLog : public QObject
{
    Q_OBJECT
public:
    static constexpr qint64 kMaxBytes = 2 * 1024 * 1024;

    static PrintLog *get_instance();
    static QString file_path();
    // Appends one line to the log file (also used by the debug message handler).
    static void append(const QString &level, const QString &line);
    // Routes qDebug/qInfo/qWarning into the log file as well as standard error.
    static void install_message_handler();

    Q_INVOKABLE QString get_time() const; // "hh:mm:ss "
    Q_INVOKABLE void vlog(const QString &text);
    Q_INVOKABLE void dlog(const QString &text);
    Q_INVOKABLE void elog(const QString &text);
    Q_INVOKABLE void wlog(const QString &text);

private:
    using QObject::QObject;
};
