#include "inifile.h"
#include "testhome.h"

#include <QtTest>

#include <csignal>

// The real program, started as the panel starts it (offscreen here): it comes up, keeps
// running, and leaves in order on SIGTERM with its parameters saved.
class TestAppSmoke : public QObject
{
    Q_OBJECT
private slots:
    void startsAndKeepsRunning();
};

void TestAppSmoke::startsAndKeepsRunning()
{
    TestHome home;
    QProcess panel;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("TAVRIO_HOME", home.path());
    env.insert("QT_QPA_PLATFORM", "offscreen");
    env.insert("QT_QUICK_BACKEND", "software");
    panel.setProcessEnvironment(env);
    panel.setProcessChannelMode(QProcess::MergedChannels);
    panel.start(QStringLiteral(TAVRIO_EXECUTABLE), QStringList());
    QVERIFY(panel.waitForStarted());

    // Up: the log records the application object and the window loads without QML errors.
    QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(home.file("Log/tavrio.log")), 15000);
    QTRY_VERIFY_WITH_TIMEOUT(
        [&] {
            QFile log(home.file("Log/tavrio.log"));
            return log.open(QIODevice::ReadOnly) && log.readAll().contains("ACppMain Construct");
        }(),
        15000);
    QVERIFY(!panel.waitForFinished(3000)); // still running
    QCOMPARE(panel.state(), QProcess::Running);

    ::kill(static_cast<pid_t>(panel.processId()), SIGTERM);
    QVERIFY(panel.waitForFinished(15000));
    const QByteArray output = panel.readAll();
    QVERIFY2(panel.exitStatus() == QProcess::NormalExit && panel.exitCode() == 0,
             output.constData());
    QVERIFY2(!output.contains("qrc:/"), output.constData()); // no QML warnings or errors
    QVERIFY(QFileInfo(home.configDir() + "global.ini").isFile());
}

QTEST_GUILESS_MAIN(TestAppSmoke)
#include "tst_app_smoke.moc"
