#include "vevodaramotion.h"

#include "board.h"
#include "commandstring.h"
#include "controllerprotocol.h"
#include "paths.h"
#include "productionrecords.h"
#include "qmlsignal.h"
#include "vevodaraserial.h"

#include <QDateTime>
#include <QDebug>
#include <QFileInfo>
#include <QThread>
#include <QTimer>

#include <cmath>

namespace {
const QString kGeneral = QStringLiteral("General");
const QString kProductionFolder = QStringLiteral("Production");
const QString kProductionFile = QStringLiteral("ProductionCount.ini");
} // namespace

VevOdaraMotion::VevOdaraMotion(const QString &name)
    : BaseModule(name), m_strTechPath(Paths::configDir() + QStringLiteral("TechLibrary/"))
{
    // The panel's Ethernet port has a fixed address.
    Board::instance().bash(QStringLiteral("ifconfig eth0 192.168.0.11 netmask 255.255.255.0"),
                           30000);
}

VevOdaraMotion::~VevOdaraMotion()
{
    Msleep(m_nStopPauseMs);
    delete m_timerE05;
    delete m_pVevOdaraSerial;
}

void VevOdaraMotion::init()
{
    const QString library = Paths::executableDir() + QStringLiteral("/Config/TechLibrary");
    if (QFileInfo(library).isDir())
        m_strTechPath = library + QLatin1Char('/');

    check_lockfile(m_strTechPath + kProductionFolder, QStringLiteral("ProductionCount"));
    create_productini();

    m_pVevOdaraSerial = new VevOdaraSerial();
    m_pVevOdaraSerial->moveToThread(QThread::currentThread());
    m_pVevOdaraSerial->init();

    emit m_trans->update_tportstate(OpenSerial() == 0 ? 1 : 0);

    m_timerE05 = new QTimer();
    connect(m_timerE05, &QTimer::timeout, this, &VevOdaraMotion::timer_update_E05);
    m_timerE05->start(m_nTimeLenE05);

    connect(m_pVevOdaraSerial, &VevOdaraSerial::update_runIndex, this,
            &VevOdaraMotion::update_runIndex);

    m_curDate = QDate::fromString(try_get_ini_para(QStringLiteral("m_curDate"), "0"),
                                  QStringLiteral("yyyy-MM-dd"));
    m_nTodayProduNum = try_get_ini_para(QStringLiteral("m_nTodayProduNum"), "0").toInt();

    // The controller takes its set-points a second after start. The lines are read now, as
    // they stand at the end of start-up, and the second runs on a timer so that the screens come
    // up meanwhile; batches asked for during it are held and follow the start-up batch in order.
    emit m_trans->update_file_trans_progress(0);
    const QString startupLines = setParaLines();
    m_bHoldBatches = true;
    QTimer::singleShot(m_nStartPauseMs, this, [this, startupLines] {
        m_bHoldBatches = false;
        runBatch(startupLines, 2 * m_nBatchPauseMs);
        resetIdle();
        const QStringList held = m_heldBatches;
        m_heldBatches.clear();
        for (const QString &text : held)
            runBatch(text);
    });
}

int VevOdaraMotion::OpenSerial()
{
    return m_pVevOdaraSerial ? m_pVevOdaraSerial->OpenSerial() : -1;
}

void VevOdaraMotion::CloseSerial()
{
    Msleep(500);
    if (m_pVevOdaraSerial)
        m_pVevOdaraSerial->CloseSerial();
    emit m_trans->update_tportstate(0);
    set_ini_para(QStringLiteral("m_nSerialisOpen"), QStringLiteral("0"), kGeneral);
    set_ini_para(QStringLiteral("m_nCardConnectStd"), QStringLiteral("0"), kGeneral);
}

void VevOdaraMotion::EnumPortName()
{
    if (!m_pVevOdaraSerial)
        return;
    const QStringList names = m_pVevOdaraSerial->get_portnamelist();
    set_ini_para(QStringLiteral("m_nSerialTotalNum"), QString::number(names.size()), kGeneral);
    for (int i = 0; i < names.size(); ++i)
        set_ini_para(QStringLiteral("m_sPortName_%1").arg(i), names.at(i), kGeneral);
    emit m_trans->update_tportname(names);
}

