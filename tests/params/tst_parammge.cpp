#include "basemodule.h"
#include "baseparameter.h"
#include "inifile.h"
#include "materiallibrary.h"
#include "parammge.h"
#include "qmlsignal.h"
#include "qmltool.h"
#include "recordingboard.h"
#include "testhome.h"

#include <QDir>
#include <QFile>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

namespace {

// Stands in for the system-service module and records what it is sent.
class Recorder : public BaseModule
{
public:
    explicit Recorder(const QString &name) : BaseModule(name) {}
    void handle_cmd(QString cmd) override { commands << cmd; }
    QStringList commands;
};

// A temporary panel home with the shipped data, a recording board and the module started on it.
struct Panel
{
    TestHome home;
    RecordingBoard board;
    ParamMge module;
    QString main; // ".../MainMaterial/"
    Panel() : main(home.file("Config/TechLibrary/MainMaterial/")) { module.init(); }

    QString para(const QString &key) const { return module.try_get_ini_para(key, "<unset>"); }
    QString slot(const QString &user, int n, const QString &key) const
    {
        return Ini::read(QStringLiteral("%1%2/%3.ini").arg(main, user).arg(n), key);
    }
    QStringList users() const
    {
        return QDir(main).entryList(QDir::Dirs | QDir::NoDotAndDotDot | QDir::Hidden);
    }
    int chmods() const { return board.actions.filter("chmod 777").size(); }
};

void write(const QString &path, const QByteArray &text = QByteArray())
{
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(text);
}

QStringList entries(const QString &folder)
{
    return QDir(folder).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden,
                                  QDir::Name);
}

QStringList names(const QVariantList &list)
{
    QStringList out;
    for (const QVariant &v : list)
        out << v.toString();
    return out;
}

} // namespace

class TestParamMge : public QObject
{
    Q_OBJECT
private slots:
    void cleanup() { QmlTool::set_modal_box_answerer(nullptr); }

    void startsOnShippedLibraryWithoutBox();
    void missingLibraryIsReported();
    void shippedGuestIsWhatAddNewUserCreates();
    void addNewUserForNewAndExistingUser();
    void screenCommandFieldRules_data();
    void screenCommandFieldRules();
    void factoryReset();
    void renamesOntoExistingNames();
    void selfMaterials();
    void deleteSelfmaterialCommand_data();
    void deleteSelfmaterialCommand();
    void unsafeNamesAreRefused_data();
    void unsafeNamesAreRefused();
    void deleteFileCommandOnRootsDoesNothing_data();
    void deleteFileCommandOnRootsDoesNothing();
    void questionBoxes();
    void signalsAndSendPara();
    void reloadParaPack_data();
    void reloadParaPack();
    void destDirsForTechNames_data();
    void destDirsForTechNames();
    void paraSelector_data();
    void paraSelector();
    void productionData();
    void ssid_data();
    void ssid();
};

void TestParamMge::startsOnShippedLibraryWithoutBox()
{
    QSignalSpy boxes(QmlSignal::get_instance(), &QmlSignal::qml_test);
    Panel panel;
    QCOMPARE(boxes.count(), 0);
    QCOMPARE(panel.module.get_TechLibrary_path(), panel.home.file("Config/TechLibrary/"));
    QCOMPARE(panel.module.get_config_path(), panel.home.configDir());
    QCOMPARE(names(panel.module.get_all_pack_dirs()),
             QStringList({"KT420", "MainMaterial", "Production", "VAZiza1080"}));
    QCOMPARE(names(panel.module.get_all_username_dirs()), QStringList{"Guest"});
    QVERIFY(
        QRegularExpression("^\\d\\d:\\d\\d:\\d\\d $").match(panel.module.get_time()).hasMatch());
}

void TestParamMge::missingLibraryIsReported()
{
    TestHome home;
    QVERIFY(QDir(home.file("Config/TechLibrary")).removeRecursively());
    QVERIFY(QDir().mkpath(home.file("Config/TechLibrary/.hidden")));
    RecordingBoard board;
    QSignalSpy boxes(QmlSignal::get_instance(), &QmlSignal::qml_test);
    ParamMge module;
    module.set_ini_para("m_strMessageCmd", "Qml##something");
    module.init();
    QCOMPARE(boxes.count(), 1);
    QCOMPARE(boxes.at(0).at(0).toString(), QString());
    QCOMPARE(module.try_get_ini_para("m_strMessageInfo", ""), QString("工艺库缺失"));
    QCOMPARE(module.try_get_ini_para("m_strMessageCmd", "x"), QString());
}

