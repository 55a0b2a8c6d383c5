#include "commandstring.h"

#include <QtTest>

class TestCommandString : public QObject
{
    Q_OBJECT
private slots:
    void split_data();
    void split();
    void dispatch_data();
    void dispatch();
    void shortCommandIsSafe();
};

void TestCommandString::split_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QStringList>("fields");
    QTest::addColumn<QString>("remainder");

    QTest::newRow("verb and argument")
        << "Qml##SetBright##100" << QStringList{"Qml", "SetBright", "100"} << "SetBright##100";
    QTest::newRow("empty field kept") << "Qml####5" << QStringList{"Qml", "", "5"} << "##5";
    QTest::newRow("trailing separator")
        << "Qml##add_new_user##" << QStringList{"Qml", "add_new_user", ""} << "add_new_user##";
    QTest::newRow("single # does not separate")
        << "Qml##SetBright#100" << QStringList{"Qml", "SetBright#100"} << "SetBright#100";
    QTest::newRow("tag alone") << "Qml" << QStringList{"Qml"} << "";
    QTest::newRow("empty command") << "" << QStringList{""} << "";
    QTest::newRow("three # leave one") << "a###b" << QStringList{"a", "#b"} << "#b";
}

void TestCommandString::split()
{
    QFETCH(QString, text);
    QFETCH(QStringList, fields);
    QFETCH(QString, remainder);
    const Command command(text);
    QCOMPARE(command.fields(), fields);
    QCOMPARE(command.remainder(), remainder);
}

void TestCommandString::dispatch_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("taken"); // which entry handled it, "" for none
    QTest::addColumn<QString>("verb");  // the sub-handler's verb

    QTest::newRow("screen command") << "Qml##SetBright##100"
                                    << "Qml"
                                    << "SetBright";
    QTest::newRow("lower-case tag ignored") << "qml##SetBright##100"
                                            << ""
                                            << "";
    QTest::newRow("tag alone gives empty remainder") << "Qml"
                                                     << "Qml"
                                                     << "";
    QTest::newRow("unknown tag ignored") << "Nobody##x"
                                         << ""
                                         << "";
    QTest::newRow("first equal entry wins") << "dup##x"
                                            << "dup1"
                                            << "x";
    QTest::newRow("verb tag") << "reload_para_pack"
                              << "reload_para_pack"
                              << "";
}

void TestCommandString::dispatch()
{
    QFETCH(QString, text);
    QFETCH(QString, taken);
    QFETCH(QString, verb);

    QString who;
    QString subVerb;
    const auto sub = [&](const QString &name) {
        return [&, name](const Command &c) {
            who = name;
            subVerb = Command(c.remainder()).tag();
        };
    };
    const CommandTable table{{"Qml", sub("Qml")},
                             {"dup", sub("dup1")},
                             {"dup", sub("dup2")},
                             {"reload_para_pack", sub("reload_para_pack")}};
    const bool handled = table.dispatch(text);
    QCOMPARE(handled, !taken.isEmpty());
    QCOMPARE(who, taken);
    QCOMPARE(subVerb, verb);
}

void TestCommandString::shortCommandIsSafe()
{
    const Command command("Qml##SetBright");
    QCOMPARE(command.count(), 2);
    QVERIFY(!command.has(3));
    QCOMPARE(command.at(2), QString());
    QCOMPARE(command.toInt(5), 0);
    QCOMPARE(command.at(-1), QString());
    QCOMPARE(Command("Qml##set_time##abc").toDouble(2), 0.0);
}

QTEST_GUILESS_MAIN(TestCommandString)
#include "tst_commandstring.moc"
