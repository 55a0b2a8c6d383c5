#include "vevodaraserial.h"

#include "board.h"
#include "commandstring.h"
#include "qmlsignal.h"

#include <QDebug>
#include <QFileInfo>
#include <QMutexLocker>
#include <QSerialPortInfo>
#include <QTextCodec>
#include <QTimer>

#include <cmath>

namespace {
const QString kMotion = QStringLiteral("VevOdaraMotion");
const QString kGeneral = QStringLiteral("General");
} // namespace

VevOdaraSerial::VevOdaraSerial(const QString &name) : BaseModule(name)
{
    setupPort();
    vlog(QStringLiteral("参数管理VevOdaraSerial注册完成"));
}

VevOdaraSerial::~VevOdaraSerial()
{
    if (serial && serial->isOpen()) {
        serial->clear();
        serial->close();
    }
    m_nRun = 0;
    set_ini_para(QStringLiteral("m_nSerialisOpen"), QStringLiteral("0"), kGeneral);
    delete m_SetTimer;
    delete m_ReadTimer;
    delete m_E04timer;
}

void VevOdaraSerial::setupPort()
{
    if (!serial) {
        serial = new QSerialPort(this);
        connect(serial, &QSerialPort::errorOccurred, this, &VevOdaraSerial::onPortError);
    }
    emit m_trans->update_tportstate(0);
    if (QTextCodec *codec = QTextCodec::codecForName("System"))
        QTextCodec::setCodecForLocale(codec);
}

void VevOdaraSerial::init()
{
    m_nProductionCount = try_get_ini_para(QStringLiteral("m_nProductionCount"), "0").toInt();
    m_dADCratio = try_get_ini_para(QStringLiteral("m_dADCratio"), "0.000113392").toDouble();
    m_nTareValue = try_get_ini_para(QStringLiteral("m_nTareValue"), "8407686").toLongLong();
    if (!m_E04timer) {
        m_E04timer = new QTimer();
        connect(m_E04timer, &QTimer::timeout, this, &VevOdaraSerial::E04Timer_update);
    }
}

QString VevOdaraSerial::portName()
{
    const QString device = qEnvironmentVariable("TAVRIO_SERIAL_PORT");
    if (!device.isEmpty())
        return device;
    // Through the board layer: off the panel "/dev" is a folder of the home, so a development
    // run never writes to a serial port of the machine it runs on.
    return Board::instance().path(QStringLiteral("/dev/ttyS3"));
}

void VevOdaraSerial::writeOpenState(bool open)
{
    const QString flag = open ? QStringLiteral("1") : QStringLiteral("0");
    set_ini_para(QStringLiteral("m_nSerialisOpen"), flag, kGeneral);
    set_ini_para(QStringLiteral("m_nCardConnectStd"), flag, kGeneral);
}

int VevOdaraSerial::OpenSerial()
{
    if (serial && m_bIsSerialOpen) {
        serial->clear();
        serial->close();
    }

    const QStringList ports = availablePortNames();
    set_ini_para(QStringLiteral("m_nSerialTotalNum"), QString::number(ports.size()), kGeneral);
    for (int i = 0; i < ports.size(); ++i) {
        set_ini_para(QStringLiteral("m_sPortName_%1").arg(i), ports.at(i), kGeneral);
        vlog(QStringLiteral("串口：") + ports.at(i));
    }
    // Kept for the screens and written back unchanged; the controller is always on one device.
    const QString configured = try_get_ini_para(QStringLiteral("m_sPortName"), "COM3");
    vlog(QStringLiteral("m_sPortName ") + configured);

    serial->setPortName(portName());
    serial->setBaudRate(QSerialPort::Baud115200, QSerialPort::AllDirections);
    serial->setParity(QSerialPort::NoParity);
    serial->setDataBits(QSerialPort::Data8);
    serial->setFlowControl(QSerialPort::NoFlowControl);
    switch (try_get_ini_para(QStringLiteral("m_nStopBit"), "0").toInt() + 1) {
    case 2:
        serial->setStopBits(QSerialPort::TwoStop);
        break;
    case 3:
        serial->setStopBits(QSerialPort::OneAndHalfStop);
        break;
    default:
        serial->setStopBits(QSerialPort::OneStop);
        break;
    }

    if (!serial->open(QIODevice::ReadWrite)) {
        elog(QStringLiteral("串口打开失败！") + ' ' + serial->portName() + ' ' +
             serial->errorString());
        writeOpenState(false);
        emit m_trans->update_tportstate(0);
        m_bIsSerialOpen = false;
        return -1;
    }
    vlog(QStringLiteral("串口打开成功！") + ' ' + serial->portName());
    emit m_trans->update_tportstate(1);
    set_ini_para(QStringLiteral("m_nCardConnectStd"), QStringLiteral("1"), kGeneral);
    set_ini_para(QStringLiteral("m_sPortName"), configured, kGeneral);
    set_ini_para(QStringLiteral("m_nSerialisOpen"), QStringLiteral("1"), kGeneral);
    serial->clearError();
    serial->clear();
    m_bIsSerialOpen = true;
    connect(serial, &QSerialPort::readyRead, this, &VevOdaraSerial::DataReceived,
            Qt::UniqueConnection);
    serial->setReadBufferSize(300);
    if (!m_SetTimer) {
        m_SetTimer = new QTimer();
        connect(m_SetTimer, &QTimer::timeout, this, &VevOdaraSerial::SetTimer_update);
    }
    if (!m_ReadTimer) {
        m_ReadTimer = new QTimer();
        connect(m_ReadTimer, &QTimer::timeout, this, &VevOdaraSerial::ReadTimer_update);
    }
    return 0;
}

