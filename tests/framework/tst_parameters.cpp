#include "basemodule.h"
#include "baseparameter.h"
#include "inifile.h"
#include "testhome.h"

#include <QtTest>

#include <sys/stat.h>

#include <csignal>

// Parameter store: what is written is seen by everybody at once, reaches the disk promptly and
// survives restarts, crashes and damaged files.
class TestParameters : public QObject
{
    Q_OBJECT
private slots:
    void roundTripAcrossRestart();
    void sharedBetweenScreensAndModules();
    void reachesDiskWithinASecond();
    void corruptOrMissingFileGivesDefaults();
    void survivesKillDuringWrites();
    void singleKeysOfAnyFile();
    void handWrittenListValueReadsAsText();
};

void TestParameters::roundTripAcrossRestart()
{
    TestHome home;
    GlobalPara *para = GlobalPara::get_instance();
    para->set_para("m_nDestTemperature", "180.5");
    para->set_para("m_curUserName", QString::fromUtf8("访客, A=B"));
    para->set_table_para("Other", "m_nX", "7");
    QVERIFY(para->save());

    para->init_parameters(home.configDir()); // a new start of the store
    QCOMPARE(para->try_get_para("m_nDestTemperature", "0"), QString("180.5"));
    QCOMPARE(para->get_para("m_curUserName"), QString::fromUtf8("访客, A=B"));
    QCOMPARE(para->try_get_table_para("Other", "m_nX", ""), QString("7"));
    QCOMPARE(para->try_get_para("missing", "dflt"), QString("dflt"));

    // Table General is the [General] section of global.ini, as text.
    QCOMPARE(Ini::read(home.configDir() + "global.ini", "m_nDestTemperature"), QString("180.5"));
    QCOMPARE(Ini::read(home.configDir() + "global.ini", "Other/m_nX"), QString("7"));
}

void TestParameters::sharedBetweenScreensAndModules()
{
    TestHome home;
    BaseModule module("probe");
    GlobalPara *para = GlobalPara::get_instance();
    module.set_ini_para("m_nVolume", "35", "General");
    QCOMPARE(para->get_para("m_nVolume"), QString("35"));
    para->set_para("m_nLanguage", 3);
    QCOMPARE(module.try_get_ini_para("m_nLanguage", "0"), QString("3"));
    QCOMPARE(module.get_ini_para("m_nLanguage"), QString("3"));

    module.set_local_para("m_strKey", "v1");
    QCOMPARE(Ini::read(home.configDir() + "probe.ini", "m_strKey"), QString("v1"));
    QCOMPARE(module.get_local_para("m_strKey"), QString("v1"));
    module.set_module_para("param_mge", "m_nUserType", "2");
    QCOMPARE(Ini::read(home.configDir() + "param_mge.ini", "m_nUserType"), QString("2"));
}

void TestParameters::reachesDiskWithinASecond()
{
    TestHome home;
    GlobalPara::get_instance()->set_para("m_nBright", "120");
    QTRY_COMPARE_WITH_TIMEOUT(Ini::read(home.configDir() + "global.ini", "m_nBright"),
                              QString("120"), 1000);
}

void TestParameters::corruptOrMissingFileGivesDefaults()
{
    TestHome home(false);
    QDir().mkpath(home.configDir());
    QFile file(home.configDir() + "global.ini");
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("[General\n\x01\x02garbage=\"unterminated\n=\n[[[\n");
    file.close();

    GlobalPara *para = GlobalPara::get_instance();
    para->init_parameters(home.configDir());
    QCOMPARE(para->try_get_para("m_nLanguage", "0"), QString("0"));
    para->set_para("m_nLanguage", "1");
    QVERIFY(para->save());
    para->init_parameters(home.configDir());
    QCOMPARE(para->get_para("m_nLanguage"), QString("1"));

    para->init_parameters(home.path() + "/nowhere/Config/"); // missing: created empty
    QCOMPARE(para->try_get_para("m_nLanguage", "0"), QString("0"));
}

