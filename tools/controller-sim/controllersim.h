#pragma once

#include <QByteArray>
#include <QElapsedTimer>
#include <QObject>
#include <QRandomGenerator>
#include <QString>

class QSocketNotifier;
class QTimer;

// The controller board of the press, simulated: it answers on the master side of a
// pseudo-terminal whose slave the panel opens as its serial port.
class ControllerSim : public QObject
{
    Q_OBJECT
public:
    struct Options
    {
        bool quiet = false;
        bool logPolls = false;
        bool trace = false; // print "status <monotonic ns>" as each status line goes out
        int ackDelayMs = 0;
        double speed = 1.0; // time lapse of the physics (2 = twice as fast)
    };

    explicit ControllerSim(const Options &options, QObject *parent = nullptr);
    ~ControllerSim() override;

    // Opens the pseudo-terminal; returns its slave path, empty on failure.
    QString open();
    // One command of the fault and control language (see usage()).
    QString command(const QString &line);
    static QString usage();

private:
    void onReadable();
    void handleLine(const QByteArray &line);
    void handleWrite(const QByteArray &body);
    void acknowledge();
    void sendStatus();
    QByteArray statusLine();
    void send(const QByteArray &bytes);
    void step();
    void finishCycle();
    void hangUp();
    void say(const QString &text) const;

    Options m_opt;
    int m_master = -1;
    int m_slaveHold = -1;
    QSocketNotifier *m_notifier = nullptr;
    QTimer *m_physics = nullptr;
    QByteArray m_in;
    QElapsedTimer m_clock;
    QRandomGenerator m_rng{20261211};

    // Registers.
    double m_act = 250;     // platen, 0.1 °C
    double m_ambient = 250; // 0.1 °C
    double m_humidity = 450;
    int m_dest = 0; // 0.1 °C
    int m_time = 0; // s
    int m_remaining = 0;
    double m_remainingExact = 0;
    int m_state = 0;
    int m_counter = 0;
    int m_error = 0;
    int m_destPress = 0;
    bool m_sleeping = false;
    int m_tare = 8407686;
    int m_load = 0; // gauge counts above the tare while the platen is down
    bool m_estop = false;

    // Faults.
    int m_dropAcks = 0;
    int m_splitAcks = 0;
    bool m_silent = false;
    int m_doubleStatus = 0;
    int m_garbage = 0;
    int m_noLineFeed = 0;
    bool m_gaugeBroken = false;
};
