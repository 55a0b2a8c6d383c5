#pragma once

#include <QObject>
#include <QTimer>

// Turns a start and an end value into a steadily rising progress for the screens: 0.01 per
// 100 ms tick up to the end value, then the end value on every tick until stopped. It reports
// time passing, not real progress.
class ProgressTimer : public QObject
{
    Q_OBJECT
public:
    enum Kind
    {
        FileTransfer = 0,
        PhotoTransfer = 1
    };
    static constexpr int kTickMs = 100;
    static constexpr double kStep = 0.01;

    explicit ProgressTimer(QObject *parent = nullptr);
    ~ProgressTimer() override;

    // Starts (or, while running, restarts) from start towards end; the kind is left as it is.
    void start(double start, double end);
    void stop();
    void setKind(int kind) { m_nTimerType = kind; }
    int kind() const { return m_nTimerType; }
    double value() const { return m_dStartTimerValue; }
    double endValue() const { return m_dEndTimerValue; }
    bool isRunning() const { return m_timer_progress.isActive(); }

public slots:
    void tick();

signals:
    void fileProgress(double value);
    void photoProgress(double value);

private:
    QTimer m_timer_progress;
    double m_dStartTimerValue = 0.0;
    double m_dEndTimerValue = 0.0;
    int m_nTimerType = FileTransfer;
};