void TestParamMge::shippedGuestIsWhatAddNewUserCreates()
{
    Panel panel;
    const QString shipped = panel.main + "Guest";
    const QString created = panel.main + "Fresh";
    panel.module.add_new_user("Fresh", "927304");
    QCOMPARE(entries(shipped), entries(created));
    QCOMPARE(entries(shipped), QStringList({"0.ini", "1.ini", "2.ini", "3.ini", "4.ini", "5.ini",
                                            "6.ini", "7.ini", "SelfMaterial", "info.ini"}));
    QVERIFY(entries(shipped + "/SelfMaterial").isEmpty());
    for (int n = 0; n < 8; ++n) {
        const QString name = QStringLiteral("/%1.ini").arg(n);
        QCOMPARE(Ini::readAll(shipped + name), Ini::readAll(created + name));
    }
    auto record = [](const QString &folder) {
        auto values = Ini::readAll(folder + "/info.ini");
        QVERIFY(
            QDateTime::fromString(values.take("m_sCteateTime"), "yyyy-MM-dd HH:mm:ss").isValid());
        QCOMPARE(values,
                 (QMap<QString, QString>{{"m_sPassWord", "927304"}, {"m_sSelName", "Default"}}));
    };
    record(shipped);
    record(created);
}

void TestParamMge::addNewUserForNewAndExistingUser()
{
    Panel panel;
    panel.module.add_new_user("Ann", "12");
    QCOMPARE(panel.slot("Ann", 1, "m_nDestTemperature"), QString("160"));
    QCOMPARE(panel.slot("Ann", 1, "m_nDestTimer2"), QString("15"));
    QCOMPARE(panel.slot("Ann", 7, "m_nDestTimer"), QString("480"));
    QCOMPARE(Ini::read(panel.main + "Ann/info.ini", "m_sPassWord"), QString("12"));
    QVERIFY(panel.chmods() >= 1);
    QCOMPARE(panel.board.actions.filter("chmod").first(),
             "chmod 777 " +
                 panel.board.path("/home/rvk/Public/QZLaser/Config/TechLibrary/MainMaterial") +
                 " -R");

    // An existing user: slots back to the defaults, other keys and self-materials kept.
    Ini::write(panel.main + "Ann/2.ini", "m_nDestTemperature", "200");
    Ini::write(panel.main + "Ann/2.ini", "m_extra", "x");
    write(panel.main + "Ann/SelfMaterial/Silk.ini", "[General]\nm_nDestTemperature=150\n");
    panel.module.add_new_user("Ann", "");
    QCOMPARE(panel.slot("Ann", 2, "m_nDestTemperature"), QString("180"));
    QCOMPARE(panel.slot("Ann", 2, "m_extra"), QString("x"));
    QCOMPARE(Ini::read(panel.main + "Ann/SelfMaterial/Silk.ini", "m_nDestTemperature"),
             QString("150"));
    QVERIFY(Ini::contains(panel.main + "Ann/info.ini", "m_sPassWord"));
    QCOMPARE(Ini::read(panel.main + "Ann/info.ini", "m_sPassWord", "<unset>"), QString());
}

void TestParamMge::screenCommandFieldRules_data()
{
    QTest::addColumn<QString>("command");
    QTest::addColumn<QStringList>("users");
    QTest::newRow("name only is ignored") << "Qml##add_new_user##Bob" << QStringList{"Guest"};
    QTest::newRow("trailing separator: empty password")
        << "Qml##add_new_user##Bob##" << QStringList{"Bob", "Guest"};
    QTest::newRow("with password") << "Qml##add_new_user##Bob##1" << QStringList{"Bob", "Guest"};
    QTest::newRow("tag in lower case") << "qml##add_new_user##Bob##1" << QStringList{"Guest"};
    QTest::newRow("single # joins nothing") << "Qml#add_new_user##Bob##1" << QStringList{"Guest"};
    QTest::newRow("unknown verb") << "Qml##add_user##Bob##1" << QStringList{"Guest"};
    QTest::newRow("unknown tag") << "Other##add_new_user##Bob##1" << QStringList{"Guest"};
    QTest::newRow("Qml alone") << "Qml" << QStringList{"Guest"};
    QTest::newRow("accepted stubs do nothing") << "Qml##make_work_para_zip" << QStringList{"Guest"};
}

