#include "absentmodules.h"
#include "archive.h"
#include "archivebytes.h"
#include "inifile.h"
#include "parammge.h"
#include "parampacks.h"
#include "qmlsignal.h"
#include "testhome.h"

#include <QSignalSpy>
#include <QtTest>

// Parameter packs, the U-disk commands and the transfers to the other board.
class TestParamPacks : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void exportThenImport_data();
    void exportThenImport();
    void unreadablePackImportsNothing();
    void udiskCommands_data();
    void udiskCommands();
    void fullTransfer_data();
    void fullTransfer();
    void transferByMachineKind_data();
    void transferByMachineKind();
    void moduleArchiveOperations();
};

namespace {
QList<double> values(const QSignalSpy &spy)
{
    QList<double> list;
    for (const QList<QVariant> &args : spy)
        list << args.first().toDouble();
    return list;
}

QStringList archiveEntries(const QString &file)
{
    QFile in(file);
    if (!in.open(QIODevice::ReadOnly))
        return {QStringLiteral("(missing)")};
    QStringList entries;
    Archive archive;
    archive.list(&in, [&entries](const ArchiveEntry &e) { entries << e.path; });
    return entries;
}
} // namespace

void TestParamPacks::initTestCase()
{
    // A dialog would block the test: every file request counts as cancelled.
    ParamPacks::setFileChooser([](const ParamPacks::FileRequest &) { return QString(); });
}

void TestParamPacks::exportThenImport_data()
{
    QTest::addColumn<QString>("currentMaterial");
    QTest::addColumn<QString>("importedMaterial");
    QTest::newRow("material name taken when none is set") << ""
                                                          << "Cotton";
    QTest::newRow("material name kept when set") << "Felt"
                                                 << "Felt";
}

void TestParamPacks::exportThenImport()
{
    QFETCH(QString, currentMaterial);
    QFETCH(QString, importedMaterial);
    TestHome home;
    AbsentModules absent;
    ParamMge module;
    module.init();
    module.set_ini_para("m_nDestTemperature", "150");
    module.set_ini_para("m_nPCLanguage", "2");
    module.set_ini_para("m_nUserType", "1");
    module.set_ini_para("m_strFresh", "new"); // not yet in global.ini on disk
    module.set_local_para("m_strPackName", "KT420");
    module.set_local_para("m_strMaterialName", "Cotton");
    const QString pack = home.file("pack.qzp");
    module.exportFile(pack);
    const QString text = QString::fromUtf8(readFile(pack));
    QVERIFY2(text.contains("[global.ini]") && text.contains("[param_mge.ini]"), qPrintable(text));
    QCOMPARE(Ini::read(pack, "global.ini/m_strFresh"), QString("new"));

    module.set_ini_para("m_nDestTemperature", "100");
    module.set_ini_para("m_nPCLanguage", "5");
    module.set_ini_para("m_nUserType", "3");
    module.set_ini_para("m_strFresh", "changed");
    module.set_local_para("m_strPackName", "VAZiza1080");
    module.set_local_para("m_strMaterialName", currentMaterial);
    QSignalSpy fresh(QmlSignal::get_instance(), &QmlSignal::qml_fresh_parameter);
    QSignalSpy progress(QmlSignal::get_instance(), &QmlSignal::update_machine_para_trans_progress);
    module.handle_cmd("Tcp_FileTransfer##importFile##" + pack);

    QCOMPARE(module.try_get_ini_para("m_nDestTemperature", ""), QString("150"));
    QCOMPARE(module.try_get_ini_para("m_strFresh", ""), QString("new"));
    QCOMPARE(module.try_get_ini_para("m_nPCLanguage", ""), QString("5"));
    QCOMPARE(module.try_get_ini_para("m_nUserType", ""), QString("3"));
    QCOMPARE(module.get_local_para("m_strPackName"), QString("KT420"));
    QCOMPARE(module.get_local_para("m_strMaterialName"), importedMaterial);
    QCOMPARE(fresh.size(), 1);
    QCOMPARE(values(progress), QList<double>{1});
    QCOMPARE(absent.sent, QStringList({"CadMgr2D: ParamMge##initMachinePara",
                                       "CadMgr2D: ParamMge##initMachinePara"}));
}

