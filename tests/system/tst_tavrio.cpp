#include "baseparameter.h"
#include "languagepack.h"
#include "machineclock.h"
#include "qmlsignal.h"
#include "recordingboard.h"
#include "tavrio.h"
#include "testhome.h"

#include <QtTest>

namespace {
const QString kBeeper = "/sys/class/gpio/gpio362/value";
const QString kParam = "/sys/kernel/debug/dispdbg/param";
const QString kStart = "/sys/kernel/debug/dispdbg/start";

QString para(const QString &name)
{
    return GlobalPara::get_instance()->get_para(name);
}
void setPara(const QString &name, const QString &value)
{
    GlobalPara::get_instance()->set_para(name, value);
}

void writeFile(const QString &path, const QByteArray &content)
{
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(content);
}

QByteArray readFile(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

// Stands in for the process module: the serial operations the system module calls by name.
class FakeProcessModule : public BaseModule
{
    Q_OBJECT
public:
    FakeProcessModule() : BaseModule(QStringLiteral("VevOdaraMotion")) {}
    Q_INVOKABLE int OpenSerial()
    {
        calls << "OpenSerial";
        return 1;
    }
    Q_INVOKABLE void CloseSerial() { calls << "CloseSerial"; }
    Q_INVOKABLE void EnumPortName() { calls << "EnumPortName"; }
    QStringList calls;
};
} // namespace

// The system-service module with a recording board: what it asks of the board, in which order,
// and what it tells the screens.
class TestTavrio : public QObject
{
    Q_OBJECT
private slots:
    void backlight_data();
    void backlight();
    void volume_data();
    void volume();
    void keyBeep_data();
    void keyBeep();
    void initWritesAndActsInOrder();
    void watchdogWithoutDevice();
    void watchdogFeedsAndClosesOnce();
    void softwareUpdateStopsWatchdogFirst();
    void progressKind_data();
    void progressKind();
    void clock_data();
    void clock();
    void languagePack_data();
    void languagePack();
    void languagePackWithoutStickDoesNothing();
    void folderChoice_data();
    void folderChoice();
    void updateFileCheck();
    void screenSignals();
    void serialOperationsReachProcessModule();
};

void TestTavrio::backlight_data()
{
    QTest::addColumn<int>("brightness");
    QTest::addColumn<QString>("written");
    QTest::newRow("darkest") << 0 << "200";
    QTest::newRow("default") << 100 << "100";
    QTest::newRow("brightest") << 200 << "0";
}

void TestTavrio::backlight()
{
    QFETCH(int, brightness);
    QFETCH(QString, written);
    TestHome home;
    RecordingBoard board;
    Tavrio tavrio;
    tavrio.handle_cmd(QStringLiteral("Qml##SetBright##%1").arg(brightness));
    QCOMPARE(board.actions, (QStringList{kParam + " <- " + written, kStart + " <- 1"}));
}

void TestTavrio::volume_data()
{
    QTest::addColumn<int>("volume");
    QTest::addColumn<int>("mixer");
    QTest::newRow("silent") << 0 << 40;
    QTest::newRow("default") << 20 << 20;
    QTest::newRow("above the floor") << 35 << 10;
    QTest::newRow("loudest") << 40 << 10;
}

void TestTavrio::volume()
{
    QFETCH(int, volume);
    QFETCH(int, mixer);
    TestHome home;
    RecordingBoard board;
    Tavrio tavrio;
    tavrio.handle_cmd(QStringLiteral("Qml##SetVolume##%1").arg(volume));
    QCOMPARE(
        board.actions,
        QStringList{
            QStringLiteral("amixer -D hw:audiocodec cset name='digital volume' %1").arg(mixer)});
    QCOMPARE(para("m_nVolume"), QString::number(volume)); // the screens' value, not the mixer's
}

void TestTavrio::keyBeep_data()
{
    QTest::addColumn<QString>("enabled");
    QTest::addColumn<QString>("argument");
    QTest::addColumn<QStringList>("expected");
    QTest::newRow("off, press") << "0"
                                << "1" << QStringList{};
    QTest::newRow("off, release") << "0"
                                  << "0" << QStringList{};
    QTest::newRow("on, press") << "1"
                               << "1" << QStringList{kBeeper + " <- 1", kBeeper + " <- 0"};
    QTest::newRow("on, release") << "1"
                                 << "0" << QStringList{kBeeper + " <- 0"};
}

void TestTavrio::keyBeep()
{
    QFETCH(QString, enabled);
    QFETCH(QString, argument);
    QFETCH(QStringList, expected);
    TestHome home;
    RecordingBoard board;
    Tavrio tavrio;
    setPara("m_nEnableBtnBee", enabled);
    QElapsedTimer pulse;
    pulse.start();
    tavrio.handle_cmd("Qml##Bee##" + argument);
    QCOMPARE(board.actions, expected);
    if (expected.size() == 2)
        QVERIFY(pulse.elapsed() >= 15);
}

void TestTavrio::initWritesAndActsInOrder()
{
    TestHome home;
    RecordingBoard board;
    writeFile(board.path("/home/rvk/fixNoAudioOutput.txt"), "");
    setPara("m_nBright", "150");
    setPara("m_nMachType", "1");
    Tavrio tavrio;
    tavrio.init();

    QCOMPARE(board.actions, (QStringList{"sudo chown rvk /dev/watchdog", kBeeper + " <- 0",
                                         kParam + " <- 50", kStart + " <- 1"}));
    QCOMPARE(para("test_watchdog_timeout"), QString("15"));
    QCOMPARE(para("test_watchdog_return"), QString::number(SimulatedBoard::Watchdog::kDescriptor));
    QCOMPARE(para("m_nUserType"), QString("0"));
    QCOMPARE(para("m_nMachType"), QString("4"));
    QCOMPARE(para("m_nNeedSetPara"), QString("1"));
    QCOMPARE(para("m_nNeedCheckDoubleExe"), QString("1"));
    QCOMPARE(para("m_sUpdFile"), QString("VeskorUltra"));
    QVERIFY(tavrio.watchdog().isFeeding());
}

void TestTavrio::watchdogWithoutDevice()
{
    TestHome home;
    RecordingBoard board;
    board.watchdog.present = false;
    setPara("test_watchdog_timeout", "9");
    Tavrio tavrio;
    tavrio.init();
    QCOMPARE(para("test_watchdog_timeout"), QString("0"));
    QCOMPARE(para("test_watchdog_return"), QString("-1"));
    QVERIFY(!tavrio.watchdog().isFeeding());
    tavrio.closedog(); // nothing to close
    QCOMPARE(board.watchdog.magicCloses, 0);
}

void TestTavrio::watchdogFeedsAndClosesOnce()
{
    TestHome home;
    RecordingBoard board;
    Tavrio tavrio;
    tavrio.init();
    QCOMPARE(board.watchdog.timeout, 15);
    QTRY_VERIFY_WITH_TIMEOUT(board.watchdog.feeds >= 1, 3000);

    tavrio.closedog();
    tavrio.closedog();
    QCOMPARE(board.watchdog.magicCloses, 1);
    QVERIFY(!board.watchdog.open);
    QVERIFY(!tavrio.watchdog().isFeeding());
    const int feeds = board.watchdog.feeds;
    tavrio.watchdog().feed(); // a late tick must not write to a closed descriptor
    QCOMPARE(board.watchdog.feeds, feeds);
    QVERIFY(home.journal().contains("watchdog <- V\nwatchdog closed"));
}

void TestTavrio::softwareUpdateStopsWatchdogFirst()
{
    // The update program outlasts the watchdog's time-out: it must start with the watchdog off.
    struct UpdateBoard : RecordingBoard
    {
        bool watchdogOpenAtUpdate = true;
        int system(const QString &commandLine) override
        {
            if (commandLine == Tavrio::kUpdateProgram)
                watchdogOpenAtUpdate = watchdog.open;
            return RecordingBoard::system(commandLine);
        }
    };
    TestHome home;
    UpdateBoard board;
    Tavrio tavrio;
    tavrio.init();
    board.actions.clear();
    tavrio.handle_cmd("Qml##update_sys");
    QCOMPARE(board.actions, QStringList{Tavrio::kUpdateProgram});
    QVERIFY(!board.watchdogOpenAtUpdate);
    QCOMPARE(board.watchdog.magicCloses, 1);
}

void TestTavrio::progressKind_data()
{
    QTest::addColumn<int>("kindBefore");
    QTest::addColumn<QString>("command");
    QTest::addColumn<int>("kindAfter");
    QTest::newRow("photo from the screens") << 0 << "Qml##start_takephoto_progress##0.2##1##1" << 1;
    QTest::newRow("screens without kind") << 1 << "Qml##start_takephoto_progress##0.2##1" << 0;
    QTest::newRow("transfer, kind named")
        << 0 << "CommunicateMge##start_sendfile_progress##0.2##1##1" << 1;
    QTest::newRow("transfer, three fields")
        << 1 << "CommunicateMge##start_sendfile_progress##0.2##1" << 0;
    QTest::newRow("tcp keeps photo")
        << 1 << "Tcp_FileTransfer##start_sendfile_progress##0.2##1" << 1;
    QTest::newRow("tcp ignores a kind")
        << 1 << "ComTcpClient##start_sendfile_progress##0.2##1##0" << 1;
}

void TestTavrio::progressKind()
{
    QFETCH(int, kindBefore);
    QFETCH(QString, command);
    QFETCH(int, kindAfter);
    TestHome home;
    Tavrio tavrio;
    tavrio.progress().setKind(kindBefore);
    QSignalSpy files(QmlSignal::get_instance(), &QmlSignal::update_file_trans_progress);
    QSignalSpy photos(QmlSignal::get_instance(), &QmlSignal::update_takephoto_trans_progress);

    tavrio.handle_cmd(command);
    QVERIFY(tavrio.progress().isRunning());
    QCOMPARE(tavrio.progress().kind(), kindAfter);
    QCOMPARE(tavrio.progress().value(), 0.2);
    tavrio.progress().tick();
    QSignalSpy &emitted = kindAfter == 1 ? photos : files;
    QCOMPARE(emitted.size(), 1);
    QVERIFY(qFuzzyCompare(emitted.first().at(0).toDouble(), 0.21));
    QCOMPARE(files.size() + photos.size(), 1);

    tavrio.handle_cmd(command.section("##", 0, 0) + (command.startsWith("Qml")
                                                         ? "##stop_takephoto_progress"
                                                         : "##stop_sendfile_progress"));
    QVERIFY(!tavrio.progress().isRunning());
}

void TestTavrio::clock_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("accepted");
    QTest::newRow("screens' form") << "2024-6-1 8:05:09" << true;
    QTest::newRow("two digits") << "2024-06-01 08:05:09" << true;
    QTest::newRow("leap day") << "2024-2-29 23:59:59" << true;
    QTest::newRow("quote and command") << "2024-06-01'; reboot; '" << false;
    QTest::newRow("command after a valid time") << "2024-6-1 8:05:09; reboot" << false;
    QTest::newRow("substitution") << "$(reboot)" << false;
    QTest::newRow("no leap day") << "2023-2-29 1:00:00" << false;
    QTest::newRow("hour 24") << "2024-6-1 24:00:00" << false;
    QTest::newRow("three-digit day") << "2024-6-001 8:05:09" << false;
    QTest::newRow("trailing line feed") << "2024-6-1 8:05:09\n" << false;
    QTest::newRow("empty") << "" << false;
}