void TestParamMge::screenCommandFieldRules()
{
    QFETCH(QString, command);
    QFETCH(QStringList, users);
    Panel panel;
    QSignalSpy boxes(QmlSignal::get_instance(), &QmlSignal::qml_test);
    BaseModule::deliver("param_mge", command);
    QCOMPARE(panel.users(), users);
    QCOMPARE(boxes.count(), 0);
    if (users.contains("Bob"))
        QCOMPARE(Ini::read(panel.main + "Bob/info.ini", "m_sPassWord", "<unset>"),
                 command.section("##", 3));
}

void TestParamMge::factoryReset()
{
    Panel panel;
    Recorder tavrio("tavrio");
    panel.module.add_new_user("Ann", "1");
    panel.module.add_new_user("Bob", "2");
    write(panel.main + "Ann/SelfMaterial/Silk.ini");
    Ini::write(panel.main + "Guest/7.ini", "m_nDestTemperature", "120");
    for (const char *key : {"m_strMaterialSelNameIndex", "m_curUserName", "m_nBright", "m_nVolume",
                            "backimg", "m_strMessageCmd"})
        panel.module.set_ini_para(key, "junk");
    panel.module.set_ini_para("m_nLanguage", "3");

    QSignalSpy boxes(QmlSignal::get_instance(), &QmlSignal::qml_test);
    BaseModule::deliver("param_mge", "Qml##RestoreDefaultSet");

    QCOMPARE(panel.users(), QStringList{"Guest"});
    QCOMPARE(entries(panel.main + "Guest").size(), 10);
    QVERIFY(entries(panel.main + "Guest/SelfMaterial").isEmpty());
    const QMap<QString, QString> slot7{
        {"m_nDestTemperature", "190"}, {"m_nDestTimer", "480"},  {"m_nDestTimer1", "480"},
        {"m_nDestTimer2", "480"},      {"m_nDestTimer3", "0"},   {"m_nDestTimer4", "0"},
        {"m_nDestPress", "30"},        {"m_nSegmentCount", "2"}, {"m_nCurCountIndex", "0"}};
    QCOMPARE(Ini::readAll(panel.main + "Guest/7.ini"), slot7);
    QCOMPARE(Ini::read(panel.main + "Guest/info.ini", "m_sPassWord"), QString("927304"));

    QCOMPARE(tavrio.commands, QStringList({"Qml##SetBright##100", "Qml##SetVolume##20"}));
    QCOMPARE(panel.para("m_strMaterialSelNameIndex"), QString("0"));
    QCOMPARE(panel.para("m_curUserName"), QString("Guest"));
    QCOMPARE(panel.para("m_nBright"), QString("100"));
    QCOMPARE(panel.para("m_nVolume"), QString("20"));
    QCOMPARE(panel.para("backimg"), QString("bk_0.png"));
    QCOMPARE(panel.para("m_nLanguage"), QString("3"));
    QCOMPARE(panel.para("m_strMessageInfo"), QString("恢复出厂设置完成,请重新开机!"));
    QCOMPARE(panel.para("m_strMessageCmd"), QString());
    QCOMPARE(boxes.count(), 1);
    QCOMPARE(boxes.at(0).at(0).toString(), QString());
}

void TestParamMge::renamesOntoExistingNames()
{
    Panel panel;
    panel.module.add_new_user("Ann", "1");
    Ini::write(panel.main + "Ann/0.ini", "m_nDestTemperature", "111");
    QVERIFY(!panel.module.modify_user("Ann", "Guest"));
    QCOMPARE(panel.slot("Ann", 0, "m_nDestTemperature"), QString("111"));
    QCOMPARE(panel.slot("Guest", 0, "m_nDestTemperature"), QString("100"));
    QVERIFY(panel.module.modify_user("Nobody", "Other"));
    QCOMPARE(panel.users(), QStringList({"Ann", "Guest"}));
    QVERIFY(panel.module.modify_user("Ann", "Eve"));
    QCOMPARE(panel.users(), QStringList({"Eve", "Guest"}));
    QCOMPARE(Ini::read(panel.main + "Eve/info.ini", "m_sPassWord"), QString("1"));

    const QString self = panel.main + "Guest/SelfMaterial/";
    write(self + "A.ini", "[General]\nm_nDestTemperature=1\n");
    write(self + "B.ini", "[General]\nm_nDestTemperature=2\n");
    QVERIFY(!panel.module.modify_selfmaterial(self + "A.ini", self + "B.ini"));
    QCOMPARE(Ini::read(self + "A.ini", "m_nDestTemperature"), QString("1"));
    QCOMPARE(Ini::read(self + "B.ini", "m_nDestTemperature"), QString("2"));
    QVERIFY(!panel.module.modify_selfmaterial(self + "Missing.ini", self + "C.ini"));
    QVERIFY(panel.module.modify_selfmaterial(self + "A.ini", self + "C.ini"));
    QCOMPARE(panel.module.get_all_filesname(self, ".ini"), QStringList({"B", "C"}));
}

