#pragma once

#include <QMap>
#include <QObject>
#include <QStringList>

class QSocketNotifier;

// The press's controller board as a test sees it: the far end of a pseudo-terminal that
// acknowledges every written line, answers each status request with a 13-field status line built
// from registers the test sets, and records what the panel wrote.
class ScriptedController : public QObject
{
    Q_OBJECT
public:
    explicit ScriptedController(QObject *parent = nullptr);
    ~ScriptedController() override;

    // Opens the pseudo-terminal; the path of the panel's end, empty on failure.
    QString open();
    QString portPath() const { return m_slavePath; }

    // Register values reported in the status line (text as sent, e.g. "1789").
    void setRegister(int reg, const QString &value);

    // Bodies of the written lines in order ("$100=1800", "M190"), without framing.
    QStringList writes() const { return m_writes; }
    int countWrites(const QString &body) const { return m_writes.count(body); }
    void clearWrites() { m_writes.clear(); }
    // Lines whose checksum did not match their body.
    QStringList badFrames() const { return m_badFrames; }
    // Status lines answered so far.
    int statusReplies() const { return m_statusReplies; }

private:
    void readAvailable();
    void handleLine(const QByteArray &line);
    QByteArray statusLine() const;

    int m_master = -1;
    int m_slaveKeepAlive = -1;
    QString m_slavePath;
    QSocketNotifier *m_notifier = nullptr;
    QByteArray m_buffer;
    QMap<int, QString> m_registers;
    QStringList m_writes;
    QStringList m_badFrames;
    int m_statusReplies = 0;
};
