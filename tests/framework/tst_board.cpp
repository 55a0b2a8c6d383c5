#include "board.h"
#include "qmltool.h"
#include "testhome.h"

#include <QtTest>

// The simulated board carries out nothing: it journals, and maps the board's fixed folders into
// the home folder.
class TestBoard : public QObject
{
    Q_OBJECT
private slots:
    void journalsInsteadOfActing();
    void fixedFoldersMapIntoHome_data();
    void fixedFoldersMapIntoHome();
    void queryRunsBoundedAndReadOnly();
};

void TestBoard::journalsInsteadOfActing()
{
    TestHome home;
    Board &board = Board::instance();
    QVERIFY(board.isSimulated());
    QCOMPARE(board.system("sudo date -s \"2024-6-1 8:05:09\""), 0);
    QVERIFY(board.writeDevice("/sys/class/gpio/gpio362/value", "1"));
    QCOMPARE(board.bash("reboot").exitCode, 0);
    QCOMPARE(home.journal(), QString("sudo date -s \"2024-6-1 8:05:09\"\n"
                                     "/sys/class/gpio/gpio362/value <- 1\n"
                                     "reboot\n"));
}

void TestBoard::fixedFoldersMapIntoHome_data()
{
    QTest::addColumn<QString>("boardPath");
    QTest::addColumn<QString>("relative"); // under the home, "" when left as it is
    QTest::newRow("stick") << "/mnt/disk/Language"
                           << "board/mnt/disk/Language";
    QTest::newRow("rvk home") << "/home/rvk/qdt_test.txt"
                              << "board/home/rvk/qdt_test.txt";
    QTest::newRow("watchdog") << "/dev/watchdog"
                              << "board/dev/watchdog";
    QTest::newRow("look-alike prefix") << "/home/rvkx/a"
                                       << "";
    QTest::newRow("temporary file") << "/tmp/a"
                                    << "";
}

void TestBoard::fixedFoldersMapIntoHome()
{
    QFETCH(QString, boardPath);
    QFETCH(QString, relative);
    TestHome home;
    const QString mapped = Board::instance().path(boardPath);
    QCOMPARE(mapped, relative.isEmpty() ? boardPath : home.file(relative));
    if (boardPath == "/mnt/disk/Language")
        QCOMPARE(QmlTool::get_instance()->get_udisk_path(), home.file("board/mnt/disk/"));
}

void TestBoard::queryRunsBoundedAndReadOnly()
{
    QElapsedTimer clock;
    clock.start();
    const Board::Result slow = Board::instance().query("sleep", {"5"}, 300);
    QVERIFY(slow.timedOut);
    QVERIFY(clock.elapsed() < 3000);
    const Board::Result echo = Board::instance().query("echo", {"hello"}, 3000);
    QCOMPARE(echo.output, QByteArray("hello\n"));
    QCOMPARE(Board::instance().query("/nonexistent/tool", {}, 1000).exitCode, -1);
}

QTEST_GUILESS_MAIN(TestBoard)
#include "tst_board.moc"