void TestParamMge::selfMaterials()
{
    Panel panel;
    const QString folder = panel.main + "Guest/SelfMaterial";
    QSignalSpy created(&panel.module, &ParamMge::qml_show_TemperatureSet);
    BaseModule::deliver("param_mge", "Qml##add_new_selfmaterial##" + folder + "##Cotton");
    QCOMPARE(created.count(), 1);
    const QMap<QString, QString> fresh{
        {"m_nDestTemperature", "100"}, {"m_nDestTimer", "60"},   {"m_nDestTimer1", "60"},
        {"m_nDestTimer2", "0"},        {"m_nDestTimer3", "0"},   {"m_nDestTimer4", "0"},
        {"m_nDestPress", "30"},        {"m_nSegmentCount", "2"}, {"m_nCurCountIndex", "0"}};
    QCOMPARE(Ini::readAll(folder + "/Cotton.ini"), fresh);
    // The same name again resets the file.
    Ini::write(folder + "/Cotton.ini", "m_nDestTemperature", "222");
    QCOMPARE(panel.module.add_new_selfmaterial(folder, "Cotton"), 0);
    QCOMPARE(Ini::read(folder + "/Cotton.ini", "m_nDestTemperature"), QString("100"));
    BaseModule::deliver("param_mge", "Qml##add_new_selfmaterial##" + folder);
    QCOMPARE(created.count(), 1);

    QCOMPARE(panel.module.delete_selfmaterial(folder + "/Missing.ini", 0), 0);
    QCOMPARE(panel.module.delete_selfmaterial(folder + "/Cotton.ini", 0), 1);
    QVERIFY(!QFile::exists(folder + "/Cotton.ini"));
}

void TestParamMge::deleteSelfmaterialCommand_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("selection"); // m_strMaterialSelNameIndex afterwards
    QTest::addColumn<int>("done");
    QTest::newRow("the current material") << "Silk.ini" << 9 << "0" << 1;
    QTest::newRow("another material") << "Silk.ini" << 8 << "9" << 1;
    QTest::newRow("missing file") << "None.ini" << 9 << "9" << 0;
}

void TestParamMge::deleteSelfmaterialCommand()
{
    QFETCH(QString, file);
    QFETCH(int, index);
    QFETCH(QString, selection);
    QFETCH(int, done);
    Panel panel;
    const QString path = panel.main + "Guest/SelfMaterial/";
    write(path + "Silk.ini");
    panel.module.set_ini_para("m_strMaterialSelNameIndex", "9");
    QSignalSpy deleted(&panel.module, &ParamMge::qml_deletefile_Done);
    BaseModule::deliver(
        "param_mge",
        QStringLiteral("Qml##delete_selfmaterial##%1##%2").arg(path + file).arg(index));
    QCOMPARE(deleted.count(), done);
    QCOMPARE(panel.para("m_strMaterialSelNameIndex"), selection);
    QCOMPARE(QFile::exists(path + "Silk.ini"), done == 0);
}

void TestParamMge::unsafeNamesAreRefused_data()
{
    QTest::addColumn<QString>("name");
    QTest::newRow("empty") << "";
    QTest::newRow("dot") << ".";
    QTest::newRow("dot-dot") << "..";
    QTest::newRow("parent's folder") << "../Production";
    QTest::newRow("slash") << "a/b";
    QTest::newRow("absolute") << "/tmp/x";
}