void TestParamPacks::unreadablePackImportsNothing()
{
    TestHome home;
    ParamMge module;
    module.init();
    module.set_ini_para("m_nDestTemperature", "120");
    QVERIFY(writeFile(home.file("bad.qzp"), "[global.ini\nm_nDestTemperature=999\n"));
    module.importFile(home.file("bad.qzp"));
    QCOMPARE(module.try_get_ini_para("m_nDestTemperature", ""), QString("120"));
}

void TestParamPacks::udiskCommands_data()
{
    QTest::addColumn<QString>("command");
    QTest::addColumn<QString>("stick"); // "" none, "empty", "pack", "garbage"
    QTest::addColumn<QString>("box");
    QTest::addColumn<QStringList>("sent");
    const QString noStick = "1|未检测到U盘|请重新拔插U盘并等待5秒钟再操作";
    QTest::newRow("export, no stick") << "make_work_para_zip"
                                      << "" << noStick << QStringList();
    QTest::newRow("import, no stick") << "uppack_work_para_zip"
                                      << "" << noStick << QStringList();
    QTest::newRow("import, no pack") << "uppack_work_para_zip"
                                     << "empty"
                                     << "1|导入参数异常|参数包不存在" << QStringList();
    QTest::newRow("import, unreadable pack")
        << "uppack_work_para_zip"
        << "garbage"
        << "1|导入参数异常|参数包无法读取" << QStringList{"CadMgr2D: ParamMge##initMachinePara"};
    QTest::newRow("export") << "make_work_para_zip"
                            << "empty"
                            << "0|导出参数|导出完成"
                            << QStringList{"CadMgr2D: ParamMge##initMachinePara",
                                           "communicate_mge: ParamMge##exportTechFile##STICK/"
                                           "TechInfo.qzzip"};
    QTest::newRow("import") << "uppack_work_para_zip"
                            << "pack"
                            << "0|导入参数|导入完成,重启系统参数才能生效"
                            << QStringList{"CadMgr2D: ParamMge##initMachinePara",
                                           "communicate_mge: ParamMge##importTechFile##STICK/"
                                           "TechInfo.qzzip"};
}

void TestParamPacks::udiskCommands()
{
    QFETCH(QString, command);
    QFETCH(QString, stick);
    QFETCH(QString, box);
    QFETCH(QStringList, sent);
    TestHome home;
    AbsentModules absent;
    BoxRecorder boxes;
    ParamMge module;
    module.init();
    const QString folder = home.file("stick");
    module.set_ini_para("m_strUDiskPath", folder);
    if (!stick.isEmpty())
        QVERIFY(QDir().mkpath(folder));
    if (stick == "pack")
        QVERIFY(writeFile(folder + "/ParaInfo.qzzip", "[global.ini]\nm_nDestTemperature=177\n"));
    if (stick == "garbage")
        QVERIFY(writeFile(folder + "/ParaInfo.qzzip", "not a pack\n"));

    module.handle_cmd("Qml##" + command);
    QCOMPARE(boxes.boxes, QStringList{box});
    sent.replaceInStrings("STICK", folder);
    QCOMPARE(absent.sent, sent);
    if (stick.isEmpty())
        QVERIFY(!QFileInfo::exists(folder));
    if (stick == "empty" && command == "make_work_para_zip")
        QVERIFY(Ini::readAll(folder + "/ParaInfo.qzzip").contains("global.ini/m_nLanguage"));
    if (stick == "pack")
        QCOMPARE(module.try_get_ini_para("m_nDestTemperature", ""), QString("177"));
}

