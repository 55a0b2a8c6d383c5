#include "progresstimer.h"

ProgressTimer::ProgressTimer(QObject *parent) : QObject(parent)
{
    m_timer_progress.setInterval(kTickMs);
    connect(&m_timer_progress, &QTimer::timeout, this, &ProgressTimer::tick);
}

ProgressTimer::~ProgressTimer()
{
    m_timer_progress.stop();
}

void ProgressTimer::start(double start, double end)
{
    m_timer_progress.start();
    m_dStartTimerValue = start;
    m_dEndTimerValue = end;
}

void ProgressTimer::stop()
{
    m_timer_progress.stop();
}

void ProgressTimer::tick()
{
    if (m_dStartTimerValue < m_dEndTimerValue)
        m_dStartTimerValue += kStep;
    else
        m_dStartTimerValue = m_dEndTimerValue;
    if (m_nTimerType == FileTransfer)
        emit fileProgress(m_dStartTimerValue);
    else if (m_nTimerType == PhotoTransfer)
        emit photoProgress(m_dStartTimerValue);
}
