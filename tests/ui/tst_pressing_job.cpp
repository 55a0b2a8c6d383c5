#include "inifile.h"
#include "panelfixture.h"

#include <QQuickItem>
#include <QtTest>

// The pressing job as an operator does it: taps on the real window, the real modules on a
// temporary home, and a scripted controller on the serial line. Each case checks what the press
// received, what was stored, and what the screen shows.
class TestPressingJob : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanupTestCase();

    void startAndStop();
    void actualTemperature_data();
    void actualTemperature();
    void destinationKeys_data();
    void destinationKeys();
    void timeKeys_data();
    void timeKeys();
    void segments();
    void counter_data();
    void counter();
    void materialChoice_data();
    void materialChoice();
    void temperaturePage_data();
    void temperaturePage();
    void temperaturePageUnitAndEmptyField();
    void timerPage_data();
    void timerPage();
    void renameSelfMaterial();

private:
    // Taps the keys of a set-point page ("25" taps 2 then 5).
    void typeDigits(const QString &digits);
    bool waitFor(const std::function<bool()> &condition, int ms = 5000)
    {
        return QTest::qWaitFor(condition, ms);
    }
    bool waitWrite(const QString &body, int ms = 5000)
    {
        return waitFor([&] { return panel->controller().countWrites(body) > 0; }, ms);
    }

    std::unique_ptr<PanelFixture> panel;
};

// One panel serves all cases, as one panel serves its operator all day; each case starts from
// a fresh library and the work screen at rest.
void TestPressingJob::initTestCase()
{
    panel = std::make_unique<PanelFixture>();
    QVERIFY(panel->start());
}

void TestPressingJob::init()
{
    QVERIFY(panel->reset());
}

void TestPressingJob::cleanupTestCase()
{
    panel.reset();
}

void TestPressingJob::typeDigits(const QString &digits)
{
    for (const QChar c : digits)
        QVERIFY2(panel->click("key_" + QString(c)), qPrintable(QString(c)));
}

void TestPressingJob::startAndStop()
{
    QVERIFY(panel->click("workStartButton"));
    QVERIFY(waitWrite("M190"));
    QVERIFY(panel->exists("workStopButton"));
    QVERIFY(!panel->exists("workStartButton"));

    // The controller reports the running cycle: everything but stop is locked.
    panel->controller().setRegister(110, "1");
    panel->controller().setRegister(103, "42");
    QTRY_VERIFY(!panel->item("workAppButton")->isEnabled());
    QTRY_COMPARE(panel->text("workCountdown"), QString("42S"));
    for (const char *locked : {"workTempPlus", "workTempMinus", "workTimePlus", "workTimePanel",
                               "workTempPanel", "workCounterBox", "workMaterialBox"})
        QVERIFY2(!panel->item(locked)->isEnabled(), locked);
    const QString before = panel->para("m_nDestTemperature");
    panel->click("workTempPlus");
    QCOMPARE(panel->para("m_nDestTemperature"), before);

    QVERIFY(panel->click("workStopButton"));
    QVERIFY(waitWrite("M200"));
    QVERIFY(panel->exists("workStartButton"));
    panel->controller().setRegister(110, "0");
    QTRY_VERIFY(panel->item("workTempPlus")->isEnabled());
    QTRY_VERIFY(panel->item("workAppButton")->isEnabled());
    QCOMPARE(panel->controller().countWrites("M190"), 1);
    QCOMPARE(panel->controller().countWrites("M200"), 1);
    QVERIFY(panel->controller().badFrames().isEmpty());
}

void TestPressingJob::actualTemperature_data()
{
    QTest::addColumn<int>("unit");
    QTest::addColumn<bool>("holding");
    QTest::addColumn<QStringList>("readings");
    QTest::addColumn<QStringList>("shown");
    QTest::addColumn<int>("beeps");
    // Destination 180 °C, heating.
    QTest::newRow("°C reach once, hold, leave")
        << 0 << false << QStringList{"1789", "1801", "1812", "1862"}
        << QStringList{"178", "180", "180", "186"} << 1;
    QTest::newRow("°C holding window below")
        << 0 << true << QStringList{"1705", "1699"} << QStringList{"180", "169"} << 0;
    QTest::newRow("°F reach once, hold, leave")
        << 1 << false << QStringList{"1789", "1801", "1812", "1872"}
        << QStringList{"354", "356", "356", "369"} << 1;
}

