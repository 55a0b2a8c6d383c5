#include "baseparameter.h"
#include "inifile.h"
#include "ptypeer.h"
#include "qmlsignal.h"
#include "recordingboard.h"
#include "statusline.h"
#include "testhome.h"
#include "vevodaramotion.h"
#include "vevodaraserial.h"

#include <QtTest>

#include <memory>

namespace {
QStringList bodies(const QList<QByteArray> &lines)
{
    QStringList out;
    for (const QByteArray &line : lines)
        out << QString::fromLatin1(line.left(line.lastIndexOf('*')));
    return out;
}

QString today()
{
    return QDate::currentDate().toString("yyyy/MM/dd");
}
} // namespace

class TestMotion : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void startWritesSetPointsThenPolls();
    void commands_data();
    void commands();
    void idleSleepAndWakeUp();
    void calibratesPressure();
    void recordsPieces();
    void keepsThirtyDays();
    void clearsCount();
    void serviceOperationsByName();

private:
    void start();
    // Sends a screen command and returns the lines it wrote, once the poll is back.
    QStringList run(const QString &command);
    void send(const QString &command) { BaseModule::deliver("VevOdaraMotion", command); }
    VevOdaraSerial *link() const { return m_motion->m_pVevOdaraSerial; }

    std::unique_ptr<TestHome> m_home;
    std::unique_ptr<RecordingBoard> m_board;
    std::unique_ptr<PtyPeer> m_peer;
    std::unique_ptr<VevOdaraMotion> m_motion;
    QString m_records;
};

void TestMotion::init()
{
    m_home = std::make_unique<TestHome>();
    m_board = std::make_unique<RecordingBoard>();
    QVERIFY(QDir().mkpath(m_home->configDir() + "TechLibrary/Production"));
    m_records = m_home->configDir() + "TechLibrary/Production/ProductionCount.ini";
    m_peer = std::make_unique<PtyPeer>();
    m_peer->autoAckMs = 0;
    qputenv("TAVRIO_SERIAL_PORT", m_peer->path().toLocal8Bit());
    GlobalPara *para = GlobalPara::get_instance();
    para->set_para("m_nDestTemperature", "180");
    para->set_para("m_nDestTimer", "15");
    para->set_para("m_dTemperatureOffset", "0");
    para->set_para("m_dTempPID_P", "20");
    para->set_para("m_dTempPID_S", "5");
}

void TestMotion::cleanup()
{
    m_motion.reset();
    m_peer.reset();
    m_board.reset();
    m_home.reset();
    qunsetenv("TAVRIO_SERIAL_PORT");
}

void TestMotion::start()
{
    m_motion = std::make_unique<VevOdaraMotion>();
    m_motion->m_nStartPauseMs = 0;
    m_motion->m_nStopPauseMs = 0;
    m_motion->init();
    QTRY_VERIFY(m_peer->lines.contains("$?"));
}

QStringList TestMotion::run(const QString &command)
{
    m_peer->lines.clear();
    send("Qml##" + command);
    // The batch, then the poll again (twice, so that an empty batch has had its chance).
    if (!QTest::qWaitFor([this] { return m_peer->lines.count("$?") >= 2; }, 5000))
        return {"(the poll did not come back)"};
    return bodies(m_peer->writes());
}

void TestMotion::startWritesSetPointsThenPolls()
{
    start();
    QCOMPARE(bodies(m_peer->writes()),
             QStringList({"$100=1800", "$102=15", "$106=0", "$107=20", "$108=5"}));
    QCOMPARE(m_peer->lines.indexOf("$?"), 5); // the poll starts after the last acknowledgement
    QCOMPARE(m_motion->try_get_ini_para("m_nTempUp", ""), QString("1"));
    QCOMPARE(m_board->actions.value(0),
             QString("ifconfig eth0 192.168.0.11 netmask 255.255.255.0"));
    QVERIFY(m_board->actions.contains("chmod 777 /home/rvk/Public/QZLaser/Config/TechLibrary -R"));
    QVERIFY(QFileInfo(m_records).isFile());
}

