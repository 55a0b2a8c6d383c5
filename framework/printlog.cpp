#include "printlog.h"

#include "paths.h"

#include <QDateTime>
#include <QDebug>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cstdio>

PrintLog *PrintLog::get_instance()
{
    static PrintLog *instance = new PrintLog();
    return instance;
}

QString PrintLog::file_path()
{
    return Paths::logDir() + QStringLiteral("tavrio.log");
}

void PrintLog::append(const QString &level, const QString &line)
{
    const QString path = file_path();
    QDir().mkpath(QFileInfo(path).absolutePath());
    if (QFileInfo(path).size() > kMaxBytes) {
        QFile::remove(path + ".1");
        QFile::rename(path, path + ".1");
    }
    QFile file(path);
    if (!file.open(QIODevice::Append | QIODevice::Text))
        return;
    const QString stamp =
        QDateTime::currentDateTime().toString(QStringLiteral("yyyy-MM-dd hh:mm:ss.zzz"));
    file.write(QStringLiteral("%1 %2 %3\n").arg(stamp, level, line).toUtf8());
}

namespace {
void messageHandler(QtMsgType type, const QMessageLogContext &, const QString &message)
{
    static const char *levels[] = {"D", "W", "C", "F", "I"};
    const char *level = type <= QtInfoMsg ? levels[type] : "?";
    std::fprintf(stderr, "%s %s\n", level, message.toLocal8Bit().constData());
    PrintLog::append(QString::fromLatin1(level), message);
    if (type == QtFatalMsg)
        std::abort();
}
} // namespace

void PrintLog::install_message_handler()
{
    qInstallMessageHandler(messageHandler);
}

QString PrintLog::get_time() const
{
    return QTime::currentTime().toString(QStringLiteral("hh:mm:ss "));
}

void PrintLog::vlog(const QString &text)
{
    qInfo().noquote() << "[V]" << text;
}
void PrintLog::dlog(const QString &text)
{
    qDebug().noquote() << "[D]" << text;
}
void PrintLog::elog(const QString &text)
{
    qWarning().noquote() << "[E]" << text;
}
void PrintLog::wlog(const QString &text)
{
    qWarning().noquote() << "[W]" << text;
}