void TestPressingJob::actualTemperature()
{
    QFETCH(int, unit);
    QFETCH(bool, holding);
    QFETCH(QStringList, readings);
    QFETCH(QStringList, shown);
    QFETCH(int, beeps);

    panel->setMaterial("m_nDestTemperature", "180");
    panel->setPara("m_nCurTemeratureUnit", QString::number(unit));
    panel->setPara("m_nFirstOnTemper", holding ? "1" : "0");
    panel->setPara("m_nNeedRunBee", "1");
    panel->setPara("m_nTempUp", "1");
    panel->showWorkScreen();
    QCOMPARE(panel->text("workDestTemp"), unit == 0 ? QString("180℃") : QString("356℉"));
    QCOMPARE(panel->text("workActualUnit"), unit == 0 ? QString("℃") : QString("℉"));

    for (int i = 0; i < readings.size(); ++i) {
        panel->controller().setRegister(99, readings.at(i));
        QVERIFY(panel->waitStatusReplies(2));
        QCOMPARE(panel->text("workActualTemp"), shown.at(i));
    }
    QVERIFY(panel->waitStatusReplies(2)); // a beep batch would have gone out by now
    QCOMPARE(panel->controller().countWrites("$109=1"), beeps);
    QCOMPARE(panel->para("m_nFirstOnTemper"), QString(beeps || holding ? "1" : "0"));
    QCOMPARE(panel->para("m_nNeedRunBee"), QString(beeps ? "0" : "1"));
}

void TestPressingJob::destinationKeys_data()
{
    QTest::addColumn<int>("unit");
    QTest::addColumn<QString>("destination");
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<QString>("stored");
    QTest::addColumn<QString>("wire");
    QTest::newRow("°C + at 220") << 0 << "220"
                                 << "workTempPlus"
                                 << "220℃"
                                 << "220"
                                 << "$100=2200";
    QTest::newRow("°C - at 0") << 0 << "0"
                               << "workTempMinus"
                               << "0℃"
                               << "0"
                               << "$100=0";
    QTest::newRow("°C + at 180") << 0 << "180"
                                 << "workTempPlus"
                                 << "181℃"
                                 << "181"
                                 << "$100=1810";
    QTest::newRow("°F + at 428") << 1 << "220"
                                 << "workTempPlus"
                                 << "428℉"
                                 << "220.0"
                                 << "$100=2200";
    QTest::newRow("°F + to 212") << 1 << "99.4"
                                 << "workTempPlus"
                                 << "212℉"
                                 << "100.0"
                                 << "$100=1000";
    QTest::newRow("°F - at 32") << 1 << "0"
                                << "workTempMinus"
                                << "32℉"
                                << "0.0"
                                << "$100=0";
}

void TestPressingJob::destinationKeys()
{
    QFETCH(int, unit);
    QFETCH(QString, destination);
    QFETCH(QString, key);
    QFETCH(QString, shown);
    QFETCH(QString, stored);
    QFETCH(QString, wire);

    panel->setMaterial("m_nDestTemperature", destination);
    panel->setPara("m_nCurTemeratureUnit", QString::number(unit));
    panel->setPara("m_nFirstOnTemper", "1");
    panel->showWorkScreen();
    QVERIFY(panel->click(key));
    QCOMPARE(panel->text("workDestTemp"), shown);
    QCOMPARE(panel->material("m_nDestTemperature"), stored);
    QCOMPARE(panel->para("m_nDestTemperature"), stored);
    QCOMPARE(panel->para("m_nFirstOnTemper"), QString("0")); // follows the platen again
    QVERIFY2(waitWrite(wire), qPrintable(panel->controller().writes().join(' ')));
}

void TestPressingJob::timeKeys_data()
{
    QTest::addColumn<QString>("time");
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("expected");
    QTest::newRow("- at 1") << "1"
                            << "workTimeMinus"
                            << "1";
    QTest::newRow("+ at 999") << "999"
                              << "workTimePlus"
                              << "999";
    QTest::newRow("+ at 80") << "80"
                             << "workTimePlus"
                             << "81";
    QTest::newRow("- at 80") << "80"
                             << "workTimeMinus"
                             << "79";
}

