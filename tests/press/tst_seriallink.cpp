#include "baseparameter.h"
#include "controllerprotocol.h"
#include "ptypeer.h"
#include "qmlsignal.h"
#include "statusline.h"
#include "testhome.h"
#include "vevodaraserial.h"

#include <QtTest>

#include <memory>

namespace {
// Stands in for the process module: records what the link sends it.
class MotionRecorder : public BaseModule
{
public:
    MotionRecorder() : BaseModule(QStringLiteral("VevOdaraMotion")) {}
    void handle_cmd(QString cmd) override { commands << cmd; }
    QStringList commands;
};

QStringList framed(const QStringList &bodies)
{
    QStringList lines;
    for (const QString &b : bodies)
        lines << ControllerProtocol::frame(b);
    return lines;
}

QList<QByteArray> collapseRepeats(const QList<QByteArray> &lines)
{
    QList<QByteArray> out;
    for (const QByteArray &l : lines) {
        if (out.isEmpty() || out.last() != l)
            out << l;
    }
    return out;
}
} // namespace

class TestSerialLink : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    // The queue on a real pseudo-terminal.
    void sendsBatchLineByLineThenPolls();
    void lateAcknowledgementsLoseNoLine();
    void splitAcknowledgementIsNotTaken();
    void hangUpClosesAndReopens();
    void closedPortWritesNothing();
    void openFailsOnMissingDevice();

    // The queue's bounds.
    void fullQueueDropsWhatDoesNotFit();

    // The receive handler.
    void acknowledgementOncePerChunk();
    void statusLines_data();
    void statusLines();
    void pressure_data();
    void pressure();
    void pressureHeldOffAfterCycleEnd();
    void countsOnlyStepsOfOne();
    void advancesSegments();
    void emergencyStopAndActivity();
    void accumulatorStaysBounded();

private:
    std::unique_ptr<TestHome> m_home;
    std::unique_ptr<MotionRecorder> m_motion;
    std::unique_ptr<VevOdaraSerial> m_link;
    std::unique_ptr<PtyPeer> m_peer;

    void openOnPeer();
    void poll(const QByteArray &chunk)
    {
        m_link->m_nRun = 0;
        m_link->handleReceived(QString::fromLatin1(chunk));
    }
};

void TestSerialLink::init()
{
    m_home = std::make_unique<TestHome>();
    m_motion = std::make_unique<MotionRecorder>();
    m_link = std::make_unique<VevOdaraSerial>();
    m_link->init();
}

void TestSerialLink::cleanup()
{
    m_link.reset();
    m_peer.reset();
    m_motion.reset();
    m_home.reset();
    qunsetenv("TAVRIO_SERIAL_PORT");
}

void TestSerialLink::openOnPeer()
{
    m_peer = std::make_unique<PtyPeer>();
    QVERIFY(m_peer->isOpen());
    qputenv("TAVRIO_SERIAL_PORT", m_peer->path().toLocal8Bit());
    QSignalSpy state(QmlSignal::get_instance(), &QmlSignal::update_tportstate);
    QCOMPARE(m_link->OpenSerial(), 0);
    QCOMPARE(state.last().at(0).toInt(), 1);
    QCOMPARE(m_link->try_get_ini_para("m_nSerialisOpen", ""), QString("1"));
}

void TestSerialLink::sendsBatchLineByLineThenPolls()
{
    openOnPeer();
    m_link->enqueue(framed({"$100=1800", "$102=15", "M190"}));
    m_link->StartSetTimer();
    QSignalSpy received(m_peer.get(), &PtyPeer::lineReceived);

    // Unacknowledged, the first line goes again every tick.
    QTRY_VERIFY(m_peer->count("$100=1800*33") >= 2);
    QCOMPARE(m_peer->count("$102=15*46"), 0);
    int acks = 0;
    const QList<QByteArray> expected = {"$100=1800*33", "$102=15*46", "M190*117"};
    for (const QByteArray &line : expected) {
        QTRY_VERIFY(m_peer->count(line) >= 1);
        QVERIFY(!m_peer->lines.contains("$?")); // no poll interleaves with the batch
        m_peer->write("ik\n");
        ++acks;
        QTRY_COMPARE(m_link->m_dRunOkGCode, double(acks));
    }
    // Drained: counters reset and the poll starts.
    QTRY_VERIFY(m_peer->lines.contains("$?"));
    QCOMPARE(m_link->m_nRun, 0);
    QCOMPARE(m_link->m_dSizeGCode, 0.0);
    QCOMPARE(m_link->m_nSendBufferIndex, 0);
    QCOMPARE(collapseRepeats(m_peer->writes()), expected);
}

