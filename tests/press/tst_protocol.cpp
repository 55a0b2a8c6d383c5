#include "controllerprotocol.h"
#include "statusline.h"

#include <QtTest>

using namespace ControllerProtocol;

class TestProtocol : public QObject
{
    Q_OBJECT
private slots:
    void encodesBatch_data();
    void encodesBatch();
    void formatsReals_data();
    void formatsReals();
    void takesLastCompleteLine_data();
    void takesLastCompleteLine();
    void parsesStatusLine_data();
    void parsesStatusLine();
};

void TestProtocol::encodesBatch_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QStringList>("wire");
    QTest::newRow("register") << "$100=1800\n" << QStringList{"$100=1800*33\n"};
    QTest::newRow("zero") << "$122=0\n" << QStringList{"$122=0*24\n"};
    QTest::newRow("start") << "M190\n" << QStringList{"M190*117\n"};
    QTest::newRow("stop") << "M200\n" << QStringList{"M200*127\n"};
    QTest::newRow("white space removed") << " $102 = 80 \n" << QStringList{"$102=80*34\n"};
    QTest::newRow("blank lines skipped, order kept") << "$100=1800\n \t\n\nM190\n"
                                                     << QStringList{"$100=1800*33\n", "M190*117\n"};
    QTest::newRow("text after the last line feed is not a line") << "M190" << QStringList{};
    QTest::newRow("empty") << "" << QStringList{};
}

void TestProtocol::encodesBatch()
{
    QFETCH(QString, text);
    QFETCH(QStringList, wire);
    QCOMPARE(encodeBatch(text), wire);
}

void TestProtocol::formatsReals_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("text");
    QTest::newRow("whole") << 1800.0 << "1800";
    QTest::newRow("fraction") << 25.5 << "25.5";
    QTest::newRow("tenths of 180.5") << 180.5 * 10 << "1805";
    QTest::newRow("float noise") << 25.3 * 10 << "253";
    QTest::newRow("negative") << -12.0 << "-12";
}

void TestProtocol::formatsReals()
{
    QFETCH(double, value);
    QFETCH(QString, text);
    QCOMPARE(formatReal(value), text);
}

void TestProtocol::takesLastCompleteLine_data()
{
    QTest::addColumn<QString>("received");
    QTest::addColumn<bool>("taken");
    QTest::addColumn<QString>("line");
    QTest::newRow("no line feed yet") << "$99=1" << false << "";
    QTest::newRow("one line") << "$99=1\n" << true << "$99=1";
    QTest::newRow("two lines: the later") << "$99=1\n$99=2\n" << true << "$99=2";
    QTest::newRow("partial after the line") << "$99=1\n$99=" << true << "$99=1";
    QTest::newRow("bare line feed") << "\n" << true << "";
}

void TestProtocol::takesLastCompleteLine()
{
    QFETCH(QString, received);
    QFETCH(bool, taken);
    QFETCH(QString, line);
    QString accumulated = received;
    QString got;
    QCOMPARE(takeLastLine(accumulated, &got), taken);
    QCOMPARE(got, line);
    QCOMPARE(accumulated, taken ? QString() : received); // kept until a line is complete
}

void TestProtocol::parsesStatusLine_data()
{
    QTest::addColumn<QByteArray>("line");
    QTest::addColumn<bool>("accepted");
    QTest::addColumn<QString>("fields"); // "reg=value" in order

    QTest::newRow("13 fields") << statusLine({{99, "1795"}, {103, "12"}}) << true
                               << "99=1795 103=12 140=0 140=0 140=0 140=0 140=0 140=0 140=0 "
                                  "140=0 140=0 140=0 140=0";
    QTest::newRow("12 fields") << statusLine({{99, "1795"}}, 12) << false << "";
    QTest::newRow("14 fields") << statusLine({{99, "1795"}}, 14) << false << "";
    QTest::newRow("error 0 before the temperature ends the line")
        << QByteArray("$130=0##$99=1795##$1=0##$1=0##$1=0##$1=0##$1=0##$1=0##$1=0##$1=0##$1=0##"
                      "$1=0##$1=0")
        << true << "";
    QTest::newRow("error code kept")
        << QByteArray("$130=2##$99=1795##a##b##c##d##e##f##g##h##i##j##k") << true
        << "130=2 99=1795";
    QTest::newRow("fields without $ or = or with two = skipped")
        << QByteArray("99=5##$99##$99=1=2##$120=251##a##b##c##d##e##f##g##h##i") << true
        << "120=251";
    QTest::newRow("pressure hexadecimal")
        << QByteArray("$105=80A1B2##a##b##c##d##e##f##g##h##i##j##k##l") << true << "105=8430002";
    QTest::newRow("pressure lower case")
        << QByteArray("$105=80a1b2##a##b##c##d##e##f##g##h##i##j##k##l") << true << "105=8430002";
    QTest::newRow("pressure not a number")
        << QByteArray("$105=ZZ##a##b##c##d##e##f##g##h##i##j##k##l") << true << "105=0";
    QTest::newRow("decimal value not whole")
        << QByteArray("$99=17.5##a##b##c##d##e##f##g##h##i##j##k##l") << true << "99=0";
}

void TestProtocol::parsesStatusLine()
{
    QFETCH(QByteArray, line);
    QFETCH(bool, accepted);
    QFETCH(QString, fields);
    QVector<StatusField> parsed;
    QCOMPARE(parseStatusLine(QString::fromLatin1(line).remove('\n'), &parsed), accepted);
    QStringList got;
    for (const StatusField &f : qAsConst(parsed))
        got << QStringLiteral("%1=%2").arg(f.reg).arg(f.value);
    QCOMPARE(got.join(' '), fields);
}

QTEST_GUILESS_MAIN(TestProtocol)
#include "tst_protocol.moc"