void VevOdaraMotion::RunGcode(const QString &text)
{
    QStringList bodies;
    const QStringList framed = ControllerProtocol::encodeBatch(text, &bodies);
    for (int i = 0; i < bodies.size(); ++i)
        qDebug().noquote() << "tBufferGCodeList" << i << "/" << bodies.size() << bodies.at(i);
    m_pVevOdaraSerial->enqueue(framed);
}

void VevOdaraMotion::runBatch(const QString &text)
{
    runBatch(text, m_nBatchPauseMs);
}

void VevOdaraMotion::runBatch(const QString &text, int pauseMs)
{
    if (!m_pVevOdaraSerial)
        return;
    if (m_bHoldBatches) {
        m_heldBatches << text;
        return;
    }
    m_pVevOdaraSerial->StopReadTimer();
    Msleep(pauseMs);
    m_pVevOdaraSerial->m_nRun = 1;
    RunGcode(text);
    m_pVevOdaraSerial->StartSetTimer();
}

QString VevOdaraMotion::destinationLine()
{
    // The controller works in tenths of a degree.
    const double tenths =
        try_get_ini_para(QStringLiteral("m_nDestTemperature"), "0").toDouble() * 10;
    const bool heating = m_pVevOdaraSerial && tenths >= m_pVevOdaraSerial->m_nActTemperature;
    set_para(QStringLiteral("m_nTempUp"), heating ? QStringLiteral("1") : QStringLiteral("0"),
             kGeneral);
    return QStringLiteral("$100=") + ControllerProtocol::formatReal(tenths) + QLatin1Char('\n');
}

QString VevOdaraMotion::realPara(const char *name) const
{
    return ControllerProtocol::formatReal(try_get_ini_para(QLatin1String(name), "0").toDouble());
}

// The destination, the pressing time and the temperature correction: what the controller
// needs to heat and press as the operator set it.
QString VevOdaraMotion::setPointLines()
{
    const int seconds = try_get_ini_para(QStringLiteral("m_nDestTimer"), "0").toInt();
    const QString text = destinationLine() + QStringLiteral("$102=%1\n").arg(seconds) +
                         QStringLiteral("$106=") + realPara("m_dTemperatureOffset") + '\n';
    qDebug().noquote() << text;
    return text;
}

QString VevOdaraMotion::setParaLines()
{
    const bool separate =
        try_get_ini_para(QStringLiteral("m_nUseSeparateCounter"), "0").toInt() == 1;
    const int seconds =
        try_get_ini_para(
            separate ? QStringLiteral("m_nDestTimer1") : QStringLiteral("m_nDestTimer"), "0")
            .toInt();
    return destinationLine() + QStringLiteral("$102=%1\n").arg(seconds) + QStringLiteral("$106=") +
           realPara("m_dTemperatureOffset") + QStringLiteral("\n$107=") + realPara("m_dTempPID_P") +
           QStringLiteral("\n$108=") + realPara("m_dTempPID_S") + '\n';
}

void VevOdaraMotion::setPara()
{
    emit m_trans->update_file_trans_progress(0);
    // This batch waits twice as long before it goes out.
    runBatch(setParaLines(), 2 * m_nBatchPauseMs);
    resetIdle();
}

void VevOdaraMotion::setDestTimer(const Command &command, bool clearPieceFlag)
{
    if (!command.has(2))
        return;
    bool ok = false;
    const int seconds = command.at(1).toInt(&ok);
    if (!ok || seconds <= 0)
        return;
    qDebug() << "nDestTimer:" << command.at(1);
    if (clearPieceFlag && m_pVevOdaraSerial)
        m_pVevOdaraSerial->m_nFlagProductAdd = 0;
    runBatch(QStringLiteral("$102=%1\n").arg(seconds));
    resetIdle();
}

void VevOdaraMotion::timer_update_E05()
{
    if (m_nTimeOutE05 < kIdleTicks) {
        emit m_trans->update_vevodara_ErrorMsg(0);
    } else {
        emit m_trans->update_vevodara_ErrorMsg(5);
        Qml_cmd(QStringLiteral("E05##1"));
    }
    ++m_nTimeOutE05;
}