void TestPressingJob::timeKeys()
{
    QFETCH(QString, time);
    QFETCH(QString, key);
    QFETCH(QString, expected);

    panel->setPara("m_nUseSeparateCounter", "0");
    panel->setMaterial("m_nDestTimer", time);
    panel->setMaterial("m_nDestTimer1", time);
    panel->showWorkScreen();
    QCOMPARE(panel->text("workCountdown"), time + "S");
    QVERIFY(panel->click(key));
    QCOMPARE(panel->text("workCountdown"), expected + "S");
    QCOMPARE(panel->material("m_nDestTimer"), expected);
    QCOMPARE(panel->material("m_nDestTimer1"), expected);
    QCOMPARE(panel->para("m_nDestTimer"), expected);
    QVERIFY(waitWrite("$102=" + expected));
}

void TestPressingJob::segments()
{
    panel->setPara("m_nUseSeparateCounter", "1");
    panel->setMaterial("m_nSegmentCount", "2");
    panel->setMaterial("m_nDestTimer1", "10");
    panel->setMaterial("m_nDestTimer2", "20");
    panel->showWorkScreen();
    QVERIFY(panel->item("workSegmentMode")->property("checked").toBool());

    // Switching the mode off and on: the single time, then the first segment's, each sent.
    panel->setMaterial("m_nDestTimer", "45");
    QVERIFY(panel->click("workSegmentMode"));
    QCOMPARE(panel->para("m_nUseSeparateCounter"), QString("0"));
    QCOMPARE(panel->text("workCountdown"), QString("45S"));
    QVERIFY(!panel->exists("workSegment0"));
    QVERIFY(waitWrite("$102=45"));
    QVERIFY(panel->click("workSegmentMode"));
    QCOMPARE(panel->para("m_nUseSeparateCounter"), QString("1"));
    QCOMPARE(panel->text("workCountdown"), QString("10S"));
    QCOMPARE(panel->material("m_nCurCountIndex"), QString("0"));
    QVERIFY(waitWrite("$102=10"));
    QVERIFY(panel->exists("workSegment1"));
    QVERIFY(!panel->exists("workSegment2"));

    // With two segments a long press offers no deletion.
    QVERIFY(panel->press("workSegment0"));
    QTest::qWait(1300); // longer than the long-press time
    QVERIFY(panel->release("workSegment0"));
    QVERIFY(!panel->exists("showMessageBoxQuestion"));

    // Adding copies the last segment's time; at four segments "+" goes.
    QVERIFY(panel->exists("workSegmentAdd"));
    QVERIFY(panel->click("workSegmentAdd"));
    QTRY_VERIFY(panel->exists("workSegment2"));
    QVERIFY(panel->click("workSegmentAdd"));
    QTRY_VERIFY(panel->exists("workSegment3"));
    QVERIFY(!panel->exists("workSegmentAdd"));
    QCOMPARE(panel->material("m_nSegmentCount"), QString("4"));
    QCOMPARE(panel->material("m_nDestTimer3"), QString("20"));
    QCOMPARE(panel->material("m_nDestTimer4"), QString("20"));
    QCOMPARE(panel->para("m_nSegmentCount"), QString("4"));
    QCOMPARE(panel->material("m_nCurCountIndex"), QString("3"));

    // Four distinct times; select segment 3, then delete segment 2.
    panel->setMaterial("m_nDestTimer3", "30");
    panel->setMaterial("m_nDestTimer4", "40");
    panel->showWorkScreen();
    panel->controller().clearWrites();
    QVERIFY(panel->click("workSegment2"));
    QTRY_COMPARE(panel->text("workCountdown"), QString("30S"));
    QCOMPARE(panel->material("m_nCurCountIndex"), QString("2"));
    QVERIFY(waitWrite("$102=30"));

    QVERIFY(panel->press("workSegment1"));
    QTRY_VERIFY(panel->exists("showMessageBoxQuestion"));
    QVERIFY(panel->release("workSegment1"));
    QCOMPARE(panel->para("m_strMessageCmd"), QString("Qml##delete_counter##1"));
    QCOMPARE(panel->para("m_strMessageCmdTo"), QString("VevOdaraMotion"));
    // Nothing changes before the operator confirms.
    QCOMPARE(panel->material("m_nSegmentCount"), QString("4"));
    panel->controller().clearWrites();
    QVERIFY(panel->click("boxConfirm"));
    QTRY_COMPARE(panel->material("m_nSegmentCount"), QString("3"));
    QCOMPARE(panel->material("m_nDestTimer1"), QString("10"));
    QCOMPARE(panel->material("m_nDestTimer2"), QString("30"));
    QCOMPARE(panel->material("m_nDestTimer3"), QString("40"));
    QCOMPARE(panel->material("m_nDestTimer4"), QString("0"));
    QCOMPARE(panel->para("m_nDestTimer4"), QString("0"));
    QCOMPARE(panel->para("m_nSegmentCount"), QString("3"));
    QCOMPARE(panel->material("m_nCurCountIndex"), QString("1")); // old segment 3 stays selected
    QTRY_VERIFY(!panel->exists("workSegment3"));
    QCOMPARE(panel->text("workCountdown"), QString("30S"));
    QVERIFY(waitWrite("$102=30"));
    QVERIFY(panel->exists("workSegmentAdd"));
}

