#pragma once

#include "basemodule.h"
#include "controllerprotocol.h"

#include <QMutex>
#include <QSerialPort>
#include <QStringList>

class QTimer;

// The serial link to the press's controller board. It sends the lines the process module queues,
// one per send tick and each until the controller acknowledges it, polls the controller's status
// between batches and turns each status line into hub signals.
class VevOdaraSerial : public BaseModule
{
    Q_OBJECT
public:
    static constexpr int kQueueSlots = 200;
    // A controller that sends without line feeds must not grow the accumulator without limit:
    // past this many characters the partial line is dropped and decoding resumes after the next
    // line feed. A real status line is well under 200 characters.
    static constexpr int kMaxReceiveChars = 1024;
    static constexpr qint64 kPressureAlarmBelow = 8400000; // readings below: gauge broken (E04)

    explicit VevOdaraSerial(const QString &name = QStringLiteral("VevOdaraSerial"));
    ~VevOdaraSerial() override;

    void init() override;
    void handle_cmd(QString cmd) override;

    // "/dev/ttyS3", or the device named by TAVRIO_SERIAL_PORT (a pseudo-terminal in development).
    static QString portName();

    int OpenSerial();
    void CloseSerial();
    // The names of the serial ports there are (only the stand-in off the panel).
    static QStringList availablePortNames();
    QStringList get_portnamelist();
    void DataSend(const QString &text);
    void StartSetTimer();
    void StopReadTimer();

    // Stores framed lines in the queue after the ones already there and switches the receive
    // handler to acknowledgements. Returns the number of lines stored; lines that do not fit
    // into the 200 slots are dropped and logged.
    int enqueue(const QStringList &framedLines);
    // The receive handler: one received chunk, already read from the port.
    void handleReceived(const QString &chunk);

    QSerialPort *serial = nullptr;
    bool m_bIsSerialOpen = false;
    QString m_receiveData;
    QString m_bufferGCodeList[kQueueSlots];
    QString m_sCurrentSendCode;
    QTimer *m_SetTimer = nullptr;
    QTimer *m_ReadTimer = nullptr;
    QTimer *m_E04timer = nullptr;
    int m_nStartSet = 100;
    int m_nStartRead = 200;
    int m_nMaxRetries = 10;
    QMutex m_ComMutex;

    // Queue counters. One link exists, so they are plain members.
    double m_dSizeGCode = 0;
    int m_nSendBufferIndex = 0;
    double m_dRunOkGCode = 0;
    int m_nRun = 0;

    // Controller values as last decoded.
    int m_nActTemperature = 30;
    int m_nAmbientTemperature = 30;
    int m_nHumidity = 30;
    qint64 m_nPressADC = 0;
    qint64 m_nTareValue = 8407686;
    double m_dADCratio = 0.000113392;
    int m_nProductionCount = 0;
    int m_nFlagProductAdd = 0;
    int m_nStartE04Timer = 0;
    int m_nE04Counter = 0;
    int m_nStopDetectE04 = 0;

    // How many partial lines were dropped for growing past kMaxReceiveChars.
    int m_nDroppedPartials = 0;

signals:
    void update_runIndex(int nIndex);

public slots:
    void SetTimer_update();
    void ReadTimer_update();
    void E04Timer_update();
    void DataReceived();

private:
    void Qml_cmd(const QString &cmd);
    void setupPort();
    void handleStatusLine(const QString &line);
    void onWorkState(int state);
    void onProductionCounter(int value);
    void onPortError(QSerialPort::SerialPortError error);
    void dropLostPort();
    void writeOpenState(bool open);
};