void TestSerialLink::lateAcknowledgementsLoseNoLine()
{
    openOnPeer();
    m_peer->autoAckMs = 150; // slower than the 100 ms resend
    const QStringList bodies = {"$100=1600", "$102=20", "$106=0", "$107=20", "$108=5", "M190"};
    m_link->enqueue(framed(bodies));
    m_link->StartSetTimer();
    QTRY_VERIFY_WITH_TIMEOUT(m_peer->lines.contains("$?"), 10000);
    QList<QByteArray> expected;
    for (const QString &line : framed(bodies))
        expected << line.trimmed().toLatin1();
    // A line may arrive twice in a row, but all arrive, in order.
    QCOMPARE(collapseRepeats(m_peer->writes()), expected);
}

void TestSerialLink::splitAcknowledgementIsNotTaken()
{
    openOnPeer();
    m_link->enqueue(framed({"M200"}));
    m_link->StartSetTimer();
    QTRY_COMPARE(m_peer->count("M200*127"), 1);
    m_peer->write("i");
    QTest::qWait(80); // the halves must come in separate chunks
    m_peer->write("k\n");
    const int before = m_peer->count("M200*127");
    QTRY_VERIFY(m_peer->count("M200*127") > before); // resent: not acknowledged
    QCOMPARE(m_link->m_dRunOkGCode, 0.0);
    QCOMPARE(m_link->m_sCurrentSendCode, QString("M200*127\n"));
    m_peer->write("ik\n");
    QTRY_VERIFY(m_peer->lines.contains("$?"));
}

void TestSerialLink::hangUpClosesAndReopens()
{
    openOnPeer();
    m_peer->statusAnswer = statusLine({{99, "250"}});
    m_link->enqueue({});
    m_link->StartSetTimer(); // empty batch: straight to polling
    QTRY_VERIFY(m_peer->lines.contains("$?"));

    QSignalSpy state(QmlSignal::get_instance(), &QmlSignal::update_tportstate);
    m_peer->hangUp();
    QTRY_VERIFY(!state.isEmpty());
    QCOMPARE(state.last().at(0).toInt(), 0);
    QVERIFY(!m_link->m_bIsSerialOpen);
    QTRY_COMPARE(m_link->try_get_ini_para("m_nSerialisOpen", ""), QString("0"));
    QTest::qWait(300); // the poll keeps ticking on the closed port without harm

    // A new device: opening again works and the poll resumes on it.
    openOnPeer();
    QTRY_VERIFY(m_peer->lines.contains("$?"));
}

void TestSerialLink::closedPortWritesNothing()
{
    QElapsedTimer clock;
    clock.start();
    m_link->DataSend("M190*117\n");
    QVERIFY(clock.elapsed() < 100);
    // Never opened: no send timer, so a batch stays queued.
    m_link->enqueue(framed({"M190"}));
    m_link->StartSetTimer();
    QCOMPARE(m_link->m_dSizeGCode, 1.0);
}

void TestSerialLink::openFailsOnMissingDevice()
{
    m_link->set_ini_para("m_sPortName", "COM1");
    qputenv("TAVRIO_SERIAL_PORT", m_home->file("no-such-tty").toLocal8Bit());
    QSignalSpy state(QmlSignal::get_instance(), &QmlSignal::update_tportstate);
    QCOMPARE(m_link->OpenSerial(), -1);
    QCOMPARE(state.last().at(0).toInt(), 0);
    QCOMPARE(m_link->try_get_ini_para("m_nSerialisOpen", ""), QString("0"));
    QCOMPARE(m_link->try_get_ini_para("m_nCardConnectStd", ""), QString("0"));
    QCOMPARE(m_link->try_get_ini_para("m_sPortName", ""), QString("COM1"));

    // Off the panel the board's own device is a path in the home, never the machine's port.
    qunsetenv("TAVRIO_SERIAL_PORT");
    QVERIFY(VevOdaraSerial::portName().startsWith(m_home->path()));
    QCOMPARE(m_link->OpenSerial(), -1);
}