void TestParamMge::unsafeNamesAreRefused()
{
    QFETCH(QString, name);
    Panel panel;
    panel.module.add_new_user("Ann", "1");
    const QString techBefore = entries(panel.home.file("Config/TechLibrary")).join(',');
    const QString self = panel.main + "Guest/SelfMaterial";

    panel.module.add_new_user(name, "x");
    BaseModule::deliver("param_mge", "Qml##add_new_user##" + name + "##x");
    QVERIFY(!panel.module.modify_user("Ann", name));
    QVERIFY(!panel.module.modify_user(name, "Bob"));
    QmlTool::set_modal_box_answerer([](const QmlTool::BoxRequest &) { return 1; });
    QCOMPARE(panel.module.delete_user(name), 0);
    QCOMPARE(panel.module.add_new_selfmaterial(self, name), -1);
    write(self + "/Silk.ini");
    QVERIFY(!panel.module.modify_selfmaterial(self + "/Silk.ini", self + "/" + name + ".ini"));
    QVERIFY(!panel.module.modify_selfmaterial(self + "/Silk.ini", self + "/" + name));

    QCOMPARE(panel.users(), QStringList({"Ann", "Guest"}));
    QCOMPARE(entries(panel.home.file("Config/TechLibrary")).join(','), techBefore);
    QCOMPARE(entries(self), QStringList{"Silk.ini"});
    QCOMPARE(entries(panel.main + "Ann").size(), 10);
    QVERIFY(!QFile::exists("/tmp/x.ini"));
}

void TestParamMge::deleteFileCommandOnRootsDoesNothing_data()
{
    QTest::addColumn<QString>("path");
    QTest::newRow("user path from an empty name") << "Config/TechLibrary/MainMaterial/";
    QTest::newRow("library") << "Config/TechLibrary/";
    QTest::newRow("config") << "Config";
    QTest::newRow("home") << "";
}

void TestParamMge::deleteFileCommandOnRootsDoesNothing()
{
    QFETCH(QString, path);
    Panel panel;
    QSignalSpy shown(&panel.module, &ParamMge::qml_show_UserInformation);
    BaseModule::deliver("param_mge", "Qml##delete_file##" + panel.home.file(path));
    QCOMPARE(shown.count(), 0);
    QCOMPARE(panel.users(), QStringList{"Guest"});
    QVERIFY(!panel.module._clearDir(panel.home.file(path)));
    QCOMPARE(panel.users(), QStringList{"Guest"});

    BaseModule::deliver("param_mge", "Qml##delete_file##" + panel.main + "Guest");
    QCOMPARE(shown.count(), 1);
    QVERIFY(panel.users().isEmpty());
}

void TestParamMge::questionBoxes()
{
    Panel panel;
    QList<QmlTool::BoxRequest> asked;
    int answer = 0;
    QmlTool::set_modal_box_answerer([&](const QmlTool::BoxRequest &r) {
        asked << r;
        return answer;
    });
    panel.module.add_new_user("Ann", "1");
    QCOMPARE(panel.module.delete_user("Ann"), 0);
    QCOMPARE(panel.users(), QStringList({"Ann", "Guest"}));
    answer = 1;
    QCOMPARE(panel.module.delete_user("Ann"), 1);
    QCOMPARE(panel.users(), QStringList{"Guest"});
    QCOMPARE(asked.last().title, QString("删除用户"));
    QCOMPARE(asked.last().agree, QString("确认"));

    QCOMPARE(panel.module.change_language(2), 1);
    QCOMPARE(asked.last().title, QString("切换语言"));
    QVERIFY(panel.board.actions.contains("echo 0 > /sys/class/gpio/gpio362/value"));

    panel.module.show_soft_version();
    QCOMPARE(asked.last().kind, QmlTool::InfoBox);
    QCOMPARE(asked.last().title, QString("software_version"));
    QCOMPARE(asked.last().info, QString("R4_V1.02.011"));

    // The screen command is the confirmed form: it only signals.
    QSignalSpy language(&panel.module, &ParamMge::qml_change_language);
    const int boxesBefore = asked.size();
    BaseModule::deliver("param_mge", "Qml##change_language##3");
    BaseModule::deliver("param_mge", "Qml##change_language");
    QCOMPARE(language.count(), 1);
    QCOMPARE(language.at(0).at(0).toInt(), 3);
    QCOMPARE(asked.size(), boxesBefore);
}

