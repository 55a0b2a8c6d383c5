#include "acppmain.h"
#include "appresources.h"
#include "baseparameter.h"
#include "inifile.h"
#include "startup.h"
#include "testhome.h"

#include <QQmlApplicationEngine>
#include <QQmlContext>
#include <QTranslator>
#include <QtTest>

class TestStartup : public QObject
{
    Q_OBJECT
private slots:
    void languageTable_data();
    void languageTable();
    void translationFolderBesideExecutable();
    void fontFolderRule();
    void applicationObject();
    void reloadSoftRestartsWithSameArguments();
};

void TestStartup::languageTable_data()
{
    QTest::addColumn<QString>("value");
    QTest::addColumn<QString>("file");
    QTest::newRow("0") << "0"
                       << "Translate_CN.qm";
    QTest::newRow("1") << "1"
                       << "Translate_EN.qm";
    QTest::newRow("4") << "4"
                       << "Translate_ES.qm";
    QTest::newRow("6") << "6"
                       << "Translate_PO.qm";
    QTest::newRow("7") << "7"
                       << "Translate_CN.qm";
    QTest::newRow("-1") << "-1"
                        << "Translate_CN.qm";
    QTest::newRow("x") << "x"
                       << "Translate_CN.qm";
    QTest::newRow("empty") << ""
                           << "Translate_CN.qm";
}

void TestStartup::languageTable()
{
    QFETCH(QString, value);
    QFETCH(QString, file);
    QCOMPARE(Startup::languageFileName(value), file);
}

void TestStartup::translationFolderBesideExecutable()
{
    // With TAVRIO_HOME both roots are the home, so the folder beside the executable wins when
    // it exists; without it the project folder's pattern is used.
    TestHome home;
    QVERIFY(QFileInfo(home.file("Language")).isDir());
    QCOMPARE(Startup::languageFolder(), home.file("Language/"));
    GlobalPara::get_instance()->set_para("m_nLanguage", "1");
    QTranslator translator;
    QCOMPARE(Startup::installTranslation(*QCoreApplication::instance(), translator),
             home.file("Language/Translate_EN.qm"));
    QVERIFY(!translator.isEmpty() || QFileInfo(home.file("Language/Translate_EN.qm")).isFile());
    QCoreApplication::removeTranslator(&translator);

    QDir(home.file("Language")).removeRecursively();
    QCOMPARE(Startup::languageFolder(), home.path() + "/Language/"); // the project pattern
    QTranslator missing;
    GlobalPara::get_instance()->set_para("m_nLanguage", "x");
    QVERIFY(Startup::installTranslation(*QCoreApplication::instance(), missing)
                .endsWith("Translate_CN.qm")); // quietly stays in the source language
    QCoreApplication::removeTranslator(&missing);
}

void TestStartup::fontFolderRule()
{
    TestHome home;
    QCOMPARE(Startup::fontsFolder(), home.path() + "/QML/Fonts/");
    QDir().mkpath(home.file("Fonts"));
    QCOMPARE(Startup::fontsFolder(), home.file("Fonts/"));
    QVERIFY(!Startup::installApplicationFont()); // an empty folder keeps the default font
}

void TestStartup::applicationObject()
{
    TestHome home;
    AppResources::init();
    ACppMain main;
    main.init_all();
    const QQmlContext *context = main._engine->rootContext();
    QCOMPARE(context->contextProperty("SOFTWARE").toString(), QString("QZLaser"));
    for (const char *name : {"cpp_main", "cpp_para", "cpp_sql", "cpp_tool", "cpp_signal", "cpp_log",
                             "tavrio", "param_mge", "VevOdaraMotion"})
        QVERIFY2(context->contextProperty(name).value<QObject *>(), name);
    QCOMPARE(main.modules().size(), 3);
    QCOMPARE(main.modules().at(0)->module_name(), QString("tavrio"));
    QCOMPARE(main.modules().at(1)->module_name(), QString("param_mge"));
    QCOMPARE(main.modules().at(2)->module_name(), QString("VevOdaraMotion"));
    QCOMPARE(main._engine->rootObjects().size(), 1);
    BaseModule::deliver("cpp_main", "Qml##anything"); // dropped
}

void TestStartup::reloadSoftRestartsWithSameArguments()
{
    TestHome home;
    AppResources::init();
    QString program;
    QStringList arguments;
    ACppMain::set_process_starter([&](const QString &p, const QStringList &a) {
        program = p;
        arguments = a;
        return true;
    });
    GlobalPara::get_instance()->set_para("m_nNeedCheckDoubleExe", "1");
    {
        ACppMain main;
        main.init_all();
        main.reloadSoft();
        QVERIFY(main.modules().isEmpty());
    }
    ACppMain::set_process_starter(nullptr);
    QCOMPARE(program, QCoreApplication::applicationFilePath());
    QCOMPARE(arguments, QCoreApplication::arguments());
    QCOMPARE(arguments.first(), QCoreApplication::arguments().first());
    QCOMPARE(Ini::read(home.configDir() + "global.ini", "m_nNeedCheckDoubleExe"), QString("0"));
}

QTEST_MAIN(TestStartup)
#include "tst_startup.moc"
