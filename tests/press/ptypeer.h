#pragma once

#include <QByteArray>
#include <QList>
#include <QObject>
#include <QString>

class QSocketNotifier;

// The controller's end of a pseudo-terminal, scripted by a test: the panel opens path() as its
// serial port; the test sees each line the panel writes and answers as it likes.
class PtyPeer : public QObject
{
    Q_OBJECT
public:
    explicit PtyPeer(QObject *parent = nullptr);
    ~PtyPeer() override;

    bool isOpen() const { return m_master >= 0; }
    QString path() const { return m_path; }
    void write(const QByteArray &bytes);
    // Closes the controller's end: the panel sees the line hang up.
    void hangUp();

    // Every line received (without its line feed), in order.
    QList<QByteArray> lines;
    // Acknowledge every written line (not the status request) after this many ms; -1: never.
    int autoAckMs = -1;
    // Answer each status request with this text when not empty.
    QByteArray statusAnswer;

    int count(const QByteArray &line) const { return lines.count(line); }
    QList<QByteArray> writes() const; // lines other than the status request

signals:
    void lineReceived(const QByteArray &line);

private:
    void onReadable();

    int m_master = -1;
    int m_slaveHold = -1;
    QString m_path;
    QSocketNotifier *m_notifier = nullptr;
    QByteArray m_in;
};