void TestMotion::commands_data()
{
    QTest::addColumn<QString>("command");
    QTest::addColumn<QStringList>("written");
    QTest::newRow("set_para") << "set_para"
                              << QStringList{"$100=1800", "$102=15", "$106=0", "$107=20", "$108=5"};
    QTest::newRow("set_temperature") << "set_temperature" << QStringList{"$100=1800", "$106=0"};
    QTest::newRow("set_time") << "set_time" << QStringList{"$102=15"};
    QTest::newRow("set_DestTimer") << "set_DestTimer##25" << QStringList{"$102=25"};
    QTest::newRow("set_DestTimer 0") << "set_DestTimer##0" << QStringList{};
    QTest::newRow("set_DestTimer without value") << "set_DestTimer" << QStringList{};
    QTest::newRow("set_DestTimer not a number") << "set_DestTimer##abc" << QStringList{};
    QTest::newRow("ChangeMaterialPara")
        << "ChangeMaterialPara##160##20" << QStringList{"$100=1600", "$102=20"};
    QTest::newRow("autostart") << "autostart" << QStringList{"M190"};
    QTest::newRow("autostop") << "autostop" << QStringList{"M200"};
    QTest::newRow("run_Bee") << "run_Bee" << QStringList{"$109=1"};
    QTest::newRow("CountBee false") << "CountBee##false" << QStringList{"$111=0"};
    QTest::newRow("CountBee true") << "CountBee##true" << QStringList{"$111=1"};
    QTest::newRow("unknown verb") << "set_time#5" << QStringList{};
}

void TestMotion::commands()
{
    QFETCH(QString, command);
    QFETCH(QStringList, written);
    start();
    QCOMPARE(run(command), written);
}

void TestMotion::idleSleepAndWakeUp()
{
    m_motion = std::make_unique<VevOdaraMotion>();
    m_motion->m_nStartPauseMs = 0;
    m_motion->m_nStopPauseMs = 0;
    m_motion->m_nTimeLenE05 = 2; // an hour in under a second
    QSignalSpy errors(QmlSignal::get_instance(), &QmlSignal::update_vevodara_ErrorMsg);
    // Once asleep, tick well apart as the real 10 s tick does: each tick's empty batch pauses
    // 50 ms and restarts the 100 ms send timer, which would never fire under faster ticks.
    connect(QmlSignal::get_instance(), &QmlSignal::update_vevodara_ErrorMsg, m_motion.get(),
            [this](int code) {
                if (code == 5)
                    m_motion->m_timerE05->setInterval(300);
            });
    m_motion->init();

    QTRY_VERIFY_WITH_TIMEOUT(errors.contains({5}), 10000);
    QCOMPARE(errors.count({0}), 360); // 360 quiet ticks first
    const int sleptAt = errors.count();
    QTRY_VERIFY(errors.count() >= sleptAt + 5);
    m_motion->m_timerE05->stop();
    QTRY_VERIFY(m_peer->lines.lastIndexOf("$?") > m_peer->lines.lastIndexOf("$135=1*31"));
    QCOMPARE(m_peer->count("$135=1*31"), 1); // put to sleep once
    QCOMPARE(m_motion->m_nE05Std, 1);

    // Any activity wakes the controller with the set-points.
    m_peer->lines.clear();
    m_motion->set_ini_para("m_nDestTemperature", "180.5");
    QCOMPARE(run("ResetE05Count"), QStringList({"$100=1805", "$102=15", "$106=0"}));
    QCOMPARE(m_motion->m_nE05Std, 0);
    QCOMPARE(m_motion->m_nTimeOutE05, 0);
    QCOMPARE(run("ResetE05Count"), QStringList{}); // awake: nothing to write
    QCOMPARE(run("E05##0"), QStringList({"$100=1805", "$102=15", "$106=0"}));
}

void TestMotion::calibratesPressure()
{
    start();
    link()->m_nPressADC = 8407686;
    send("Qml##CalibPressure##0");
    QCOMPARE(m_motion->try_get_ini_para("m_nTareValue", ""), QString("8407686"));
    QCOMPARE(link()->m_nTareValue, 8407686);

    m_motion->set_ini_para("m_dCalibWeight", "20");
    link()->m_nPressADC = 8584000;
    send("Qml##CalibPressure##1");
    const QString ratio = QString::number((20 - 0.05) / 176314, 'g', 6);
    QCOMPARE(m_motion->try_get_ini_para("m_dADCratio", ""), ratio);
    QCOMPARE(link()->m_dADCratio, ratio.toDouble());

    // No load since the tare: the old ratio stays.
    link()->m_nPressADC = 8407686;
    send("Qml##CalibPressure##1");
    QCOMPARE(m_motion->try_get_ini_para("m_dADCratio", ""), ratio);
    QCOMPARE(link()->m_dADCratio, ratio.toDouble());
}