void TestTavrio::clock()
{
    QFETCH(QString, text);
    QFETCH(bool, accepted);
    TestHome home;
    RecordingBoard board;
    board.outputs["hwclock"] = "2024-06-01 08:05:10\n";
    const QString record = board.path(MachineClock::kRecordFile);
    QDir().mkpath(QFileInfo(record).path());
    setPara("m_strMessageInfo", "old");
    Tavrio tavrio;
    QSignalSpy boxes(QmlSignal::get_instance(), &QmlSignal::qml_test);

    tavrio.handle_cmd("Qml##SetMachineTime##" + text);
    if (!accepted) {
        QVERIFY(board.actions.isEmpty());
        QVERIFY(boxes.isEmpty());
        QVERIFY(!QFile::exists(record));
        return;
    }
    QCOMPARE(board.actions.size(), 2);
    QCOMPARE(board.actions.at(0), "sudo date -s '" + text + "'");
    QVERIFY(board.actions.at(1).contains("sudo -S hwclock --show"));
    QCOMPARE(readFile(record), (text + "\n2024-06-01 08:05:10\n").toUtf8());
    QCOMPARE(boxes.size(), 1);
    QCOMPARE(boxes.first().at(0).toString(), QString());
    QCOMPARE(para("m_strMessageInfo"), QString("日期时间设置成功"));
    QCOMPARE(para("m_strMessageCmd"), QString());
}