void VevOdaraMotion::idleSleep(int n)
{
    QString text;
    if (n == 0) {
        m_nTimeOutE05 = 0;
        text = setPointLines();
        m_nE05Std = 0;
    } else if (m_nE05Std == 0) {
        text = QStringLiteral("$135=1\n");
        qDebug().noquote() << "E05 sleep:" << text;
        m_nE05Std = 1;
    }
    runBatch(text); // an empty batch only restarts the poll
}

void VevOdaraMotion::resetIdle()
{
    m_nTimeOutE05 = 0;
    if (m_nE05Std == 1) {
        runBatch(setPointLines());
        m_nE05Std = 0;
    }
}

void VevOdaraMotion::calibratePressure(const QString &which)
{
    if (!m_pVevOdaraSerial)
        return;
    const qint64 reading = m_pVevOdaraSerial->m_nPressADC;
    if (which == QLatin1String("0")) {
        set_ini_para(QStringLiteral("m_nTareValue"), QString::number(reading), kGeneral);
        m_pVevOdaraSerial->m_nTareValue = reading;
        return;
    }
    const qint64 tare = try_get_ini_para(QStringLiteral("m_nTareValue"), "0").toLongLong();
    const double weight = try_get_ini_para(QStringLiteral("m_dCalibWeight"), "0").toDouble();
    const double ratio = (weight - 0.05) / static_cast<double>(reading - tare);
    if (!std::isfinite(ratio)) {
        // No load on the gauge since the tare: a ratio from that would turn every later
        // reading into nonsense, so the old calibration stays.
        wlog(QStringLiteral("span calibration skipped: reading %1 equals the tare").arg(reading));
        return;
    }
    const QString text = QString::number(ratio, 'g', 6);
    set_ini_para(QStringLiteral("m_dADCratio"), text, kGeneral);
    m_pVevOdaraSerial->m_dADCratio = text.toDouble();
}

QString VevOdaraMotion::productionFile() const
{
    return m_strTechPath + kProductionFolder + QLatin1Char('/') + kProductionFile;
}

void VevOdaraMotion::recordPiece(const QString &total)
{
    set_ini_para(QStringLiteral("m_nProductionCount"), total, kGeneral);
    const QDate today = QDate::currentDate();
    if (m_curDate != today) {
        m_nTodayProduNum = 0;
        m_curDate = today;
        set_ini_para(QStringLiteral("m_curDate"), today.toString(QStringLiteral("yyyy-MM-dd")),
                     kGeneral);
    }
    ++m_nTodayProduNum;
    set_ini_para(QStringLiteral("m_nTodayProduNum"), QString::number(m_nTodayProduNum), kGeneral);
    set_path_fp_para(m_strTechPath, kProductionFolder, kProductionFile,
                     QDateTime::currentDateTime().toString(QStringLiteral("yyyy/MM/dd")),
                     QString::number(m_nTodayProduNum));
    ProductionRecords::trim(productionFile());
}

void VevOdaraMotion::create_productini()
{
    ProductionRecords::createEmpty(productionFile());
    Board::instance().system(
        QStringLiteral("chmod 777 /home/rvk/Public/QZLaser/Config/TechLibrary -R"));
}

void VevOdaraMotion::delete_productini()
{
    ProductionRecords::deleteAll(m_strTechPath + kProductionFolder);
}

void VevOdaraMotion::check_lockfile(const QString &dirPath, const QString &baseName)
{
    ProductionRecords::removeStaleLocks(dirPath, baseName);
}

void VevOdaraMotion::clearCount()
{
    set_ini_para(QStringLiteral("m_nProductionCount"), QStringLiteral("0"), kGeneral);
    m_nTodayProduNum = 0;
    if (m_pVevOdaraSerial)
        m_pVevOdaraSerial->m_nProductionCount = 0;
    set_ini_para(QStringLiteral("m_nTodayProduNum"), QStringLiteral("0"), kGeneral);
    delete_productini();
    create_productini();
    runBatch(QStringLiteral("$122=0\n"));
    emit m_trans->update_vevodara_workcount(0);
}