void VevOdaraSerial::CloseSerial()
{
    if (serial) {
        QMutexLocker lock(&m_ComMutex);
        if (m_bIsSerialOpen) {
            serial->clear();
            serial->close();
        }
    }
    m_bIsSerialOpen = false;
    emit m_trans->update_tportstate(0);
}

void VevOdaraSerial::onPortError(QSerialPort::SerialPortError error)
{
    // A hang-up or a vanished device (adapter pulled, pseudo-terminal closed) shows as a
    // resource error, or as a read or write error on the dead descriptor. The port is closed
    // once, outside the port's own notification, so the panel neither spins on the dead
    // descriptor nor blocks; OpenSerial can open it again.
    if (error != QSerialPort::ResourceError && error != QSerialPort::ReadError &&
        error != QSerialPort::WriteError)
        return;
    if (!m_bIsSerialOpen)
        return;
    elog(QStringLiteral("串口断开: ") + serial->errorString());
    m_bIsSerialOpen = false;
    QMetaObject::invokeMethod(this, &VevOdaraSerial::dropLostPort, Qt::QueuedConnection);
}

void VevOdaraSerial::dropLostPort()
{
    if (m_bIsSerialOpen)
        return; // opened again meanwhile
    {
        QMutexLocker lock(&m_ComMutex);
        if (serial->isOpen())
            serial->close();
    }
    m_receiveData.clear();
    writeOpenState(false);
    emit m_trans->update_tportstate(0);
}

QStringList VevOdaraSerial::availablePortNames()
{
    if (Board::instance().isSimulated()) {
        // Off the panel the machine's own terminals are not the press's ports: the only port is
        // the controller's stand-in, when it is there. Walking every terminal of a development
        // machine through udev would also cost tens of milliseconds at every start.
        const QString device = portName();
        if (!QFileInfo::exists(device))
            return {};
        return {QSerialPort(device).portName()};
    }
    QStringList names;
    for (const QSerialPortInfo &info : QSerialPortInfo::availablePorts())
        names << info.portName();
    return names;
}

QStringList VevOdaraSerial::get_portnamelist()
{
    QStringList names;
    for (const QString &name : availablePortNames()) {
        QSerialPort probe(name);
        if (probe.open(QIODevice::ReadWrite)) {
            names << name;
            vlog(QStringLiteral("串口号：") + name);
            probe.close();
        }
    }
    return names;
}

void VevOdaraSerial::DataSend(const QString &text)
{
    if (!m_bIsSerialOpen)
        return;
    serial->write(text.toLocal8Bit());
    for (int i = 0; i < m_nMaxRetries; ++i) {
        if (serial->waitForBytesWritten(30000))
            break;
        if (serial->error() != QSerialPort::NoError && serial->error() != QSerialPort::TimeoutError)
            break;
    }
}

void VevOdaraSerial::StartSetTimer()
{
    m_sCurrentSendCode.clear();
    if (m_SetTimer)
        m_SetTimer->start(m_nStartSet);
}

void VevOdaraSerial::StopReadTimer()
{
    if (m_ReadTimer)
        m_ReadTimer->stop();
}

