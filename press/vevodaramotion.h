#pragma once

#include "basemodule.h"

#include <QDate>
#include <QStringList>

class QTimer;
class VevOdaraSerial;
class Command;

// The heat-press process module. It owns the serial link to the controller board, turns the
// operator's set-points and actions into write batches, puts the controller to sleep after an
// hour without activity, calibrates the pressure gauge and keeps the production records.
class VevOdaraMotion : public BaseModule
{
    Q_OBJECT
public:
    static constexpr int kIdleTicks = 360; // idle ticks before the sleep (E05)

    explicit VevOdaraMotion(const QString &name = QStringLiteral("VevOdaraMotion"));
    ~VevOdaraMotion() override;

    void init() override;
    void handle_cmd(QString cmd) override;

    // Called by name by the system-service module.
    Q_INVOKABLE int OpenSerial();
    Q_INVOKABLE void CloseSerial();
    Q_INVOKABLE void EnumPortName();

    // The batch encoder: frames each line of text and queues it on the link.
    void RunGcode(const QString &text);

    void create_productini();
    void delete_productini();
    void check_lockfile(const QString &dirPath, const QString &baseName);
    QString productionFile() const;

    VevOdaraSerial *m_pVevOdaraSerial = nullptr;
    QString m_strTechPath;
    QTimer *m_timerE05 = nullptr;
    int m_nTimeLenE05 = 10000; // tests shorten it before init
    int m_nTimeOutE05 = 0;
    int m_nE05Std = 0;
    int m_nTodayProduNum = 0;
    QDate m_curDate;
    // Pauses around start and shutdown (tests shorten them).
    int m_nStartPauseMs = 1000;
    int m_nStopPauseMs = 500;
    int m_nBatchPauseMs = 50;
    // Until the start-up batch has gone out, later batches wait in order behind it.
    bool m_bHoldBatches = false;
    QStringList m_heldBatches;

signals:
    void update_runIndex(int nIndex);
    void update_delete_counter(int nIndex);

public slots:
    void timer_update_E05();

private:
    void Qml_cmd(const QString &cmd);
    void Serial_cmd(const QString &cmd);
    // Stops the poll, queues the lines and starts the send tick.
    void runBatch(const QString &text);
    void runBatch(const QString &text, int pauseMs);
    QString destinationLine();
    QString realPara(const char *name) const;
    QString setPointLines();
    QString setParaLines();
    void setPara();
    void setDestTimer(const Command &command, bool clearPieceFlag);
    void idleSleep(int n);
    void resetIdle();
    void calibratePressure(const QString &which);
    void recordPiece(const QString &total);
    void clearCount();
};