void TestMotion::recordsPieces()
{
    // Stale lock companions of the record file go at start, however young.
    const QString folder = m_home->configDir() + "TechLibrary/Production/";
    for (const char *name : {"ProductionCount.ini.lock", "ProductionCount.ini.lock.rmlock"}) {
        QFile lock(folder + name);
        QVERIFY(lock.open(QIODevice::WriteOnly));
    }
    start();
    QVERIFY(!QFile::exists(folder + "ProductionCount.ini.lock"));
    QVERIFY(!QFile::exists(folder + "ProductionCount.ini.lock.rmlock"));

    // First piece after installation, then a second: through the link from the status line.
    QSignalSpy shown(QmlSignal::get_instance(), &QmlSignal::update_vevodara_workcount);
    m_peer->statusAnswer = statusLine({{122, "1"}});
    QTRY_COMPARE(m_motion->try_get_ini_para("m_nProductionCount", ""), QString("1"));
    QCOMPARE(m_motion->try_get_ini_para("m_curDate", ""),
             QDate::currentDate().toString("yyyy-MM-dd"));
    QCOMPARE(m_motion->try_get_ini_para("m_nTodayProduNum", ""), QString("1"));
    m_peer->statusAnswer = statusLine({{122, "2"}});
    QTRY_COMPARE(m_motion->try_get_ini_para("m_nProductionCount", ""), QString("2"));
    QCOMPARE(m_motion->m_nTodayProduNum, 2);
    QCOMPARE(Ini::read(m_records, today()), QString("2"));
    QVERIFY(shown.contains({2.0}));
}

void TestMotion::keepsThirtyDays()
{
    QMap<QString, QString> old;
    const QDate first = QDate::currentDate().addDays(-60);
    for (int i = 0; i < 30; ++i)
        old.insert(first.addDays(2 * i).toString("yyyy/MM/dd"), QString::number(i + 1));
    old.insert("note", "kept");
    QVERIFY(Ini::replaceAll(m_records, old));
    start();

    send("VevOdaraSerial##UpdateProductionData##7");
    const QMap<QString, QString> after = Ini::readAll(m_records);
    QCOMPARE(after.size(), 31); // 30 days and the note
    QVERIFY(!after.contains(first.toString("yyyy/MM/dd")));
    QVERIFY(after.contains(first.addDays(2).toString("yyyy/MM/dd")));
    QCOMPARE(after.value(today()), QString("1"));
    QCOMPARE(after.value("note"), QString("kept"));
    QCOMPARE(m_motion->try_get_ini_para("m_nProductionCount", ""), QString("7"));
}

void TestMotion::clearsCount()
{
    start();
    link()->m_nProductionCount = 4;
    send("VevOdaraSerial##UpdateProductionData##5");
    QVERIFY(!Ini::readAll(m_records).isEmpty());
    QSignalSpy shown(QmlSignal::get_instance(), &QmlSignal::update_vevodara_workcount);

    QCOMPARE(run("clearcount"), QStringList{"$122=0"});
    QCOMPARE(shown.value(0).value(0).toDouble(), 0.0);
    QVERIFY(QFileInfo(m_records).isFile());
    QCOMPARE(QFileInfo(m_records).size(), 0);
    QCOMPARE(m_motion->try_get_ini_para("m_nProductionCount", ""), QString("0"));
    QCOMPARE(m_motion->try_get_ini_para("m_nTodayProduNum", ""), QString("0"));

    // The controller's counter restarts at 1: that counts.
    m_peer->statusAnswer = statusLine({{122, "1"}});
    QTRY_COMPARE(m_motion->try_get_ini_para("m_nProductionCount", ""), QString("1"));
    QCOMPARE(Ini::read(m_records, today()), QString("1"));
}

void TestMotion::serviceOperationsByName()
{
    start();
    QSignalSpy state(QmlSignal::get_instance(), &QmlSignal::update_tportstate);
    QVERIFY(QMetaObject::invokeMethod(m_motion.get(), "CloseSerial"));
    QCOMPARE(state.last().at(0).toInt(), 0);
    QCOMPARE(m_motion->try_get_ini_para("m_nSerialisOpen", ""), QString("0"));
    QCOMPARE(m_motion->try_get_ini_para("m_nCardConnectStd", ""), QString("0"));

    QSignalSpy names(QmlSignal::get_instance(), &QmlSignal::update_tportname);
    QVERIFY(QMetaObject::invokeMethod(m_motion.get(), "EnumPortName"));
    QCOMPARE(names.count(), 1);
    QCOMPARE(names.at(0).at(0).toStringList().size(), 1); // off the panel: the stand-in only
    QCOMPARE(m_motion->try_get_ini_para("m_nSerialTotalNum", ""), QString("1"));

    int result = -2;
    QVERIFY(QMetaObject::invokeMethod(m_motion.get(), "OpenSerial", Q_RETURN_ARG(int, result)));
    QCOMPARE(result, 0);
    QCOMPARE(state.last().at(0).toInt(), 1);
}

QTEST_GUILESS_MAIN(TestMotion)
#include "tst_motion.moc"
