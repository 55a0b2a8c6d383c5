#include "absentmodules.h"
#include "archivebytes.h"
#include "inifile.h"
#include "parammge.h"
#include "qmlsignal.h"
#include "testhome.h"

#include <QSignalSpy>
#include <QtTest>

// Materials of the laser and glue machine kinds and the vision thickness commands.
class TestOtherMaterials : public QObject
{
    Q_OBJECT
private slots:
    void newLaserMaterialThenAskBeforeRewrite();
    void modifyLaserMaterial_data();
    void modifyLaserMaterial();
    void glueMaterials();
    void materialChange_data();
    void materialChange();
    void thicknessOffsetAndCurrentMaterial();
    void visionMaterialReport();
    void deleteMaterial_data();
    void deleteMaterial();

private:
    static QString laser(const TestHome &home, const QString &name)
    {
        return home.file("Config/TechLibrary/KT420/" + name);
    }
};

void TestOtherMaterials::newLaserMaterialThenAskBeforeRewrite()
{
    TestHome home;
    AbsentModules absent;
    ParamMge module;
    module.init();
    module.set_ini_para("m_dNewCutSpeed", "12");
    module.set_ini_para("m_nConnectStd", "1");
    QSignalSpy names(QmlSignal::get_instance(), &QmlSignal::update_texturename);
    QSignalSpy boxes(QmlSignal::get_instance(), &QmlSignal::qml_test);

    module.handle_cmd("Qml##new_texture##ABC 1 mm");
    const QString folder = laser(home, "ABC 1 mm");
    const QMap<QString, QString> cutting{{"m_dCutSpeed", "12"},
                                         {"m_dCutJumpSpeed", "100"},
                                         {"m_nCutLaserPower", "50"},
                                         {"m_nCutGasPower", "50"}};
    QCOMPARE(Ini::readAll(folder + "/LaserCut.ini"), cutting);
    QCOMPARE(Ini::readAll(folder + "/LaserCut/11.ini"), cutting);
    QCOMPARE(Ini::read(folder + "/Engraving/0.ini", "m_dEngPrecision"), QString("0.2"));
    QCOMPARE(Ini::readAll(folder + "/Engraving.ini").size(), 9);
    QCOMPARE(QDir(folder + "/LaserCut").entryList(QDir::Files).size(), 12);
    QCOMPARE(QDir(folder + "/Engraving").entryList(QDir::Files).size(), 12);
    QCOMPARE(module.get_local_para("m_strMaterialName"), QString("ABC 1 mm"));
    QCOMPARE(names.size(), 1);
    QCOMPARE(boxes.size(), 0);
    QCOMPARE(absent.sent, QStringList{"communicate_mge: ParamMge##tranTechFileToArm"});

    // It exists now: the operator is asked, and the confirm button sends the stored command.
    module.set_ini_para("m_dNewCutSpeed", "20");
    module.handle_cmd("Qml##new_texture##ABC 1 mm");
    QCOMPARE(boxes.size(), 1);
    QCOMPARE(boxes.first().first().toString(), QString("?"));
    QCOMPARE(module.try_get_ini_para("m_strMessageInfo", ""),
             QString("材质【(ABC 1 mm)】已存在，<br>是否修改参数？"));
    QCOMPARE(module.try_get_ini_para("m_strMessageCmdTo", ""), QString("param_mge"));
    const QString confirm = module.try_get_ini_para("m_strMessageCmd", "");
    QCOMPARE(confirm, "Qml##AddNewMaterial##" + folder + "##ABC 1 mm##0");
    QCOMPARE(Ini::read(folder + "/LaserCut.ini", "m_dCutSpeed"), QString("12"));
    BaseModule::deliver("param_mge", confirm);
    QCOMPARE(Ini::read(folder + "/LaserCut.ini", "m_dCutSpeed"), QString("20"));
    QCOMPARE(Ini::read(folder + "/LaserCut/5.ini", "m_dCutSpeed"), QString("20"));

    // A folder named in the command is only written below the technology library.
    module.handle_cmd("Qml##AddNewMaterial##" + home.file("elsewhere") + "##X##0");
    QVERIFY(!QFileInfo::exists(home.file("elsewhere")));
}

void TestOtherMaterials::modifyLaserMaterial_data()
{
    QTest::addColumn<QString>("layerFlag");
    QTest::addColumn<QString>("mainSpeed");
    QTest::addColumn<QString>("layerSpeed");
    QTest::newRow("main files") << "0"
                                << "33"
                                << "10";
    QTest::newRow("layer files") << "1"
                                 << "10"
                                 << "33";
    QTest::newRow("neither") << "2"
                             << "10"
                             << "10";
}