int VevOdaraSerial::enqueue(const QStringList &framedLines)
{
    int size = static_cast<int>(m_dSizeGCode);
    if (size + framedLines.size() > kQueueSlots && m_nSendBufferIndex > 0) {
        // Slots below the send index have gone out already: move the unsent lines down.
        const int unsent = size - m_nSendBufferIndex;
        for (int i = 0; i < unsent; ++i)
            m_bufferGCodeList[i] = m_bufferGCodeList[m_nSendBufferIndex + i];
        for (int i = unsent; i < size; ++i)
            m_bufferGCodeList[i].clear();
        size = unsent;
        m_nSendBufferIndex = 0;
    }
    const int room = kQueueSlots - size;
    const int stored = qMin(room, framedLines.size());
    for (int i = 0; i < stored; ++i)
        m_bufferGCodeList[size + i] = framedLines.at(i);
    if (stored < framedLines.size()) {
        // The controller has not taken the earlier lines for a long time (or the port was
        // never open). The lines already queued go first; the rest of this batch is lost.
        wlog(QStringLiteral("send queue full: %1 of %2 lines dropped, first %3")
                 .arg(framedLines.size() - stored)
                 .arg(framedLines.size())
                 .arg(framedLines.at(stored).trimmed()));
    }
    m_nRun = 1;
    m_dRunOkGCode = 0;
    m_dSizeGCode = size + stored;
    return stored;
}

void VevOdaraSerial::SetTimer_update()
{
    if (!m_sCurrentSendCode.isEmpty()) {
        DataSend(m_sCurrentSendCode);
    } else if (m_nSendBufferIndex < m_dSizeGCode) {
        m_sCurrentSendCode = m_bufferGCodeList[m_nSendBufferIndex];
        DataSend(m_sCurrentSendCode);
        ++m_nSendBufferIndex;
        Msleep(10);
    } else {
        m_nRun = 0;
        m_nSendBufferIndex = 0;
        m_dSizeGCode = 0;
        m_SetTimer->stop();
        if (m_ReadTimer)
            m_ReadTimer->start(m_nStartRead);
        qDebug() << "DataSendList.count=" << m_dSizeGCode
                 << "DataSendList.index=" << m_nSendBufferIndex;
    }
}

void VevOdaraSerial::ReadTimer_update()
{
    DataSend(QString::fromLatin1(ControllerProtocol::kStatusRequest));
}

void VevOdaraSerial::DataReceived()
{
    // Give the rest of a line time to arrive, so that a status line is mostly read in one go.
    Msleep(30);
    QString chunk;
    while (m_bIsSerialOpen && serial->bytesAvailable() > 0)
        chunk += QString::fromUtf8(serial->readAll());
    handleReceived(chunk);
}

void VevOdaraSerial::handleReceived(const QString &chunk)
{
    m_receiveData += chunk;
    if (m_nRun == 1) {
        if (ControllerProtocol::isAcknowledgement(m_receiveData)) {
            m_sCurrentSendCode.clear();
            m_dRunOkGCode += 1;
        }
        m_receiveData.clear();
        return;
    }
    QString line;
    if (!ControllerProtocol::takeLastLine(m_receiveData, &line)) {
        if (m_receiveData.size() > kMaxReceiveChars) {
            m_receiveData.clear();
            ++m_nDroppedPartials;
        }
        return;
    }
    handleStatusLine(line);
}

void VevOdaraSerial::handleStatusLine(const QString &line)
{
    QVector<ControllerProtocol::StatusField> fields;
    if (!ControllerProtocol::parseStatusLine(line, &fields))
        return;
    for (const ControllerProtocol::StatusField &f : qAsConst(fields)) {
        const int value = static_cast<int>(f.value);
        switch (f.reg) {
        case 99:
            m_nActTemperature = value;
            emit m_trans->update_cur_act_temperature(f.real());
            break;
        case 100:
            emit m_trans->update_cur_dest_temperature(f.real());
            break;
        case 101:
            emit m_trans->update_cur_dest_pressure(f.real());
            break;
        case 102:
            emit m_trans->update_cur_dest_time(value);
            break;
        case 103:
            emit m_trans->update_cur_act_heat_second(value);
            if (value == 0 && m_nStartE04Timer == 0) {
                // The platen lifts at the end of a cycle; the gauge swings for a moment.
                m_nStartE04Timer = 1;
                m_nStopDetectE04 = 1;
                m_nE04Counter = 0;
                if (m_E04timer)
                    m_E04timer->start(500);
            }
            break;
        case ControllerProtocol::kPressureRegister: {
            if (m_nStopDetectE04 == 1)
                break;
            m_nPressADC = f.value;
            if (m_nPressADC < kPressureAlarmBelow)
                emit m_trans->update_vevodara_ErrorMsg(4);
            const double weight =
                static_cast<double>(m_nPressADC - m_nTareValue) * m_dADCratio + 0.05;
            emit m_trans->update_vevodara_press(std::isfinite(weight) ? std::round(weight) : 0.0);
            break;
        }
        case 110:
            onWorkState(value);
            break;
        case 120:
            m_nAmbientTemperature = value;
            emit m_trans->update_vevodara_ambienttemp(f.real());
            break;
        case 121:
            m_nHumidity = value;
            emit m_trans->update_vevodara_humidity(f.real());
            break;
        case 122:
            onProductionCounter(value);
            break;
        case 130:
            emit m_trans->update_vevodara_ErrorMsg(value); // 0 never arrives: it ends the line
            break;
        default:
            break;
        }
    }
}