void VevOdaraMotion::handle_cmd(QString cmd)
{
    const Command command(cmd);
    if (command.tag() == QLatin1String("Qml")) {
        Qml_cmd(command.remainder());
        if (command.at(1) == QLatin1String("autostop"))
            qDebug().noquote() << "qml-autostop" << cmd;
    } else if (command.tag() == QLatin1String("VevOdaraSerial")) {
        Serial_cmd(command.remainder());
    }
}

void VevOdaraMotion::Serial_cmd(const QString &cmd)
{
    const CommandTable table = {
        {QStringLiteral("UpdateProductionData"),
         [this](const Command &c) {
             recordPiece(c.at(1));
         }},
        {QStringLiteral("ResetE05Count"),
         [this](const Command &) {
             resetIdle();
         }},
        {QStringLiteral("set_DestTimer"),
         [this](const Command &c) {
             setDestTimer(c, false);
         }},
    };
    table.dispatch(cmd);
}

void VevOdaraMotion::Qml_cmd(const QString &cmd)
{
    const CommandTable table = {
        {QStringLiteral("set_para"),
         [this](const Command &) {
             setPara();
         }},
        {QStringLiteral("set_temperature"),
         [this](const Command &) {
             runBatch(destinationLine() + QStringLiteral("$106=") +
                      realPara("m_dTemperatureOffset") + '\n');
             resetIdle();
         }},
        {QStringLiteral("set_time"),
         [this](const Command &) {
             runBatch(QStringLiteral("$102=%1\n")
                          .arg(try_get_ini_para(QStringLiteral("m_nDestTimer"), "0").toInt()));
             resetIdle();
         }},
        {QStringLiteral("set_DestTimer"),
         [this](const Command &c) {
             setDestTimer(c, true);
         }},
        {QStringLiteral("ChangeMaterialPara"),
         [this](const Command &c) {
             runBatch(QStringLiteral("$100=") + ControllerProtocol::formatReal(c.toDouble(1) * 10) +
                      QStringLiteral("\n$102=") + c.at(2) + '\n');
         }},
        {QStringLiteral("autostart"),
         [this](const Command &) {
             runBatch(QStringLiteral("M190\n"));
             emit m_trans->update_cur_act_heat_second(
                 try_get_ini_para(QStringLiteral("m_nDestTimer"), "0").toInt());
         }},
        {QStringLiteral("autostop"),
         [this](const Command &) {
             runBatch(QStringLiteral("M200\n"));
             emit m_trans->update_print_stopwork();
         }},
        {QStringLiteral("run_Bee"),
         [this](const Command &) {
             runBatch(QStringLiteral("$109=1\n"));
         }},
        {QStringLiteral("CountBee"),
         [this](const Command &c) {
             runBatch(QStringLiteral("$111=%1\n").arg(c.at(1) == QLatin1String("true") ? 1 : 0));
         }},
        {QStringLiteral("clearcount"),
         [this](const Command &) {
             clearCount();
         }},
        {QStringLiteral("E05"),
         [this](const Command &c) {
             idleSleep(c.toInt(1));
         }},
        {QStringLiteral("ResetE05Count"),
         [this](const Command &) {
             resetIdle();
         }},
        {QStringLiteral("CalibPressure"),
         [this](const Command &c) {
             calibratePressure(c.at(1));
         }},
        {QStringLiteral("speeker"),
         [](const Command &) {
             Board::instance().system(
                 QStringLiteral("aplay %1 &").arg(QStringLiteral("/home/rvk/Music/44.wav")));
         }},
        {QStringLiteral("set_backimg"),
         [this](const Command &c) {
             qDebug() << "backimg name:" << c.at(1);
             emit m_trans->update_vevodara_Backimg(c.at(1));
         }},
        {QStringLiteral("set_FirstOnTemper"),
         [this](const Command &) {
             emit m_trans->update_vevodara_FirstOnTemper();
         }},
        {QStringLiteral("delete_counter"),
         [this](const Command &c) {
             emit update_delete_counter(c.toInt(1));
         }},
    };
    table.dispatch(cmd);
}