void TestSerialLink::fullQueueDropsWhatDoesNotFit()
{
    QStringList many;
    for (int i = 0; i < 150; ++i)
        many << ControllerProtocol::frame(QStringLiteral("$102=%1").arg(i));
    QCOMPARE(m_link->enqueue(many), 150);
    QCOMPARE(m_link->enqueue(many), 50); // never past the last slot
    QCOMPARE(m_link->m_dSizeGCode, 200.0);
    QCOMPARE(m_link->m_bufferGCodeList[199], ControllerProtocol::frame("$102=49"));

    // Lines already sent make room: the unsent ones move down, in order.
    m_link->m_nSendBufferIndex = 180;
    QCOMPARE(m_link->enqueue(framed({"M190"})), 1);
    QCOMPARE(m_link->m_nSendBufferIndex, 0);
    QCOMPARE(m_link->m_dSizeGCode, 21.0);
    QCOMPARE(m_link->m_bufferGCodeList[0], ControllerProtocol::frame("$102=30"));
    QCOMPARE(m_link->m_bufferGCodeList[20], ControllerProtocol::frame("M190"));
}

void TestSerialLink::acknowledgementOncePerChunk()
{
    m_link->m_nRun = 1;
    m_link->m_sCurrentSendCode = "M190*117\n";
    m_link->handleReceived("ik\r\nik\n");
    QCOMPARE(m_link->m_dRunOkGCode, 1.0);
    QVERIFY(m_link->m_sCurrentSendCode.isEmpty());
    QVERIFY(m_link->m_receiveData.isEmpty());
    m_link->m_sCurrentSendCode = "M200*127\n";
    m_link->handleReceived("$99=1800##garbage\n"); // anything else is discarded
    QCOMPARE(m_link->m_sCurrentSendCode, QString("M200*127\n"));
    QVERIFY(m_link->m_receiveData.isEmpty());
}

void TestSerialLink::statusLines_data()
{
    QTest::addColumn<QByteArray>("chunk");
    QTest::addColumn<QVariantList>("temperatures");
    QTest::newRow("one line") << statusLine({{99, "1795"}, {120, "251"}}) << QVariantList{1795.0};
    QTest::newRow("two lines in one chunk: only the second")
        << statusLine({{99, "1700"}}) + statusLine({{99, "1795"}}) << QVariantList{1795.0};
    QTest::newRow("12 fields") << statusLine({{99, "1795"}}, 12) << QVariantList{};
    QTest::newRow("14 fields") << statusLine({{99, "1795"}}, 14) << QVariantList{};
    QTest::newRow("error 0 before the temperature")
        << statusLine({{98, "0"}, {99, "1795"}}).replace("$98=0##$99", "$130=0##$99")
        << QVariantList{};
    QTest::newRow("fraction reaches the screen")
        << statusLine({{99, "1795.5"}}) << QVariantList{1795.5};
    QTest::newRow("no line feed yet") << statusLine({{99, "1795"}}).chopped(1) << QVariantList{};
}

void TestSerialLink::statusLines()
{
    QFETCH(QByteArray, chunk);
    QFETCH(QVariantList, temperatures);
    QSignalSpy act(QmlSignal::get_instance(), &QmlSignal::update_cur_act_temperature);
    poll(chunk);
    QVariantList got;
    for (const QList<QVariant> &args : qAsConst(act))
        got << args.at(0);
    QCOMPARE(got, temperatures);
}

void TestSerialLink::pressure_data()
{
    QTest::addColumn<QByteArray>("reading");
    QTest::addColumn<double>("kilograms");
    QTest::addColumn<bool>("alarm");
    // (8430002 - 8407686) * 0.000113392 + 0.05 = 2.58
    QTest::newRow("80A1B2") << QByteArray("80A1B2") << 3.0 << false;
    QTest::newRow("802C7F is 8399999") << QByteArray("802C7F") << -1.0 << true;
    QTest::newRow("802C80 is 8400000") << QByteArray("802C80") << -1.0 << false;
    QTest::newRow("ZZ reads 0") << QByteArray("ZZ") << -953.0 << true;
}

void TestSerialLink::pressure()
{
    QFETCH(QByteArray, reading);
    QFETCH(double, kilograms);
    QFETCH(bool, alarm);
    QSignalSpy press(QmlSignal::get_instance(), &QmlSignal::update_vevodara_press);
    QSignalSpy error(QmlSignal::get_instance(), &QmlSignal::update_vevodara_ErrorMsg);
    poll(statusLine({{105, reading}}));
    QCOMPARE(press.count(), 1);
    QCOMPARE(press.at(0).at(0).toDouble(), kilograms);
    QCOMPARE(!error.isEmpty() && error.at(0).at(0).toInt() == 4, alarm);
}