void TestParamMge::signalsAndSendPara()
{
    Panel panel;
    QSignalSpy fresh(QmlSignal::get_instance(), &QmlSignal::qml_fresh_parameter);
    QSignalSpy camera(QmlSignal::get_instance(), &QmlSignal::updata_camera_visible);
    BaseModule::deliver("param_mge", "Qml##fresh_parameter");
    panel.module.refresh_para();
    panel.module.updateCameraVisible(true);
    QCOMPARE(fresh.count(), 2);
    QCOMPARE(camera.count(), 1);

    Recorder other("other");
    panel.module.set_cur_module("other");
    panel.module.send_para("m_nSomething", 2.5);
    QCOMPARE(panel.para("m_nSomething"), QString("2.5"));
    // No module of that name: nothing is written.
    panel.module.set_cur_module("nobody");
    panel.module.send_para("m_nOther", 1);
    QCOMPARE(panel.para("m_nOther"), QString("<unset>"));
}

void TestParamMge::reloadParaPack_data()
{
    QTest::addColumn<QString>("machType");
    QTest::addColumn<QString>("kt420Material"); // made in KT420/ when not empty
    QTest::addColumn<QString>("pack");
    QTest::addColumn<QString>("material");
    QTest::newRow("heat press") << "4"
                                << ""
                                << "MainMaterial"
                                << "before";
    QTest::newRow("laser, empty KT420") << "0"
                                        << ""
                                        << "KT420"
                                        << "before";
    QTest::newRow("laser, a material") << "2"
                                       << "ABC 1 mm"
                                       << "KT420"
                                       << "ABC 1 mm";
    QTest::newRow("glue") << "3"
                          << ""
                          << "VAZiza1080"
                          << "Cloth";
    QTest::newRow("unknown kind") << "7"
                                  << ""
                                  << "pack-before"
                                  << "before";
}

void TestParamMge::reloadParaPack()
{
    QFETCH(QString, machType);
    QFETCH(QString, kt420Material);
    QFETCH(QString, pack);
    QFETCH(QString, material);
    Panel panel;
    if (!kt420Material.isEmpty())
        QDir().mkpath(panel.home.file("Config/TechLibrary/KT420/" + kt420Material));
    panel.module.set_local_para("m_strPackName", "pack-before");
    panel.module.set_local_para("m_strMaterialName", "before");
    panel.module.set_ini_para("m_nMachType", machType);
    BaseModule::deliver("param_mge", "reload_para_pack");
    QCOMPARE(panel.module.get_local_para("m_strPackName"), pack);
    QCOMPARE(panel.module.get_local_para("m_strMaterialName"), material);
    if (pack == "MainMaterial")
        QCOMPARE(names(panel.module.get_all_material_dirs()), QStringList{"Guest"});
}

void TestParamMge::destDirsForTechNames_data()
{
    QTest::addColumn<QString>("machType");
    QTest::addColumn<QString>("glueType");
    QTest::addColumn<QString>("layerSelf");
    QTest::addColumn<QStringList>("expected");
    QTest::newRow("glue line kind") << "3"
                                    << "2"
                                    << "0" << QStringList{"Line"};
    QTest::newRow("glue, no filter") << "3"
                                     << "6"
                                     << "0" << QStringList({"Line", "Line_1", "Point"});
    QTest::newRow("glue default kind") << "3"
                                       << ""
                                       << "0" << QStringList{"Point"};
    QTest::newRow("laser, no filter") << "0"
                                      << "2"
                                      << "0" << QStringList({"Line", "Line_1", "Point"});
    QTest::newRow("layer folders") << "0"
                                   << ""
                                   << "1" << QStringList({"Line", "Point"});
}

void TestParamMge::destDirsForTechNames()
{
    QFETCH(QString, machType);
    QFETCH(QString, glueType);
    QFETCH(QString, layerSelf);
    QFETCH(QStringList, expected);
    Panel panel;
    const QString material = panel.home.file("Config/TechLibrary/VAZiza1080/Cloth/");
    QDir().mkpath(material + "Line");
    QDir().mkpath(material + "Point");
    for (const char *f : {"Line.ini", "Line_1.ini", "Point.ini", "notes.txt"})
        write(material + f);
    panel.module.set_local_para("m_strPackName", "VAZiza1080");
    // No material chosen yet: the first material folder is taken and remembered.
    panel.module.set_local_para("m_strMaterialName", "");
    panel.module.set_ini_para("m_nMachType", machType);
    if (!glueType.isEmpty())
        panel.module.set_ini_para("m_nGlueMachType", glueType);
    panel.module.set_ini_para("m_nUseLayerSelfParam", layerSelf);
    QCOMPARE(names(panel.module.get_dest_dirs("m_strTechName")), expected);
    QCOMPARE(panel.module.get_local_para("m_strMaterialName"), QString("Cloth"));
    QCOMPARE(names(panel.module.get_dest_dirs("m_strMaterialName")), QStringList{"Cloth"});
    QVERIFY(panel.module.get_dest_dirs("other").isEmpty());
}

