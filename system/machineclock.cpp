#include "machineclock.h"

#include "board.h"
#include "systemlog.h"

#include <QDate>
#include <QDateTime>
#include <QFile>
#include <QRegularExpression>
#include <QTextStream>
#include <QThread>
#include <QTime>

#include <unistd.h>

const QString MachineClock::kRecordFile = QStringLiteral("/home/rvk/qdt_test.txt");

namespace {
// The board's sudo asks for this password on standard input.
const QString kSudoPassword = QStringLiteral("123");
} // namespace

bool MachineClock::isValidTime(const QString &text)
{
    static const QRegularExpression form(QStringLiteral(
        "\\A([0-9]{4})-([0-9]{1,2})-([0-9]{1,2}) ([0-9]{1,2}):([0-9]{1,2}):([0-9]{1,2})\\z"));
    const QRegularExpressionMatch match = form.match(text);
    if (!match.hasMatch())
        return false;
    const QDate date(match.captured(1).toInt(), match.captured(2).toInt(),
                     match.captured(3).toInt());
    const QTime time(match.captured(4).toInt(), match.captured(5).toInt(),
                     match.captured(6).toInt());
    return date.isValid() && time.isValid();
}

QString MachineClock::now()
{
    return QDateTime::currentDateTime().toString(QStringLiteral("yyyy-MM-dd HH:mm:ss"));
}

MachineClock::Outcome MachineClock::set(const QString &text)
{
    systemLog(QStringLiteral("SetMachineTime ") + text);
    m_hardwareClock.clear();
    if (!isValidTime(text)) {
        systemLog(QStringLiteral("SetMachineTime refused, not a date and time: ") + text);
        return Refused;
    }
    Board &board = Board::instance();
    const QString dateCommand = QStringLiteral("sudo date -s '%1'").arg(text);
    board.system(dateCommand);
    systemLog(dateCommand);

    // The hardware clock is only read, to show whether it follows the system clock.
    const QString readBack =
        QStringLiteral("echo %1 | sudo -S hwclock --show | xargs -I{} date -d \"{}\" "
                       "+\"%Y-%m-%d %H:%M:%S\"")
            .arg(kSudoPassword);
    m_hardwareClock =
        QString::fromLocal8Bit(board.bash(readBack, kHwclockTimeoutMs).output).trimmed();
    systemLog(QStringLiteral("aaaaaaaa：") + m_hardwareClock);

    QFile record(board.path(kRecordFile));
    if (!record.open(QIODevice::WriteOnly | QIODevice::Truncate | QIODevice::Text))
        return NotRecorded;
    {
        QTextStream out(&record);
        out.setCodec("UTF-8");
        out << text << '\n' << m_hardwareClock << '\n';
        out.flush();
    }
    record.flush();
    ::fsync(record.handle());
    record.close();
    QThread::msleep(50);
    return Set;
}