void TestOtherMaterials::modifyLaserMaterial()
{
    QFETCH(QString, layerFlag);
    QFETCH(QString, mainSpeed);
    QFETCH(QString, layerSpeed);
    TestHome home;
    ParamMge module;
    module.init();
    module.handle_cmd("Qml##new_texture##Oak 3 mm");
    module.set_local_para("m_strMaterialName", "other");
    module.set_ini_para("m_dCutSpeed", "33");
    module.set_ini_para("m_nUseLayerSelfParam", layerFlag);
    QSignalSpy names(QmlSignal::get_instance(), &QmlSignal::update_texturename);

    module.handle_cmd("Qml##modify_texture##Oak 3 mm");
    const QString folder = laser(home, "Oak 3 mm");
    QCOMPARE(Ini::read(folder + "/LaserCut.ini", "m_dCutSpeed"), mainSpeed);
    QCOMPARE(Ini::read(folder + "/LaserCut/7.ini", "m_dCutSpeed"), layerSpeed);
    QCOMPARE(module.get_local_para("m_strMaterialName"), QString("Oak 3 mm"));
    QCOMPARE(names.size(), 1);
}

void TestOtherMaterials::glueMaterials()
{
    TestHome home;
    ParamMge module;
    module.init();
    const QString folder = home.file("Config/TechLibrary/VAZiza1080/Cloth");
    module.set_ini_para("m_nNewSmooth", "31");
    module.handle_cmd("Qml##GlueVision_new_texture##Cloth");
    QCOMPARE(Ini::readAll(folder + "/VisionParams.ini").size(), 13);
    QCOMPARE(Ini::read(folder + "/VisionParams.ini", "m_nSmooth"), QString("31"));
    QCOMPARE(Ini::read(folder + "/VisionParams.ini", "m_dAngleStar"), QString("-45"));
    QCOMPARE(Ini::read(folder + "/Point/23.ini", "m_dGluePointSpeed"), QString("13000"));
    QCOMPARE(Ini::read(folder + "/Line1.ini", "m_dLinePauseLen"), QString("1.5"));
    QCOMPARE(Ini::readAll(folder + "/Line/0.ini").size(), 10);
    for (const char *layers : {"Point", "Line", "Line1"})
        QCOMPARE(QDir(folder + '/' + layers).entryList(QDir::Files).size(), 24);

    // An existing glue material is rewritten only when the operator agrees.
    module.set_ini_para("m_nNewSmooth", "32");
    {
        BoxRecorder refuse(0);
        module.handle_cmd("Qml##GlueVision_new_texture##Cloth");
        QCOMPARE(refuse.boxes.size(), 1);
        QVERIFY(refuse.boxes.first().startsWith("2|新建材质|"));
    }
    QCOMPARE(Ini::read(folder + "/VisionParams.ini", "m_nSmooth"), QString("31"));
    {
        BoxRecorder agree(1);
        module.handle_cmd("Qml##GlueVision_new_texture##Cloth");
    }
    QCOMPARE(Ini::read(folder + "/VisionParams.ini", "m_nSmooth"), QString("32"));

    // A rewrite takes the working values and leaves the dispensing files alone.
    module.set_ini_para("m_nSmooth", "40");
    QVERIFY(Ini::write(folder + "/Point.ini", "m_dGluePointSpeed", "1"));
    module.handle_cmd("Qml##GlueVision_modify_texture##Cloth");
    QCOMPARE(Ini::read(folder + "/VisionParams.ini", "m_nSmooth"), QString("40"));
    QCOMPARE(Ini::read(folder + "/Point.ini", "m_dGluePointSpeed"), QString("1"));
}

void TestOtherMaterials::materialChange_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("offsets"); // "key=value" in VisionOffset.ini, or ""
    QTest::addColumn<QStringList>("sent");
    QTest::addColumn<double>("thickness");
    QTest::newRow("whole millimetres")
        << "ABC 1 mm"
        << ""
        << QStringList{"Tcp_FileTransfer: HalconDKJ#material_thick#1",
                       "VisionFunc: ParamMge#CreateAdaptiveMap#1"}
        << 1.0;
    QTest::newRow("rounded to a tenth, with offset")
        << "ABC 1.26 mm"
        << "thickoffset_1.3=0.2"
        << QStringList{"Tcp_FileTransfer: HalconDKJ#material_thick#1.3",
                       "VisionFunc: ParamMge#CreateAdaptiveMap#1.5"}
        << 1.3;
}

