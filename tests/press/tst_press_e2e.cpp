#include "baseparameter.h"
#include "inifile.h"
#include "testhome.h"

#include <QtTest>

#include <csignal>

// The real panel, offscreen, against the controller simulator on a pseudo-terminal: the
// start-up batch goes over the wire and a piece pressed on the controller is counted.
class TestPressEndToEnd : public QObject
{
    Q_OBJECT
private slots:
    void panelDrivesSimulatedController();
};

namespace {
bool waitForOutput(QProcess &process, QByteArray &seen, const QByteArray &text, int ms)
{
    return QTest::qWaitFor(
        [&] {
            seen += process.readAllStandardOutput();
            return seen.contains(text);
        },
        ms);
}
} // namespace

void TestPressEndToEnd::panelDrivesSimulatedController()
{
    TestHome home;
    QVERIFY(QDir().mkpath(home.configDir() + "TechLibrary/Production"));
    GlobalPara *para = GlobalPara::get_instance();
    para->set_para("m_nDestTemperature", "160");
    para->set_para("m_nDestTimer", "1");
    para->set_para("m_dTempPID_P", "20");
    QVERIFY(para->save());

    QProcess sim;
    sim.start(QStringLiteral(TAVRIO_SIM), QStringList());
    QVERIFY(sim.waitForStarted());
    QByteArray simOut;
    QVERIFY(waitForOutput(sim, simOut, "\n", 5000));
    const QByteArray device = simOut.left(simOut.indexOf('\n'));
    QVERIFY2(device.startsWith("/dev/"), simOut.constData());

    QProcess panel;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("TAVRIO_HOME", home.path());
    env.insert("TAVRIO_SERIAL_PORT", QString::fromLocal8Bit(device));
    env.insert("QT_QPA_PLATFORM", "offscreen");
    env.insert("QT_QUICK_BACKEND", "software");
    panel.setProcessEnvironment(env);
    panel.setProcessChannelMode(QProcess::MergedChannels);
    panel.start(QStringLiteral(TAVRIO_EXECUTABLE), QStringList());
    QVERIFY(panel.waitForStarted());

    // The start-up batch, in order, each line accepted by the controller's checksum check.
    QVERIFY2(waitForOutput(sim, simOut, "rx $108=0\n", 20000), simOut.constData());
    QVERIFY2(simOut.contains("rx $100=1600\nrx $102=1\nrx $106=0\nrx $107=20\nrx $108=0\n"),
             simOut.constData());
    QVERIFY(!simOut.contains("rx-bad"));

    // The controller finishes a piece: the panel counts it and records it.
    sim.write("piece\n");
    const QString global = home.configDir() + "global.ini";
    QTRY_COMPARE_WITH_TIMEOUT(Ini::read(global, "m_nProductionCount"), QString("1"), 10000);
    QCOMPARE(Ini::read(global, "m_nSerialisOpen"), QString("1"));
    const QString records = home.configDir() + "TechLibrary/Production/ProductionCount.ini";
    QTRY_COMPARE(Ini::read(records, QDate::currentDate().toString("yyyy/MM/dd")), QString("1"));

    ::kill(static_cast<pid_t>(panel.processId()), SIGTERM);
    QVERIFY(panel.waitForFinished(15000));
    const QByteArray output = panel.readAll();
    QVERIFY2(panel.exitStatus() == QProcess::NormalExit && panel.exitCode() == 0,
             output.constData());
    sim.write("quit\n");
    QVERIFY(sim.waitForFinished(5000));
}

QTEST_GUILESS_MAIN(TestPressEndToEnd)
#include "tst_press_e2e.moc"