void VevOdaraSerial::onWorkState(int state)
{
    emit m_trans->update_vevodara_EmergencyForm(state == 2);
    if (state != 0) {
        // A running cycle counts as operator activity for the idle sleep.
        send_cmd(kMotion, QStringLiteral("VevOdaraSerial##ResetE05Count"));
        emit m_trans->update_vevodara_workui(true);
        return;
    }
    if (m_nFlagProductAdd == 1 &&
        try_get_ini_para(QStringLiteral("m_nUseSeparateCounter"), "0").toInt() == 1) {
        m_nFlagProductAdd = 0;
        const int segments = try_get_ini_para(QStringLiteral("m_nSegmentCount"), "2").toInt();
        const int current = try_get_ini_para(QStringLiteral("m_nCurCountIndex"), "0").toInt();
        int next = 0;
        if (current == 0)
            next = 1;
        else if (current > 0 && current < segments - 1)
            next = current + 1;
        set_ini_para(QStringLiteral("m_nCurCountIndex"), QString::number(next), kGeneral);
        const QString seconds =
            try_get_ini_para(QStringLiteral("m_nDestTimer%1").arg(next + 1), next == 0 ? "0" : "1");
        send_cmd(kMotion, QStringLiteral("VevOdaraSerial##set_DestTimer##") + seconds);
        emit update_runIndex(next);
        qDebug() << "emit update_runIndex"
                 << "nCurCountIndex=" << next;
    }
    emit m_trans->update_vevodara_workui(false);
}

void VevOdaraSerial::onProductionCounter(int value)
{
    // Only a step of one is a pressed piece; a jump or a restart from 0 is shown, not counted.
    if (value > 0 && value == m_nProductionCount + 1) {
        m_nProductionCount = value;
        m_nFlagProductAdd = 1;
        send_cmd(kMotion,
                 QStringLiteral("VevOdaraSerial##UpdateProductionData##") + QString::number(value));
    }
    emit m_trans->update_vevodara_workcount(value);
}

void VevOdaraSerial::E04Timer_update()
{
    if (m_nE04Counter > 2) {
        m_E04timer->stop();
        m_nStartE04Timer = 0;
        m_nStopDetectE04 = 0;
    }
    ++m_nE04Counter;
}

void VevOdaraSerial::handle_cmd(QString cmd)
{
    static const CommandTable table = {
        {QStringLiteral("importFile"), nullptr},       {QStringLiteral("exportFile"), nullptr},
        {QStringLiteral("tranFileToArm"), nullptr},    {QStringLiteral("getFileFromArm"), nullptr},
        {QStringLiteral("Tcp_FileTransfer"), nullptr}, {QStringLiteral("ComTcpClient"), nullptr},
        {QStringLiteral("delete_material"), nullptr},
    };
    const Command command(cmd);
    if (command.tag() == QLatin1String("Qml")) {
        Qml_cmd(command.remainder());
        return;
    }
    if (command.tag() == QLatin1String("HalconFRJ")) {
        const Command sub(command.remainder());
        if (sub.tag() == QLatin1String("VisionPos")) {
            // The vision position of machines with a camera; this press has none but keeps it.
            set_local_para(QStringLiteral("m_nVisionX"), QString::number(int(sub.toDouble(1))));
            set_local_para(QStringLiteral("m_nVisionY"), QString::number(int(sub.toDouble(2))));
            set_local_para(QStringLiteral("m_nVisionAngle"), QString::number(int(sub.toDouble(3))));
            set_local_para(QStringLiteral("m_nVisionOk"), QString::number(sub.toInt(4)));
        }
        return;
    }
    table.dispatch(command); // the rest have no effect here
}

void VevOdaraSerial::Qml_cmd(const QString &cmd)
{
    const Command command(cmd);
    const CommandTable table = {
        {QStringLiteral("OpenSerial"),
         [this](const Command &) {
             OpenSerial();
         }},
        {QStringLiteral("CloseSerial"),
         [this](const Command &) {
             CloseSerial();
         }},
        {QStringLiteral("DataSend"),
         [this](const Command &c) {
             DataSend(c.remainder());
         }},
        {QStringLiteral("update_UIValue"),
         [this](const Command &) {
             emit m_trans->update_cur_act_temperature(m_nActTemperature);
             emit m_trans->update_vevodara_ambienttemp(m_nAmbientTemperature);
             emit m_trans->update_vevodara_humidity(m_nHumidity);
         }},
        {QStringLiteral("fresh_parameter"),
         [](const Command &) {
             emit QmlSignal::get_instance()->qml_fresh_parameter();
         }},
    };
    table.dispatch(command);
}