void TestParameters::survivesKillDuringWrites()
{
    // A child process writes the store over and over; it is killed at some moment. Whatever
    // moment that was, the file holds one complete state: every key, all of one round.
    TestHome home;
    for (int attempt = 0; attempt < 3; ++attempt) {
        QProcess writer;
        writer.start(QCoreApplication::applicationFilePath(), {"--writer", home.configDir()});
        QVERIFY(writer.waitForStarted());
        QVERIFY2(writer.waitForReadyRead(30000), writer.readAllStandardError().constData());
        QTest::qWait(20 + attempt * 37);
        ::kill(static_cast<pid_t>(writer.processId()), SIGKILL);
        QVERIFY(writer.waitForFinished());

        bool ok = false;
        const auto all = Ini::readAll(home.configDir() + "global.ini", &ok);
        QVERIFY(ok);
        const QString round = all.value("round");
        QVERIFY(!round.isEmpty());
        for (int k = 0; k < 50; ++k)
            QCOMPARE(all.value(QString("key%1").arg(k)), round);
    }

    // Whatever the killed writer left behind (an empty lock file, a temporary) does not stall
    // the next writer: a stalled write at start-up would outlast the watchdog.
    QFile lock(home.configDir() + "global.ini.lock");
    QVERIFY(lock.open(QIODevice::WriteOnly));
    lock.close();
    GlobalPara *para = GlobalPara::get_instance();
    para->init_parameters(home.configDir());
    para->set_para("after", "1");
    QElapsedTimer clock;
    clock.start();
    QVERIFY(para->save());
    QVERIFY2(clock.elapsed() < 5000, "the write waited for a dead writer's lock");
    QCOMPARE(Ini::read(home.configDir() + "global.ini", "after"), QString("1"));
    const QStringList visible = QDir(home.configDir()).entryList(QDir::Files);
    QVERIFY2(!visible.join(' ').contains(".tmp"), qPrintable(visible.join(' ')));
}

void TestParameters::singleKeysOfAnyFile()
{
    TestHome home;
    BaseModule module("probe");
    const QString lib = home.path() + "/Lib/";
    module.set_path_fp_para(lib, "Guest", "0.ini", "m_nDestTemperature", "160");
    QCOMPARE(Ini::read(lib + "Guest/0.ini", "m_nDestTemperature"), QString("160"));
    QCOMPARE(module.try_get_path_fp_para(lib, "/Guest/", "0.ini", "m_nDestTemperature", "x"),
             QString("160"));
    QCOMPARE(module.try_get_path_fp_para(lib, "Guest", "9.ini", "m_nDestTemperature", "x"),
             QString("x"));

    // Writing what the file already holds leaves the file alone; a new value replaces it.
    auto inode = [](const QString &path) {
        struct stat st
        {};
        return ::stat(QFile::encodeName(path).constData(), &st) == 0 ? st.st_ino : ino_t(0);
    };
    const QString file = lib + "Guest/0.ini";
    const ino_t before = inode(file);
    module.set_path_fp_para(lib, "Guest", "0.ini", "m_nDestTemperature", "160");
    QCOMPARE(inode(file), before);
    module.set_path_fp_para(lib, "Guest", "0.ini", "m_nDestTemperature", "170");
    QVERIFY(inode(file) != before);
    QCOMPARE(Ini::read(file, "m_nDestTemperature"), QString("170"));
}

void TestParameters::handWrittenListValueReadsAsText()
{
    TestHome home;
    const QString path = home.file("hand.ini");
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("[General]\nm_strList=a,b\n");
    file.close();
    QCOMPARE(Ini::read(path, "m_strList"), QString("a,b"));
}

int main(int argc, char **argv)
{
    if (argc == 3 && qstrcmp(argv[1], "--writer") == 0) {
        QCoreApplication app(argc, argv);
        GlobalPara *para = GlobalPara::get_instance();
        para->init_parameters(QString::fromLocal8Bit(argv[2]));
        for (int round = 1;; ++round) {
            for (int k = 0; k < 50; ++k)
                para->set_para(QString("key%1").arg(k), QString::number(round));
            para->set_para("round", QString::number(round));
            para->save();
            if (round == 1) {
                std::fputs("written\n", stdout);
                std::fflush(stdout);
            }
        }
    }
    QCoreApplication app(argc, argv);
    TestParameters test;
    return QTest::qExec(&test, argc, argv);
}
#include "tst_parameters.moc"