void TestOtherMaterials::materialChange()
{
    QFETCH(QString, name);
    QFETCH(QString, offsets);
    QFETCH(QStringList, sent);
    QFETCH(double, thickness);
    TestHome home;
    AbsentModules absent;
    ParamMge module;
    module.init();
    const QString offsetFile = home.file("Config/TechLibrary/KT420/VisionOffset.ini");
    if (!offsets.isEmpty())
        QVERIFY(Ini::write(offsetFile, offsets.section('=', 0, 0), offsets.section('=', 1)));
    QSignalSpy names(QmlSignal::get_instance(), &QmlSignal::update_texturename);
    QSignalSpy offsetsShown(QmlSignal::get_instance(), &QmlSignal::update_VisionOffset);

    module.handle_cmd("Qml##material_change##" + name);
    QCOMPARE(absent.sent, sent);
    QCOMPARE(names.size(), 1);
    QCOMPARE(names.first().first().toString(), name);
    QCOMPARE(offsetsShown.size(), 1);
    QCOMPARE(offsetsShown.first().first().toDouble(), thickness);
    QVERIFY(QFileInfo(offsetFile).isFile());

    // The same thickness again only tells the vision side.
    absent.sent.clear();
    module.handle_cmd("Qml##material_change##" + name);
    QCOMPARE(absent.sent, sent.mid(0, 1));
    QCOMPARE(names.size(), 1);

    // A name without the thickness part is reported; the glue kind only shows the name.
    BoxRecorder boxes;
    module.handle_cmd("Qml##material_change##ABC");
    QCOMPARE(boxes.boxes, QStringList{"1|材质名称格式错误|材质名称与厚度数值之间没有空格隔开："
                                      "如 ABC 1 mm"});
    module.set_ini_para("m_nMachType", "3");
    absent.sent.clear();
    module.handle_cmd("Qml##material_change##Glue");
    QCOMPARE(names.size(), 2);
    QCOMPARE(absent.sent, QStringList());
}

void TestOtherMaterials::thicknessOffsetAndCurrentMaterial()
{
    TestHome home;
    AbsentModules absent;
    ParamMge module;
    module.init();
    QSignalSpy offsetsShown(QmlSignal::get_instance(), &QmlSignal::update_VisionOffset);
    module.handle_cmd("Qml##current_material##X 2.25 mm");
    QCOMPARE(module.m_dLastMaterialThick, 2.25);
    QCOMPARE(offsetsShown.size(), 1);
    QCOMPARE(offsetsShown.first().first().toDouble(), 2.25);

    module.handle_cmd("Qml##material_change##ABC 1.5 mm");
    absent.sent.clear();
    module.handle_cmd("Qml##thickoffset##0.3");
    QCOMPARE(Ini::read(home.file("Config/TechLibrary/KT420/VisionOffset.ini"), "thickoffset_1.5"),
             QString("0.3"));
    QCOMPARE(absent.sent, QStringList{"VisionFunc: ParamMge#CreateAdaptiveMap#1.8"});
    module.handle_cmd("Qml##thickoffset##0.3");
    QCOMPARE(absent.sent.size(), 1);
}

void TestOtherMaterials::visionMaterialReport()
{
    TestHome home;
    ParamMge module;
    module.init();
    QVERIFY(Ini::write(home.file("Config/TechLibrary/KT420/material.ini"), "material_3", "Felt"));
    QSignalSpy names(QmlSignal::get_instance(), &QmlSignal::update_texturename);
    module.handle_cmd("HalconDKJ##materialInfo##3##3");
    QCOMPARE(module.get_local_para("m_strMaterialName"), QString("Felt 1.5 mm"));
    QCOMPARE(names.last().first().toString(), QString("Felt 1.5 mm"));
    QCOMPARE(Ini::read(laser(home, "Felt 1.5 mm") + "/LaserCut/0.ini", "m_nCutGasPower"),
             QString("50"));
    QCOMPARE(module.get_curTextureValue(), QVariantList{"Felt 1.5 mm"});
    QVERIFY(!module.get_curTextureIndex().isValid());
}

void TestOtherMaterials::deleteMaterial_data()
{
    QTest::addColumn<QString>("command");
    QTest::addColumn<QStringList>("left");
    QTest::newRow("one material") << "delete_material##KT420##A 1 mm" << QStringList{"B 2 mm"};
    QTest::newRow("empty name") << "delete_material##KT420##" << QStringList{"A 1 mm", "B 2 mm"};
    QTest::newRow("leaving the pack")
        << "delete_material##KT420##.." << QStringList{"A 1 mm", "B 2 mm"};
}

void TestOtherMaterials::deleteMaterial()
{
    QFETCH(QString, command);
    QFETCH(QStringList, left);
    TestHome home;
    ParamMge module;
    module.init();
    QVERIFY(writeTree(home.file("Config/TechLibrary/KT420"),
                      {{"A 1 mm/LaserCut.ini", ""}, {"B 2 mm/LaserCut.ini", ""}}));
    QSignalSpy lists(&module, &ParamMge::update_paralist);
    module.handle_cmd(command);
    QCOMPARE(
        QDir(home.file("Config/TechLibrary/KT420")).entryList(QDir::Dirs | QDir::NoDotAndDotDot),
        left);
    QCOMPARE(lists.size(), left.size() == 1 ? 1 : 0);
}

QTEST_GUILESS_MAIN(TestOtherMaterials)
#include "tst_othermaterials.moc"