void TestParamMge::paraSelector_data()
{
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("machType");
    QTest::addColumn<int>("count");
    QTest::addColumn<QString>("last");
    QTest::newRow("software") << "0.软件参数"
                              << "0" << 4 << "3.系统信息";
    QTest::newRow("user") << "1.用户参数"
                          << "0" << 3 << "2.加工参数";
    QTest::newRow("factory") << "2.厂家参数"
                             << "0" << 3 << "2.相机参数";
    QTest::newRow("factory, kind 2") << "2.厂家参数"
                                     << "2" << 4 << "3.通信参数";
    QTest::newRow("tests, first character only") << "3xyz"
                                                 << "0" << 1 << "0.测试";
    QTest::newRow("other") << "9.x"
                           << "0" << 0 << "";
    QTest::newRow("empty") << ""
                           << "0" << 0 << "";
}

void TestParamMge::paraSelector()
{
    QFETCH(QString, title);
    QFETCH(QString, machType);
    QFETCH(int, count);
    QFETCH(QString, last);
    Panel panel;
    panel.module.set_ini_para("m_nMachType", machType);
    const QStringList pages = names(panel.module.get_para_selector(title));
    QCOMPARE(pages.size(), count);
    if (count)
        QCOMPARE(pages.last(), last);
}

void TestParamMge::productionData()
{
    Panel panel;
    const QString file = panel.home.file("Config/TechLibrary/Production/ProductionCount.ini");
    QVERIFY(panel.module.get_production_data().isEmpty());
    QVERIFY(QFile::exists(file));
    write(file, "[General]\n2026-01-02=7\n2025-12-31=3\n[Other]\nk=v\n");
    QCOMPARE(names(panel.module.get_production_data()),
             QStringList({"2025-12-31 3", "2026-01-02 7", "Other/k v"}));
    QVERIFY(panel.board.actions.filter(QRegularExpression("^chmod 777 .*TechLibrary -R$")).size() ==
            2);
}

void TestParamMge::ssid_data()
{
    QTest::addColumn<QString>("script"); // the stub nmcli, none when empty
    QTest::addColumn<QString>("expected");
    QTest::newRow("connected")
        << "echo 'connection.id:  mywifi'; echo '802-11-wireless.ssid:  Workshop'; "
           "echo '802-11-wireless.ssid:  Second'"
        << "Workshop";
    QTest::newRow("no such profile") << "echo 'Error: no such connection' >&2; exit 10"
                                     << "";
    QTest::newRow("hangs") << "exec sleep 6"
                           << "";
    QTest::newRow("no nmcli") << ""
                              << "";
}

void TestParamMge::ssid()
{
    QFETCH(QString, script);
    QFETCH(QString, expected);
    Panel panel;
    // A PATH holding only the shell tools the query pipes through, and the stub.
    QTemporaryDir bin;
    for (const char *tool : {"sh", "grep", "head", "awk", "sleep"})
        QVERIFY(QFile::link(QStandardPaths::findExecutable(tool), bin.path() + '/' + tool));
    if (!script.isEmpty()) {
        write(bin.path() + "/nmcli", ("#!/bin/sh\n" + script + "\n").toUtf8());
        QFile::setPermissions(bin.path() + "/nmcli", QFile::ReadOwner | QFile::ExeOwner);
    }
    const QByteArray path = qgetenv("PATH");
    qputenv("PATH", bin.path().toLocal8Bit());
    QElapsedTimer timer;
    timer.start();
    const QString ssid = panel.module.get_ssid();
    const qint64 elapsed = timer.elapsed();
    qputenv("PATH", path);
    QCOMPARE(ssid, expected);
    QVERIFY2(elapsed < 4500, qPrintable(QString::number(elapsed)));
}

QTEST_MAIN(TestParamMge)
#include "tst_parammge.moc"