void TestTavrio::languagePack_data()
{
    QTest::addColumn<bool>("copyFails");
    QTest::newRow("namesakes replaced") << false;
    QTest::newRow("replacement fails") << true;
}

void TestTavrio::languagePack()
{
    QFETCH(bool, copyFails);
    TestHome home;
    RecordingBoard board;
    const QString stick = board.path(LanguagePack::kStickFolder) + '/';
    const QString installed = board.path(LanguagePack::kInstalledFolder);
    writeFile(stick + "Translate_EN.qm", "new EN");
    writeFile(stick + "Translate_XX.qm", "no namesake");
    writeFile(stick + ".Translate_CN.qm", "hidden");
    writeFile(stick + "sub/Translate_PO.qm", "in a folder");
    writeFile(home.file("elsewhere.qm"), "outside the stick");
    QVERIFY(QFile::link(home.file("elsewhere.qm"), stick + "Translate_FR.qm"));
    for (const char *name : {".Translate_CN.qm", "Translate_FR.qm", "sub"})
        writeFile(installed + name, "installed");
    if (copyFails)
        QVERIFY(QDir().mkpath(installed + "Translate_EN.qm")); // a folder cannot be replaced
    else
        writeFile(installed + "Translate_EN.qm", "old EN");
    Tavrio tavrio;
    QSignalSpy boxes(QmlSignal::get_instance(), &QmlSignal::qml_test);

    tavrio.handle_cmd("Qml##update_lang");
    QCOMPARE(board.actions, QStringList{"chmod 777 /home/rvk/Public/QZLaser/Language -R"});
    QCOMPARE(boxes.size(), 1);
    QCOMPARE(para("m_strMessageInfo"), copyFails ? QString("语言包更新失败,请联系售后!")
                                                 : QString("语言包更新完成,请重新开机!"));
    if (!copyFails)
        QCOMPARE(readFile(installed + "Translate_EN.qm"), QByteArray("new EN"));
    QVERIFY(!QFile::exists(installed + "Translate_XX.qm"));
    QCOMPARE(readFile(installed + ".Translate_CN.qm"), QByteArray("installed"));
    QCOMPARE(readFile(installed + "Translate_FR.qm"), QByteArray("installed"));
    QVERIFY(QFileInfo(installed + "sub").isFile());
}