void TestParamPacks::fullTransfer_data()
{
    QTest::addColumn<bool>("restore");
    QTest::addColumn<bool>("laserMaterial");
    QTest::addColumn<bool>("calibration");
    QTest::addColumn<QStringList>("packed");
    QTest::addColumn<QStringList>("boxes");
    QTest::newRow("empty KT420") << false << false << true
                                 << QStringList{"AllParam/", "AllParam/VisionFile.dir",
                                                "AllParam/qzp_to_arm.ini"}
                                 << QStringList();
    QTest::newRow("laser material, no calibration")
        << false << true << false
        << QStringList{"AllParam/", "AllParam/TechLibrary.tech", "AllParam/qzp_to_arm.ini"}
        << QStringList{"1|视觉文件异常|点集文件缺失无法传送"};
    QTest::newRow("restore settings")
        << true << true << true
        << QStringList{"RestoreSettings/", "RestoreSettings/TechLibrary.tech",
                       "RestoreSettings/VisionFile.dir", "RestoreSettings/qzp_to_arm.ini"}
        << QStringList();
}

void TestParamPacks::fullTransfer()
{
    QFETCH(bool, restore);
    QFETCH(bool, laserMaterial);
    QFETCH(bool, calibration);
    QFETCH(QStringList, packed);
    QFETCH(QStringList, boxes);
    TestHome home;
    AbsentModules absent;
    BoxRecorder boxRecorder;
    ParamMge module;
    module.init();
    const QString work = restore ? "RestoreSettings" : "AllParam";
    QVERIFY(
        writeTree(home.configDir(), {{work + "/stale.txt", "old"}, {"TechLibrary/KT420/", ""}}));
    if (laserMaterial)
        QVERIFY(writeTree(home.file("Config/TechLibrary/KT420"), {{"ABC 1 mm/LaserCut.ini", ""}}));
    if (calibration)
        QVERIFY(writeTree(home.file("Vision/Tup"), {{"BottomCal.calpixel", "bottom"},
                                                    {"TopCal.calpixel", "top"},
                                                    {"TranTmp/leftover", "x"}}));
    QSignalSpy progress(QmlSignal::get_instance(), &QmlSignal::update_machine_para_trans_progress);
    QSignalSpy archived(QmlSignal::get_instance(), &QmlSignal::update_tech_para_trans_progress);

    if (restore)
        module.tranRestoreSettingsToArm();
    else
        module.handle_cmd("tranFileToArm");

    QCOMPARE(archiveEntries(home.configDir() + work + ".qzzip"), packed);
    QCOMPARE(boxRecorder.boxes, boxes);
    QCOMPARE(values(progress), (QList<double>{0.2, 0.4, 0.6, 0.7}));
    QCOMPARE(archived.size(), 1 + int(laserMaterial) + int(calibration));
    if (calibration) {
        QCOMPARE(
            archiveEntries(home.configDir() + work + "/VisionFile.dir"),
            QStringList({"TranTmp/", "TranTmp/BottomCal.calpixel", "TranTmp/TopCal.calpixel"}));
    }
    const QString send =
        QString("ComTcpClient: ParamMge##%1##%2%3.qzzip")
            .arg(restore ? "SendRestoreSettingsFile" : "SendAllParamFile", home.configDir(), work);
    if (restore)
        QCOMPARE(absent.sent, QStringList{send});
    else
        QCOMPARE(absent.sent, QStringList({send, "preview_cad_2d: ParamMge##init_CadPage",
                                           "CadMgr2D: ParamMge##initMachinePara"}));
}

