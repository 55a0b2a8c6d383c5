#include "devicefixups.h"
#include "progresstimer.h"
#include "recordingboard.h"
#include "testhome.h"

#include <QtTest>

// The start-up chores that need no operator, and the progress timer's arithmetic.
class TestSystemChores : public QObject
{
    Q_OBJECT
private slots:
    void audioFixUpRunsLongFormOnce_data();
    void audioFixUpRunsLongFormOnce();
    void errorLogsAboveHundredMiBGo_data();
    void errorLogsAboveHundredMiBGo();
    void progressRisesToEndAndHolds();
};

void TestSystemChores::audioFixUpRunsLongFormOnce_data()
{
    QTest::addColumn<bool>("homeExists");
    QTest::addColumn<bool>("markerExists");
    QTest::addColumn<QStringList>("expected");
    const QString chown = "sudo chown rvk /dev/watchdog";
    QTest::newRow("new device") << true << false
                                << QStringList{"gpasswd -a rvk pulse-access",
                                               "sudo sed -i  \"s/root/rvk/\" /etc/slim.conf", chown,
                                               "sudo reboot"};
    QTest::newRow("later start") << true << true << QStringList{chown};
    // Without the marker nothing may run: the reboot would repeat on every start.
    QTest::newRow("marker cannot be made") << false << false << QStringList{};
}

void TestSystemChores::audioFixUpRunsLongFormOnce()
{
    QFETCH(bool, homeExists);
    QFETCH(bool, markerExists);
    QFETCH(QStringList, expected);
    TestHome home(false);
    RecordingBoard board;
    const QString marker = board.path(DeviceFixups::kAudioMarker);
    if (homeExists)
        QVERIFY(QDir().mkpath(QFileInfo(marker).path()));
    if (markerExists) {
        QFile file(marker);
        QVERIFY(file.open(QIODevice::WriteOnly));
    }
    board.exitCodes["gpasswd"] = 3; // a failing step is logged and the rest still runs

    DeviceFixups::fixNoAudioOutput();
    QCOMPARE(board.actions, expected);
    QCOMPARE(QFileInfo(marker).isFile(), homeExists);

    if (homeExists) {
        board.actions.clear();
        DeviceFixups::fixNoAudioOutput();
        QCOMPARE(board.actions, QStringList{"sudo chown rvk /dev/watchdog"});
    }
}

void TestSystemChores::errorLogsAboveHundredMiBGo_data()
{
    QTest::addColumn<qint64>("bytes");
    QTest::addColumn<bool>("removed");
    QTest::newRow("exactly 100 MiB") << qint64(104857600) << false;
    QTest::newRow("one byte short of 101 MiB") << qint64(105906175) << false;
    QTest::newRow("101 MiB") << qint64(105906176) << true;
    QTest::newRow("empty") << qint64(0) << false;
}

void TestSystemChores::errorLogsAboveHundredMiBGo()
{
    QFETCH(qint64, bytes);
    QFETCH(bool, removed);
    TestHome home(false);
    RecordingBoard board;
    QStringList files;
    for (const QString &log : DeviceFixups::errorLogs()) {
        const QString path = board.path(log);
        QVERIFY(QDir().mkpath(QFileInfo(path).path()));
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        QVERIFY(file.resize(bytes)); // sparse: no 100 MiB written
        files << path;
    }
    DeviceFixups::cleanErrorLogs();
    for (const QString &path : files)
        QCOMPARE(QFileInfo::exists(path), !removed);

    // A missing log is no reason to stop.
    DeviceFixups::cleanErrorLogs();
    QVERIFY(board.actions.isEmpty());
}

void TestSystemChores::progressRisesToEndAndHolds()
{
    ProgressTimer progress;
    QSignalSpy files(&progress, &ProgressTimer::fileProgress);
    QSignalSpy photos(&progress, &ProgressTimer::photoProgress);
    progress.start(0.0, 1.0);
    QVERIFY(progress.isRunning());

    int ticks = 0;
    while (progress.value() != 1.0 && ticks < 200) {
        progress.tick();
        ++ticks;
    }
    // 0.01 per tick; rounding may take it past the end for one tick before it is pinned.
    QVERIFY2(ticks >= 100 && ticks <= 102, qPrintable(QString::number(ticks)));
    double previous = 0.0;
    for (const QList<QVariant> &emitted : files) {
        const double value = emitted.at(0).toDouble();
        QVERIFY(value >= previous || value == 1.0);
        QVERIFY(value < 1.01);
        previous = value;
    }
    progress.tick();
    QCOMPARE(files.last().at(0).toDouble(), 1.0);
    QVERIFY(photos.isEmpty());

    // Another kind emits nothing; stopping keeps the values.
    progress.setKind(5);
    progress.tick();
    QCOMPARE(files.size(), ticks + 1);
    progress.stop();
    QVERIFY(!progress.isRunning());
    QCOMPARE(progress.value(), 1.0);
}

QTEST_GUILESS_MAIN(TestSystemChores)
#include "tst_systemchores.moc"