void TestTavrio::languagePackWithoutStickDoesNothing()
{
    TestHome home;
    RecordingBoard board;
    const QString installed = board.path(LanguagePack::kInstalledFolder);
    writeFile(installed + "Translate_EN.qm", "old EN");
    Tavrio tavrio;
    QSignalSpy boxes(QmlSignal::get_instance(), &QmlSignal::qml_test);
    tavrio.handle_cmd("Qml##update_lang");
    QVERIFY(board.actions.isEmpty());
    QVERIFY(boxes.isEmpty());

    // A stick whose files all lack a namesake: nothing copied, and that is a success.
    writeFile(board.path(LanguagePack::kStickFolder) + "/Translate_XX.qm", "new");
    tavrio.handle_cmd("Qml##update_lang");
    QCOMPARE(boxes.size(), 1);
    QCOMPARE(para("m_strMessageInfo"), QString("语言包更新完成,请重新开机!"));
    QCOMPARE(QDir(installed).entryList(QDir::Files), QStringList{"Translate_EN.qm"});
}

void TestTavrio::folderChoice_data()
{
    QTest::addColumn<QString>("command");
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("stored"); // "" when never written
    QTest::addColumn<QString>("answer");
    QTest::addColumn<QString>("expectedStart");
    QTest::addColumn<QString>("expected");
    QTest::newRow("fresh, cancelled") << "Qml##set_importPath"
                                      << "m_strUpdatePath"
                                      << ""
                                      << ""
                                      << "D:\\"
                                      << "D:\\";
    QTest::newRow("zero means unset") << "Qml##set_UDiskPath"
                                      << "m_strUDiskPath"
                                      << "0"
                                      << ""
                                      << "D:\\"
                                      << "D:\\";
    QTest::newRow("chosen") << "Qml##set_UDiskPath"
                            << "m_strUDiskPath"
                            << "/media/a"
                            << "/media/b"
                            << "/media/a"
                            << "/media/b";
}