void TestPressingJob::counter_data()
{
    QTest::addColumn<QString>("count");
    QTest::addColumn<QString>("shown");
    QTest::newRow("150000") << "150000"
                            << "50001";
    QTest::newRow("100000") << "100000"
                            << "1";
    QTest::newRow("99999") << "99999"
                           << "99999";
    QTest::newRow("7") << "7"
                       << "7";
}

void TestPressingJob::counter()
{
    QFETCH(QString, count);
    QFETCH(QString, shown);
    panel->controller().setRegister(122, count);
    QTRY_COMPARE(panel->text("workCounter"), shown);
}

void TestPressingJob::materialChoice_data()
{
    QTest::addColumn<bool>("otherUser");
    QTest::addColumn<int>("tile");
    QTest::addColumn<bool>("sends");
    QTest::addColumn<QString>("caption");
    QTest::newRow("current material again") << false << 0 << false << "主界面";
    QTest::newRow("another material") << false << 3 << true << "HTV";
    QTest::newRow("same slot, another user") << true << 0 << true << "主界面";
}

void TestPressingJob::materialChoice()
{
    QFETCH(bool, otherUser);
    QFETCH(int, tile);
    QFETCH(bool, sends);
    QFETCH(QString, caption);

    // Another user with the same slots but other presets.
    const QString library = panel->home().configDir() + "TechLibrary/MainMaterial/";
    QVERIFY(TestHome::copyTree(library + "Guest", library + "Alice"));
    for (int i = 0; i < 8; ++i) {
        Ini::write(library + QString("Alice/%1.ini").arg(i), "m_nDestTemperature", "150");
        Ini::write(library + QString("Alice/%1.ini").arg(i), "m_nDestTimer", "25");
    }
    Ini::write(library + "Guest/3.ini", "m_nDestTemperature", "165");
    Ini::write(library + "Guest/3.ini", "m_nDestTimer", "15");

    panel->setPara("m_nTabBarIndex", "0");
    panel->setPara("m_nRunSide", "1");
    panel->setPara("m_nFirstOnTemper", "1"); // the old destination had been reached
    QVERIFY(panel->click("workAppButton"));
    QTRY_VERIFY(panel->exists("materialTile0"));
    QCOMPARE(panel->para("m_lastUserName"), QString("Guest"));
    if (otherUser)
        panel->setPara("m_curUserName", "Alice"); // as the login page does
    panel->controller().clearWrites();

    QVERIFY(panel->click(QString("materialTile%1").arg(tile)));
    QTRY_VERIFY(panel->exists("workDestTemp"));
    QVERIFY(panel->waitStatusReplies(3));

    const QString temperature = otherUser ? "150" : (tile == 3 ? "165" : "100");
    QCOMPARE(panel->para("m_strMaterialSelNameIndex"), QString::number(tile));
    QCOMPARE(panel->para("m_strMaterialSelName"), caption);
    QCOMPARE(panel->para("m_nDestTemperature"), temperature);
    QCOMPARE(panel->para("m_nTabBarIndex"), QString("0"));
    QCOMPARE(panel->text("workMaterialName"), caption);
    QCOMPARE(panel->text("workDestTemp"), temperature + "℃");
    const QStringList wire = panel->controller().writes();
    // set_temperature writes destination and offset; the work screen then sends the preset.
    QCOMPARE(wire.contains("$106=0"), sends);
    QCOMPARE(wire.contains("$100=" + temperature + "0"), sends);
    QCOMPARE(panel->para("m_nRunSide"), QString(sends ? "0" : "1"));
    // A new material is followed from the platen's temperature, not held at its destination.
    QCOMPARE(panel->para("m_nFirstOnTemper"), QString(sends ? "0" : "1"));
    QCOMPARE(panel->para("m_nNeedSetPara"), QString("0"));
}