void TestParamPacks::transferByMachineKind_data()
{
    QTest::addColumn<QString>("command");
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("single");
    QTest::addColumn<QStringList>("sent");
    QTest::addColumn<QList<double>>("progress");
    QTest::addColumn<QString>("pack"); // written into the configuration folder
    const QStringList after{"preview_cad_2d: ParamMge##init_CadPage",
                            "CadMgr2D: ParamMge##initMachinePara"};
    QTest::newRow("to laser") << "tranFileToArm"
                              << "1"
                              << "0"
                              << QStringList{"GrblLaserMotion: ParamMge##updataParam"} + after
                              << QList<double>{} << "";
    QTest::newRow("to printer") << "tranFileToArm"
                                << "2"
                                << "0"
                                << QStringList{"MarlinPrintMotion: ParamMge##updataParam"} + after
                                << QList<double>{} << "";
    QTest::newRow("to single global")
        << "tranFileToArm"
        << "0"
        << "1"
        << QStringList{"communicate_mge: ParamMge##tranFileToArm##CONFIGqzp_to_arm.ini"} + after
        << QList<double>{0.5} << "qzp_to_arm.ini";
    QTest::newRow("to press") << "tranFileToArm"
                              << "4"
                              << "0" << after << QList<double>{} << "";
    QTest::newRow("from laser") << "getFileFromArm"
                                << "1"
                                << "0" << QStringList{"GrblLaserMotion: ParamMge##getParam"}
                                << QList<double>{} << "";
    QTest::newRow("from printer") << "getFileFromArm"
                                  << "2"
                                  << "0" << QStringList{"MarlinPrintMotion: ParamMge##getParam"}
                                  << QList<double>{} << "";
    QTest::newRow("from single global")
        << "getFileFromArm"
        << "0"
        << "1" << QStringList{"communicate_mge: ParamMge##getFileFromArm##qzp_from_arm.ini"}
        << QList<double>{0.5} << "qzp_from_arm.ini";
    QTest::newRow("from all") << "getFileFromArm"
                              << "0"
                              << "0" << QStringList{"communicate_mge: getAllParamFromArm"}
                              << QList<double>{0.1} << "";
    QTest::newRow("from press") << "getFileFromArm"
                                << "4"
                                << "0" << QStringList{} << QList<double>{} << "";
}

void TestParamPacks::transferByMachineKind()
{
    QFETCH(QString, command);
    QFETCH(QString, kind);
    QFETCH(QString, single);
    QFETCH(QStringList, sent);
    QFETCH(QList<double>, progress);
    QFETCH(QString, pack);
    TestHome home;
    AbsentModules absent;
    ParamMge module;
    module.init();
    module.set_ini_para("m_nMachType", kind);
    module.set_ini_para("m_nUseSingleGlobal", single);
    QSignalSpy spy(QmlSignal::get_instance(), &QmlSignal::update_machine_para_trans_progress);
    module.handle_cmd(command);
    sent.replaceInStrings("CONFIG", home.configDir());
    QCOMPARE(absent.sent, sent);
    QCOMPARE(values(spy), progress);
    if (!pack.isEmpty())
        QVERIFY(Ini::readAll(home.configDir() + pack).contains("global.ini/m_nMachType"));
}

void TestParamPacks::moduleArchiveOperations()
{
    TestHome home;
    BoxRecorder boxes;
    ParamMge module;
    module.init();
    QVERIFY(writeTree(home.file("src/A"), {{"x", "hi"}}));
    QVERIFY(QDir().mkpath(home.file("dest")));
    QSignalSpy archived(QmlSignal::get_instance(), &QmlSignal::update_tech_para_trans_progress);
    module.compression_file_my(home.file("src/A"), home.file("src"), ".qzzip");
    QCOMPARE(values(archived), QList<double>{0.5});
    QVERIFY(writeFile(home.file("evil.tech"),
                      ArchiveBytes().count(1).name("dir##..").count(0).count(0).bytes()));
    QVERIFY(writeFile(home.file("src/A.zip"), "whatever"));

    module.decompression_file_my(home.file("src/A.qzzip"), home.file("dest"));
    module.decompression_file_my(home.file("src/A.qzzip"), home.file("missing"));
    module.decompression_file_my(home.file("src/A.zip"), home.file("dest"));
    module.decompression_file_my(home.file("evil.tech"), home.file("dest"));
    QCOMPARE(readFile(home.file("dest/A/x")), QByteArray("hi"));
    QCOMPARE(boxes.boxes, QStringList({"1||目的路径异常！", "1||原路径异常！",
                                       "1||压缩包已损坏或不安全，未解压！"}));
}

QTEST_GUILESS_MAIN(TestParamPacks)
#include "tst_parampacks.moc"