void TestTavrio::folderChoice()
{
    QFETCH(QString, command);
    QFETCH(QString, key);
    QFETCH(QString, stored);
    QFETCH(QString, answer);
    QFETCH(QString, expectedStart);
    QFETCH(QString, expected);
    TestHome home;
    if (!stored.isEmpty())
        setPara(key, stored);
    QString askedStart;
    Tavrio::set_folder_chooser([&](const QString &, const QString &start) {
        askedStart = start;
        return answer;
    });
    Tavrio tavrio;
    QSignalSpy refresh(QmlSignal::get_instance(), &QmlSignal::qml_fresh_parameter);
    tavrio.handle_cmd(command);
    Tavrio::set_folder_chooser(nullptr);
    QCOMPARE(askedStart, expectedStart);
    QCOMPARE(para(key), expected);
    QCOMPARE(refresh.size(), 1);
}

void TestTavrio::updateFileCheck()
{
    TestHome home;
    Tavrio tavrio;
    QSignalSpy boxes(QmlSignal::get_instance(), &QmlSignal::qml_test);
    const QString folder = home.file("usb");
    QDir().mkpath(folder);
    setPara("m_strUpdatePath", folder);
    tavrio.handle_cmd("Qml##update_QZLaser");
    QCOMPARE(boxes.size(), 1);
    QCOMPARE(para("m_strMessageInfo"), "QZLaser.upd升级程序不在" + folder + "目录下");

    writeFile(folder + "/QZLaser.upd", "x");
    tavrio.handle_cmd("Qml##update_QZLaser");
    QCOMPARE(boxes.size(), 1);
}

void TestTavrio::screenSignals()
{
    TestHome home;
    RecordingBoard board;
    Tavrio tavrio;
    QmlSignal *hub = QmlSignal::get_instance();
    QSignalSpy time(hub, &QmlSignal::update_MachineTime);
    QSignalSpy templ(hub, &QmlSignal::update_showTempl);
    QSignalSpy humidy(hub, &QmlSignal::update_showHumidy);
    tavrio.handle_cmd("Qml##GetMachineTime");
    tavrio.handle_cmd("Qml##SetShowTempl##1");
    tavrio.handle_cmd("Qml##SetShowHumidy##0");
    // Unknown verbs, other letter case, short commands: nothing happens.
    for (const char *ignored :
         {"Qml##SetShowPara##1", "qml##SetBright##10", "Qml##setbright##10", "Qml#SetBright#10",
          "Qml", "Qml##SetVolume", "Qml##openPDF##/a.pdf", "Qml##sendfile", "Qml##get_QZLaser"})
        tavrio.handle_cmd(ignored);
    QCOMPARE(time.size(), 1);
    QVERIFY(QDateTime::fromString(time.first().at(0).toString(), "yyyy-MM-dd HH:mm:ss").isValid());
    QCOMPARE(templ.first().at(0).toInt(), 1);
    QCOMPARE(humidy.first().at(0).toInt(), 0);
    // "Qml##SetVolume" without its argument reads 0, the screens' silent end.
    QCOMPARE(board.actions, QStringList{"amixer -D hw:audiocodec cset name='digital volume' 40"});
    QCOMPARE(tavrio.get_time().size(), 9);
    QCOMPARE(tavrio.get_time_z().size(), 13);
    QVERIFY(tavrio.get_time().endsWith(' '));
}

void TestTavrio::serialOperationsReachProcessModule()
{
    TestHome home;
    Tavrio tavrio;
    QCOMPARE(tavrio.openSerial(), 0); // no process module: logged only
    tavrio.closeSerial();
    FakeProcessModule process;
    QCOMPARE(tavrio.openSerial(), 1);
    tavrio.closeSerial();
    tavrio.refreshPort();
    QCOMPARE(process.calls, (QStringList{"OpenSerial", "CloseSerial", "EnumPortName"}));
}

QTEST_MAIN(TestTavrio)
#include "tst_tavrio.moc"