void TestPressingJob::temperaturePage_data()
{
    QTest::addColumn<int>("unit");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("stored");
    QTest::addColumn<QString>("wire");
    QTest::addColumn<QString>("shown");
    QTest::newRow("250 °C") << 0 << "250"
                            << "220"
                            << "$100=2200"
                            << "220℃";
    QTest::newRow("10 °F") << 1 << "10"
                           << "0.0"
                           << "$100=0"
                           << "32℉";
    QTest::newRow("356 °F") << 1 << "356"
                            << "180.0"
                            << "$100=1800"
                            << "356℉";
    QTest::newRow("95 °C") << 0 << "95"
                           << "95"
                           << "$100=950"
                           << "95℃";
}

void TestPressingJob::temperaturePage()
{
    QFETCH(int, unit);
    QFETCH(QString, typed);
    QFETCH(QString, stored);
    QFETCH(QString, wire);
    QFETCH(QString, shown);

    panel->setPara("m_nCurTemeratureUnit", QString::number(unit));
    panel->setMaterial("m_nDestTemperature", "150");
    panel->showWorkScreen();
    QVERIFY(panel->click("workTempStrip"));
    QTRY_VERIFY(panel->exists("setPointField"));
    QCOMPARE(panel->text("setPointField"), unit == 0 ? QString("150") : QString("302"));
    typeDigits(typed); // the first digit replaces the whole value
    QCOMPARE(panel->text("setPointField"), typed);
    QVERIFY(panel->click("key_ok"));
    QTRY_VERIFY(panel->exists("workDestTemp"));
    QCOMPARE(panel->material("m_nDestTemperature"), stored);
    QCOMPARE(panel->para("m_nDestTemperature"), stored);
    QCOMPARE(panel->text("workDestTemp"), shown);
    QVERIFY(waitWrite(wire));
}

void TestPressingJob::temperaturePageUnitAndEmptyField()
{
    panel->setPara("m_nCurTemeratureUnit", "0");
    panel->setMaterial("m_nDestTemperature", "180");
    panel->showWorkScreen();
    QVERIFY(panel->click("workTempPanel"));
    QTRY_VERIFY(panel->exists("setPointField"));
    QCOMPARE(panel->text("setPointTitle"), QString("设置温度℃"));

    QVERIFY(panel->click("key_unit"));
    QCOMPARE(panel->text("setPointField"), QString("356"));
    QCOMPARE(panel->text("setPointTitle"), QString("设置温度℉"));
    QCOMPARE(panel->para("m_nCurTemeratureUnit"), QString("1"));
    QVERIFY(panel->click("key_unit"));
    QCOMPARE(panel->text("setPointField"), QString("180"));
    QCOMPARE(panel->para("m_nCurTemeratureUnit"), QString("0"));

    // + and - clamp; delete takes the last digit.
    QVERIFY(panel->click("key_plus"));
    QCOMPARE(panel->text("setPointField"), QString("181"));
    QVERIFY(panel->click("key_delete"));
    QCOMPARE(panel->text("setPointField"), QString("18"));

    QVERIFY(panel->click("key_C"));
    QCOMPARE(panel->text("setPointField"), QString(""));
    QVERIFY(panel->click("key_ok"));
    QTRY_VERIFY(panel->exists("showMessageBox"));
    QCOMPARE(panel->para("m_strMessageInfo"), QString("值不能为空"));
    QVERIFY(panel->exists("setPointField"));
    QCOMPARE(panel->material("m_nDestTemperature"), QString("180"));
    QVERIFY(panel->click("boxConfirm"));
    QTRY_VERIFY(!panel->exists("showMessageBox"));

    // Back stores nothing.
    typeDigits("99");
    QVERIFY(panel->click("key_back"));
    QTRY_VERIFY(panel->exists("workDestTemp"));
    QCOMPARE(panel->material("m_nDestTemperature"), QString("180"));
    QVERIFY(!panel->controller().writes().contains("$106=0"));
}

void TestPressingJob::timerPage_data()
{
    QTest::addColumn<bool>("separate");
    QTest::addColumn<int>("segment");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("field");
    QTest::addColumn<QStringList>("keys");
    QTest::addColumn<QString>("wire");
    QTest::newRow("single, 0 shows 1")
        << false << 0 << "0"
        << "1" << QStringList{"m_nDestTimer", "m_nDestTimer1"} << "$102=1";
    QTest::newRow("single, 1000 shows 999")
        << false << 0 << "1000"
        << "999" << QStringList{"m_nDestTimer", "m_nDestTimer1"} << "$102=999";
    QTest::newRow("segment 3 of 4") << true << 2 << "25"
                                    << "25" << QStringList{"m_nDestTimer3"} << "$102=25";
}