void TestSerialLink::pressureHeldOffAfterCycleEnd()
{
    QSignalSpy press(QmlSignal::get_instance(), &QmlSignal::update_vevodara_press);
    poll(statusLine({{103, "0"}, {105, "ZZ"}})); // countdown ended: gauge ignored for ~2 s
    QCOMPARE(press.count(), 0);
    QCOMPARE(m_link->m_nStopDetectE04, 1);
    QTest::qWait(1000);
    poll(statusLine({{105, "ZZ"}}));
    QCOMPARE(press.count(), 0);
    QTRY_COMPARE_WITH_TIMEOUT(m_link->m_nStopDetectE04, 0, 3000);
    poll(statusLine({{105, "80A1B2"}}));
    QCOMPARE(press.count(), 1);
}

void TestSerialLink::countsOnlyStepsOfOne()
{
    m_link->m_nProductionCount = 10;
    QSignalSpy shown(QmlSignal::get_instance(), &QmlSignal::update_vevodara_workcount);
    for (const char *value : {"11", "12", "15", "13", "0", "1"})
        poll(statusLine({{122, value}}));
    QCOMPARE(shown.count(), 6); // every value is shown
    QCOMPARE(m_motion->commands, QStringList({"VevOdaraSerial##UpdateProductionData##11",
                                              "VevOdaraSerial##UpdateProductionData##12",
                                              "VevOdaraSerial##UpdateProductionData##13"}));
    QCOMPARE(m_link->m_nProductionCount, 13);
}

void TestSerialLink::advancesSegments()
{
    m_link->set_ini_para("m_nUseSeparateCounter", "1");
    m_link->set_ini_para("m_nSegmentCount", "3");
    m_link->set_ini_para("m_nDestTimer1", "10");
    m_link->set_ini_para("m_nDestTimer2", "20");
    m_link->set_ini_para("m_nDestTimer3", "30");
    m_link->m_nProductionCount = 0;
    QSignalSpy index(m_link.get(), &VevOdaraSerial::update_runIndex);
    QStringList expected;
    for (int piece = 1; piece <= 3; ++piece) {
        poll(statusLine({{110, "1"}, {122, QByteArray::number(piece)}})); // still pressing
        poll(statusLine({{110, "0"}, {122, QByteArray::number(piece)}})); // back to idle
        poll(statusLine({{110, "0"}, {122, QByteArray::number(piece)}})); // no second step
    }
    QList<int> got;
    for (const QList<QVariant> &args : qAsConst(index))
        got << args.at(0).toInt();
    QCOMPARE(got, QList<int>({1, 2, 0}));
    QCOMPARE(m_link->try_get_ini_para("m_nCurCountIndex", ""), QString("0"));
    QStringList timers = m_motion->commands.filter("set_DestTimer");
    QCOMPARE(timers,
             QStringList({"VevOdaraSerial##set_DestTimer##20", "VevOdaraSerial##set_DestTimer##30",
                          "VevOdaraSerial##set_DestTimer##10"}));
}

void TestSerialLink::emergencyStopAndActivity()
{
    QSignalSpy form(QmlSignal::get_instance(), &QmlSignal::update_vevodara_EmergencyForm);
    QSignalSpy work(QmlSignal::get_instance(), &QmlSignal::update_vevodara_workui);
    QSignalSpy error(QmlSignal::get_instance(), &QmlSignal::update_vevodara_ErrorMsg);
    poll(statusLine({{110, "2"}, {130, "3"}}));
    QCOMPARE(form.last().at(0).toBool(), true);
    QCOMPARE(work.last().at(0).toBool(), true);
    QCOMPARE(error.last().at(0).toInt(), 3);
    QCOMPARE(m_motion->commands, QStringList{"VevOdaraSerial##ResetE05Count"});
    poll(statusLine({{110, "0"}}));
    QCOMPARE(form.last().at(0).toBool(), false);
    QCOMPARE(work.last().at(0).toBool(), false);
}

void TestSerialLink::accumulatorStaysBounded()
{
    QSignalSpy act(QmlSignal::get_instance(), &QmlSignal::update_cur_act_temperature);
    const QByteArray noise(300, 'x');
    for (int i = 0; i < 100; ++i) {
        poll(noise);
        QVERIFY(m_link->m_receiveData.size() <= VevOdaraSerial::kMaxReceiveChars);
    }
    QVERIFY(m_link->m_nDroppedPartials > 0);
    // Decoding resumes with the next complete line.
    poll("tail of the noise\n" + statusLine({{99, "1800"}}));
    QCOMPARE(act.count(), 1);
}

QTEST_GUILESS_MAIN(TestSerialLink)
#include "tst_seriallink.moc"