void TestPressingJob::timerPage()
{
    QFETCH(bool, separate);
    QFETCH(int, segment);
    QFETCH(QString, typed);
    QFETCH(QString, field);
    QFETCH(QStringList, keys);
    QFETCH(QString, wire);

    panel->setPara("m_nUseSeparateCounter", separate ? "1" : "0");
    panel->setMaterial("m_nSegmentCount", "4");
    for (int k = 1; k <= 4; ++k)
        panel->setMaterial(QString("m_nDestTimer%1").arg(k), QString::number(k * 10));
    panel->setPara("m_nNeedSetPara", "1");
    panel->showWorkScreen();
    if (separate) {
        QVERIFY(panel->click(QString("workSegment%1").arg(segment)));
        QTRY_COMPARE(panel->material("m_nCurCountIndex"), QString::number(segment));
    }
    QVERIFY(panel->click("workTimePanel"));
    QTRY_VERIFY(panel->exists("setPointField"));
    QCOMPARE(panel->para("m_nSideTimerSet"), QString::number(segment));
    QCOMPARE(panel->text("setPointField"), QString::number((segment + 1) * 10));
    typeDigits(typed);
    QCOMPARE(panel->text("setPointField"), field);
    panel->controller().clearWrites();
    panel->setPara("m_nNeedSetPara", "1");
    QVERIFY(panel->click("key_ok"));
    QTRY_VERIFY(panel->exists("workDestTemp"));
    for (const QString &key : keys) {
        QCOMPARE(panel->material(key), field);
        QCOMPARE(panel->para(key), field);
    }
    QVERIFY(waitWrite(wire));
    QCOMPARE(panel->para("m_nNeedSetPara"), QString("0"));
}

void TestPressingJob::renameSelfMaterial()
{
    const QString folder =
        panel->home().configDir() + "TechLibrary/MainMaterial/Guest/SelfMaterial/";
    QVERIFY(QDir().mkpath(folder));
    QVERIFY(Ini::write(folder + "Foo.ini", "m_nDestTemperature", "175"));
    panel->setPara("m_strMaterialSelNameIndex", "9");
    panel->setPara("m_strMaterialSelName", "Foo");
    panel->showWorkScreen();
    QCOMPARE(panel->text("workMaterialName"), QString("Foo"));
    QCOMPARE(panel->text("workDestTemp"), QString("175℃"));

    QVERIFY(panel->click("workMaterialBox"));
    QTRY_VERIFY(panel->exists("keyboardField"));
    QCOMPARE(panel->text("keyboardField"), QString("Foo"));

    // The whole name is selected: delete empties the field, and an empty name is refused.
    QVERIFY(panel->click("textkey_#del"));
    QCOMPARE(panel->text("keyboardField"), QString(""));
    QVERIFY(panel->click("textkey_#ok"));
    QTRY_VERIFY(panel->exists("showMessageBox"));
    QCOMPARE(panel->para("m_strMessageInfo"), QString("材质名称不能为空"));
    QVERIFY(panel->exists("keyboardField"));
    QVERIFY(QFile::exists(folder + "Foo.ini"));
    QVERIFY(panel->click("boxConfirm"));
    QTRY_VERIFY(!panel->exists("showMessageBox"));

    for (const char *key : {"textkey_b", "textkey_a", "textkey_r"})
        QVERIFY(panel->click(key));
    QCOMPARE(panel->text("keyboardField"), QString("bar"));
    QVERIFY(panel->click("textkey_#ok"));
    QTRY_VERIFY(panel->exists("workDestTemp"));
    QVERIFY(!QFile::exists(folder + "Foo.ini"));
    QCOMPARE(Ini::read(folder + "bar.ini", "m_nDestTemperature"), QString("175"));
    QCOMPARE(panel->para("m_strMaterialSelName"), QString("bar"));
    QCOMPARE(panel->para("m_strMaterialSelNameIndex"), QString("9"));
    QCOMPARE(panel->text("workMaterialName"), QString("bar"));
}

QTEST_MAIN(TestPressingJob)
#include "tst_pressing_job.moc"
